#include "apptestcase.h"
#include "fakeplatform.h"
#include "testmain.h"

#include "app/forms.h"
#include "app/modmain.h"
#include "app/modregistry.h"
#include "mainwindow/frmmain.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

Q_DECLARE_METATYPE(QColor)

namespace {

const QColor Faint(208, 208, 208);
const QColor Invisible(176, 176, 176);
const QColor Black(0, 0, 0);

// The text colour every value box of the main window shows; invalid when they differ.
QColor valueColour() {
    frmMain& main = form<frmMain>();
    const QColor first = main.Picture5->Text1->palette().color(QPalette::Text);
    for (QWidget* box :
         {static_cast<QWidget*>(main.Picture5->Text2), static_cast<QWidget*>(main.Picture5->Text3),
          static_cast<QWidget*>(main.Picture5->Text4), static_cast<QWidget*>(main.Picture5->Text5)})
        if (box->palette().color(QPalette::Text) != first) return {};
    return first;
}

} // namespace

class PreferencesTest final : public AppTestCase {
    Q_OBJECT
private slots:
    // The store gives back strings as they are, a 32-bit number as its digits, and nothing for a
    // value that is missing or of another kind.
    void readsValues_data() {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("string 1") << QVariant(QStringLiteral("1")) << "1";
        QTest::newRow("string 0") << QVariant(QStringLiteral("0")) << "0";
        QTest::newRow("a word") << QVariant(QStringLiteral("yes")) << "yes";
        QTest::newRow("32-bit number 1") << QVariant(qint32(1)) << "1";
        QTest::newRow("missing value") << QVariant() << "";
        QTest::newRow("a list is no string") << QVariant(QStringList{"1", "2"}) << "";
    }
    void readsValues() {
        QFETCH(QVariant, value);
        store(QStringLiteral("Discreet"), QStringLiteral("1"));
        store(QStringLiteral("Hide"), value);
        QCOMPARE(ReadRegistrySetting(QStringLiteral("Software\\Quorlane"), QStringLiteral("Discreet")),
                 QStringLiteral("1"));
        QTEST(ReadRegistrySetting(QStringLiteral("Software\\Quorlane"), QStringLiteral("Hide")), "text");
    }

    void writesValues() {
        QVERIFY(!storeExists());
        QCOMPARE(ReadRegistrySetting(QStringLiteral("Software\\Quorlane"), QStringLiteral("Hide")),
                 QString());
        SavePreference(QStringLiteral("Quorlane"), QStringLiteral("Hide"), QStringLiteral("1"));
        QCOMPARE(stored(QStringLiteral("Hide")).toString(), QStringLiteral("1"));
        WriteRegistryValue(QStringLiteral("Software\\Quorlane"), QStringLiteral("Count"), 7, 4);
        QCOMPARE(stored(QStringLiteral("Count")).toInt(), 7);
        WriteRegistryValue(QStringLiteral("Software\\Quorlane"), QStringLiteral("Other"), 7, 3);
        QVERIFY(!stored(QStringLiteral("Other")).isValid());
    }

    // Clicking a box keeps the two exclusive, recolours the values and saves both preferences.
    void clicks_data() {
        QTest::addColumn<bool>("discreetBefore");
        QTest::addColumn<bool>("hideBefore");
        QTest::addColumn<QString>("clicked");
        QTest::addColumn<bool>("discreet");
        QTest::addColumn<bool>("hide");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("discreet on") << false << false << "Check1" << true << false << Faint;
        QTest::newRow("hide on") << false << false << "Check2" << false << true << Invisible;
        QTest::newRow("hide while discreet") << true << false << "Check2" << false << true << Invisible;
        QTest::newRow("discreet while hidden") << false << true << "Check1" << true << false << Faint;
        QTest::newRow("discreet off") << true << false << "Check1" << false << false << Black;
        QTest::newRow("hide off") << false << true << "Check2" << false << false << Black;
    }
    void clicks() {
        QFETCH(bool, discreetBefore);
        QFETCH(bool, hideBefore);
        QFETCH(QString, clicked);
        QFETCH(bool, discreet);
        QFETCH(bool, hide);
        frmMain& main = form<frmMain>();
        main.show();
        main.Check1->setChecked(discreetBefore);
        main.Check2->setChecked(hideBefore);
        QTest::mouseClick(main.findChild<QCheckBox*>(clicked), Qt::LeftButton);
        QCOMPARE(main.Check1->isChecked(), discreet);
        QCOMPARE(main.Check2->isChecked(), hide);
        QTEST(valueColour(), "colour");
        QCOMPARE(stored(QStringLiteral("Discreet")).toString(),
                 discreet ? QStringLiteral("1") : QStringLiteral("0"));
        QCOMPARE(stored(QStringLiteral("Hide")).toString(), hide ? QStringLiteral("1") : QStringLiteral("0"));
    }

    // What start-up makes of the stored preferences, and what the store holds afterwards.
    void appliedAtStart_data() {
        QTest::addColumn<QVariant>("discreetStored");
        QTest::addColumn<QVariant>("hideStored");
        QTest::addColumn<bool>("discreet");
        QTest::addColumn<bool>("hide");
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<QVariant>("discreetAfter");
        QTest::addColumn<QVariant>("hideAfter");
        const QVariant none;
        const QVariant one(QStringLiteral("1"));
        const QVariant zero(QStringLiteral("0"));
        QTest::newRow("first run: nothing stored, nothing written")
            << none << none << false << false << Black << none << none;
        QTest::newRow("both stored as 1: hide wins")
            << one << one << false << true << Invisible << zero << one;
        QTest::newRow("discreet") << one << zero << true << false << Faint << one << zero;
        QTest::newRow("hide") << zero << one << false << true << Invisible << zero << one;
        QTest::newRow("a 2 is not set") << QVariant(QStringLiteral("2")) << none << false << false << Black
                                        << QVariant(QStringLiteral("2")) << none;
        QTest::newRow("a word is not set") << none << QVariant(QStringLiteral("on")) << false << false
                                           << Black << none << QVariant(QStringLiteral("on"));
        QTest::newRow("blanks around the 1")
            << QVariant(QStringLiteral(" 1 ")) << none << true << false << Faint << one << zero;
        QTest::newRow("32-bit number 1 counts as set")
            << none << QVariant(qint32(1)) << false << true << Invisible << zero << one;
        QTest::newRow("hide deleted, discreet read before it")
            << zero << none << false << false << Black << zero << none;
    }
    void appliedAtStart() {
        QFETCH(QVariant, discreetStored);
        QFETCH(QVariant, hideStored);
        QFETCH(QVariant, discreetAfter);
        QFETCH(QVariant, hideAfter);
        store(QStringLiteral("Discreet"), discreetStored);
        store(QStringLiteral("Hide"), hideStored);
        StartUp();
        frmMain& main = form<frmMain>();
        QVERIFY(main.isVisible());
        QTEST(main.Check1->isChecked(), "discreet");
        QTEST(main.Check2->isChecked(), "hide");
        QTEST(valueColour(), "colour");
        QCOMPARE(stored(QStringLiteral("Discreet")).toString(), discreetAfter.toString());
        QCOMPARE(stored(QStringLiteral("Hide")).toString(), hideAfter.toString());
        QCOMPARE(storeExists(), discreetStored.isValid() || hideStored.isValid());
    }
};

QUORLANE_TEST(PreferencesTest);
#include "tst_preferences.moc"
