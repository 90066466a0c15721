#include "app/controls.h"
#include "app/forms.h"
#include "fakeplatform.h"
#include "mainwindow/frmmain.h"
#include "testmain.h"
#include "testvault.h"
#include "waits.h"
#include "windowfixture.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSet>
#include <QTest>

namespace {

const QRgb Background = qRgb(176, 176, 176) & 0xffffff; // compared without alpha

enum class Shown { Plain, Discreet, Hidden };

// The main window showing an entry with long values, in the chosen display.
frmMain& showing(TestVault& vault, Shown display) {
    const QString value = QStringLiteral("correct horse battery staple");
    vault.addEntry(QStringLiteral("Vault"), QStringLiteral("HOME"), {value, value, value, value},
                   value + QStringLiteral("\n") + value);
    frmMain& main = openMainWindow();
    main.Check2->setChecked(true);
    main.Check2->setChecked(display == Shown::Hidden);
    main.Check1->setChecked(display == Shown::Discreet);
    (void)showActive(main);
    return main;
}

QWidget* valueBox(const frmMain& main, int field) {
    QWidget* boxes[] = {main.Picture5->Text1, main.Picture5->Text2, main.Picture5->Text3,
                        main.Picture5->Text4, main.Picture5->Text5};
    return boxes[field - 1];
}

// The widget that draws a box's text (the notes draw in their viewport).
QWidget* textArea(QWidget* box) {
    auto* area = qobject_cast<QAbstractScrollArea*>(box);
    return area ? area->viewport() : box;
}

// The colours the screen shows inside a box, its frame left out.
QSet<QRgb> coloursShown(QWidget* box) {
    const QImage image = textArea(box)->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QSet<QRgb> colours;
    for (int y = 4; y < image.height() - 4; ++y)
        for (int x = 4; x < image.width() - 4; ++x)
            colours.insert(image.pixel(x, y) & 0xffffff);
    return colours;
}

QString selectedIn(QWidget* box) {
    if (auto* line = qobject_cast<QLineEdit*>(box)) return line->selectedText();
    return static_cast<QPlainTextEdit*>(box)->textCursor().selectedText();
}

// Tab from the widget before the box in the focus chain.
void tabInto(QWidget* box) {
    QWidget* before = box->previousInFocusChain();
    while (!(before->focusPolicy() & Qt::TabFocus) || !before->isVisible() || !before->isEnabled())
        before = before->previousInFocusChain();
    before->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(before, Qt::Key_Tab);
}

} // namespace

class HiddenValuesTest final : public VaultTestCase {
    Q_OBJECT
private slots:
    // With "Hide information" ticked, a value box that takes the focus by Tab, or whose text is
    // double-clicked or selected with the keyboard, shows nothing but its background: no text,
    // no selection and not its length. Plain and discreet values still show and select.
    void hiddenValueShowsNothing_data() {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("display");
        QTest::newRow("field 1 by Tab") << 1 << "tab" << int(Shown::Hidden);
        QTest::newRow("field 4 by Tab") << 4 << "tab" << int(Shown::Hidden);
        QTest::newRow("notes by Tab") << 5 << "tab" << int(Shown::Hidden);
        QTest::newRow("field 2 double-clicked") << 2 << "double-click" << int(Shown::Hidden);
        QTest::newRow("notes double-clicked") << 5 << "double-click" << int(Shown::Hidden);
        QTest::newRow("field 3 select-all key") << 3 << "select all" << int(Shown::Hidden);
        QTest::newRow("plain field 1 by Tab") << 1 << "tab" << int(Shown::Plain);
        QTest::newRow("discreet field 1 by Tab") << 1 << "tab" << int(Shown::Discreet);
        QTest::newRow("discreet notes double-clicked") << 5 << "double-click" << int(Shown::Discreet);
    }
    void hiddenValueShowsNothing() {
        QFETCH(int, field);
        QFETCH(QString, how);
        QFETCH(int, display);
        frmMain& main = showing(vault(), Shown(display));
        QWidget* box = valueBox(main, field);
        if (how == QLatin1String("tab")) {
            tabInto(box);
        } else if (how == QLatin1String("double-click")) {
            box->setFocus();
            QTest::mouseDClick(textArea(box), Qt::LeftButton, {}, QPoint(12, 8));
        } else {
            box->setFocus();
            QTest::keySequence(box, QKeySequence::SelectAll);
        }
        QCOMPARE(QApplication::focusWidget(), box);
        const QPalette shown = box->palette();
        if (Shown(display) != Shown::Hidden) {
            QVERIFY(!selectedIn(box).isEmpty());
            QVERIFY(coloursShown(box).size() > 1);
            QVERIFY(shown.color(QPalette::Text) != QColor(Background));
            return;
        }
        QCOMPARE(selectedIn(box), QString());
        QCOMPARE(coloursShown(box), QSet<QRgb>{Background});
        for (const auto role : {QPalette::Text, QPalette::HighlightedText})
            QCOMPARE(shown.color(QPalette::Active, role), QColor(Background));
    }

    // Ticking Hide takes away a selection made before; unticking gives the boxes their ordinary
    // selection colours back.
    void hideClearsAnEarlierSelection() {
        frmMain& main = showing(vault(), Shown::Plain);
        main.Picture5->Text1->selectAll();
        main.Picture5->Text5->selectAll();
        main.Check2->setChecked(true);
        QCOMPARE(selectedIn(main.Picture5->Text1), QString());
        QCOMPARE(selectedIn(main.Picture5->Text5), QString());
        main.Check2->setChecked(false);
        QCOMPARE(
            main.Picture5->Text1->palette().color(QPalette::Active, QPalette::HighlightedText),
            QApplication::palette(main.Picture5->Text1).color(QPalette::Active, QPalette::HighlightedText));
    }

    // A hidden box offers no context menu; a shown one offers copy and select-all.
    void contextMenuOnlyWhenShown_data() {
        QTest::addColumn<int>("display");
        QTest::addColumn<QStringList>("menus");
        QTest::newRow("hidden") << int(Shown::Hidden) << QStringList();
        QTest::newRow("discreet") << int(Shown::Discreet) << QStringList{QStringLiteral("valueMenu")};
    }
    void contextMenuOnlyWhenShown() {
        QFETCH(int, display);
        QFETCH(QStringList, menus);
        frmMain& main = showing(vault(), Shown(display));
        emit main.Picture5->Text5->customContextMenuRequested({});
        QCOMPARE(fake().menus, menus);
    }
};

QUORLANE_TEST(HiddenValuesTest);
#include "tst_hiddenvalues.moc"
