#include "app/controls.h"
#include "app/forms.h"
#include "categories/frmresource.h"
#include "categories/maincommands.h"
#include "entries/frmentry.h"
#include "fakeplatform.h"
#include "mainwindow/frmmain.h"
#include "testmain.h"
#include "testvault.h"

#include <QBarCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QLabel>
#include <QListWidget>
#include <QTest>
#include <QTextDocumentFragment>

namespace {

// What a person reads in a control given text in format: markup is rendered, plain text is not.
QString rendered(const QString& text, Qt::TextFormat format = Qt::AutoText) {
    const bool markup = format == Qt::RichText || (format == Qt::AutoText && Qt::mightBeRichText(text));
    return markup ? QTextDocumentFragment::fromHtml(text).toPlainText() : text;
}

// The labels and tooltips of window whose rendering shows the word of a stored value without
// the markup around it (so the markup was rendered, not shown as typed).
QStringList renderedMarkup(const QWidget& window, const QString& typed, const QString& word) {
    QStringList found;
    QList<const QWidget*> widgets{&window};
    for (const QWidget* w : window.findChildren<QWidget*>())
        widgets << w;
    for (const QWidget* w : widgets) {
        QStringList shown{rendered(w->toolTip())};
        if (const auto* label = qobject_cast<const QLabel*>(w))
            shown << rendered(label->text(), label->textFormat());
        for (const QString& text : shown)
            if (text.contains(word) && !text.contains(typed)) found << w->objectName() + ": " + text;
    }
    return found;
}

} // namespace

// Markup typed into a value, a title or a category name is shown as typed in every control.
class HostileValuesTest final : public VaultTestCase {
    Q_OBJECT
private slots:
    void markupIsShownAsTyped_data() {
        QTest::addColumn<QString>("description");
        QTest::addColumn<QString>("category");
        QTest::addColumn<QString>("fieldTitle");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("word");
        // clang-format off
        QTest::newRow("description") << "<b>Bold</b> bank" << "HOME" << "Code" << "<B>BOLD</B> BANK" << "BOLD";
        QTest::newRow("field title") << "Bank" << "HOME" << "<i>Italic</i> code" << "<i>Italic</i> code" << "Italic";
        QTest::newRow("category name") << "Bank" << "<U>UNDER</U>" << "Code" << "<U>UNDER</U>" << "UNDER";
        // clang-format on
    }
    void markupIsShownAsTyped() {
        QFETCH(QString, description);
        QFETCH(QString, category);
        QFETCH(QString, fieldTitle);
        QFETCH(QString, typed);
        QFETCH(QString, word);
        if (category != QLatin1String("HOME")) {
            vault().exec(QStringLiteral("INSERT INTO Cats (CatName) VALUES (?)"), {category});
            vault().exec(
                QStringLiteral("INSERT INTO CatDef VALUES (?, 'Item', 'Code', 'b', 'c', 'd', 'Notes', 4)"),
                {category});
        }
        vault().exec(QStringLiteral("UPDATE CatDef SET pwUDF1 = ? WHERE pwCat = ?"), {fieldTitle, category});
        vault().addEntry(description, category, {QStringLiteral("1234")});

        frmMain& main = form<frmMain>();
        form<frmMain>().fillCategoryFilter();
        main.show();
        setListIndex(main.List1, 0);
        QCOMPARE(fake().messages.size(), 0);
        QCOMPARE(renderedMarkup(main, typed, word), QStringList());

        main.Command11_Click(); // the entry editor, opened on the shown entry
        QCOMPARE(renderedMarkup(form<frmEntry>(), typed, word), QStringList());
        unload<frmEntry>();

        BuildCategoryBreakdown();
        // The chart's axis renders its labels as markup.
        QStringList names;
        auto* axis =
            qobject_cast<QBarCategoryAxis*>(form<frmResource>().m1->chart()->axes(Qt::Horizontal).value(0));
        QVERIFY(axis);
        for (const QString& name : axis->categories())
            names << rendered(name, Qt::RichText);
        QVERIFY2(names.contains(category), qPrintable(names.join(QLatin1Char('|'))));
    }
};

QUORLANE_TEST(HostileValuesTest);
#include "tst_hostilevalues.moc"
