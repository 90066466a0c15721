#include "app/entrylistmodel.h"
#include "testmain.h"

#include <QLocale>
#include <QTest>

// The list shows descriptions in the order of the locale's collation, equal ones in the order
// the vault gave them, each row keeping its entry's key.
class EntryListOrderTest final : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void rowsInCollationOrder_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QStringList>("descriptions"); // as the vault gives them, keys 1, 2, ...
        QTest::addColumn<QStringList>("rows");         // description and key of each row
        QTest::newRow("texts beginning alike")
            << "C" << QStringList{"BANKX", "BANKA", "BAN", "BANK", "BANK2", "BA"}
            << QStringList{"BA 6", "BAN 3", "BANK 4", "BANK2 5", "BANKA 2", "BANKX 1"};
        QTest::newRow("equal texts in the vault's order")
            << "C" << QStringList{"MAIL", "BANK", "MAIL", "MAIL"}
            << QStringList{"BANK 2", "MAIL 1", "MAIL 3", "MAIL 4"};
        QTest::newRow("empty text first, codes beyond ASCII last")
            << "C" << QStringList{u"ÉCOLE"_qs, "ZOO", "", u"ÆBLE"_qs}
            << QStringList{" 3", "ZOO 2", u"ÆBLE 4"_qs, u"ÉCOLE 1"_qs};
        QTest::newRow("a language's collation")
            << "fr_FR" << QStringList{u"ÉCOLE"_qs, "ZOO", "ECLAIR", "FORET"}
            << QStringList{"ECLAIR 3", u"ÉCOLE 1"_qs, "FORET 4", "ZOO 2"};
    }
    void rowsInCollationOrder() {
        QFETCH(QString, locale);
        QFETCH(QStringList, descriptions);
        QFETCH(QStringList, rows);
        QLocale::setDefault(QLocale(locale));
        QList<ListedEntry> entries;
        for (qsizetype i = 0; i < descriptions.size(); ++i)
            entries << ListedEntry{EntryKey(i + 1), descriptions[i]};
        EntryListModel model;
        model.setEntries(entries);
        QStringList shown;
        for (int row = 0; row < model.count(); ++row)
            shown << model.textAt(row) + QLatin1Char(' ') + QString::number(*model.keyAt(row));
        QCOMPARE(shown, rows);
    }
};

QUORLANE_TEST(EntryListOrderTest);

#include "tst_entrylistorder.moc"
