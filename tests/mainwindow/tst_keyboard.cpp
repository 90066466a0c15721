// The main window from the keyboard: each shortcut runs its command, the copy pictures and the
// entry count answer Space and Enter, and Tab reaches every control in screen order.
#include "app/controls.h"
#include "app/forms.h"
#include "app/picturebox.h"
#include "entries/frmentry.h"
#include "fakeplatform.h"
#include "mainwindow/frmmain.h"
#include "testmain.h"
#include "testvault.h"
#include "waits.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace {

// What the fake platform saw, in one line: windows shown, messages, clipboard, files opened,
// the tray icon and the end of the program.
QString effects() {
    QStringList seen;
    for (const QString& modal : fake().modals)
        seen << QStringLiteral("window ") + modal;
    for (const QString& title : fake().titles())
        seen << QStringLiteral("message ") + title;
    if (!fake().clipboard.isEmpty()) seen << QStringLiteral("clipboard ") + fake().clipboard;
    for (const QString& target : fake().opened)
        seen << QStringLiteral("open ") + target.section(QLatin1Char('/'), -1);
    if (fake().trayVisible) seen << QStringLiteral("tray");
    if (fake().endCount > 0) seen << QStringLiteral("end");
    return seen.join(QStringLiteral("; "));
}

} // namespace

class KeyboardTest final : public VaultTestCase {
    Q_OBJECT

    qint64 key_ = 0; // the entry's key

    frmMain& shownWithEntry() {
        key_ = vault().addEntry(QStringLiteral("Mail"), QStringLiteral("WEB SITE"),
                                {QStringLiteral("www.example.org"), QStringLiteral("joe"),
                                 QStringLiteral("s3cret"), QStringLiteral("joe@example.org")},
                                QStringLiteral("first\nsecond"));
        frmMain& main = form<frmMain>();
        form<frmMain>().fillCategoryFilter();
        (void)showActive(main);
        setListIndex(main.List1, 0);
        return main;
    }

private slots:
    void shortcutRunsItsCommand_data() {
        QTest::addColumn<QString>("focus"); // the control that has the focus
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("effect");
        const int ctrl = Qt::ControlModifier;
        QTest::newRow("Ctrl+N new entry") << "List1" << int(Qt::Key_N) << ctrl << "window frmEntry";
        QTest::newRow("Ctrl+E edit") << "List1" << int(Qt::Key_E) << ctrl << "window frmEntry";
        QTest::newRow("Ctrl+E edit, focus in a value")
            << "Text2" << int(Qt::Key_E) << ctrl << "window frmEntry";
        QTest::newRow("Enter on the list edits") << "List1" << int(Qt::Key_Return) << 0 << "window frmEntry";
        QTest::newRow("Delete on the list asks")
            << "List1" << int(Qt::Key_Delete) << 0 << "message Delete Entry?";
        QTest::newRow("Ctrl+F search") << "Text5" << int(Qt::Key_F) << ctrl << "window frmSearch";
        QTest::newRow("Ctrl+P print") << "List1" << int(Qt::Key_P) << ctrl << "window frmPrintConfirm";
        QTest::newRow("Ctrl+L lock") << "List1" << int(Qt::Key_L) << ctrl << "tray";
        QTest::newRow("Ctrl+Q exit") << "Combo1" << int(Qt::Key_Q) << ctrl << "end";
        QTest::newRow("F1 help") << "List1" << int(Qt::Key_F1) << 0 << "open Help.pdf";
        QTest::newRow("Ctrl+Shift+A attachments")
            << "List1" << int(Qt::Key_A) << (ctrl | int(Qt::ShiftModifier)) << "window frmAttach";
        QTest::newRow("Ctrl+Shift+B breakdown")
            << "Text1" << int(Qt::Key_B) << (ctrl | int(Qt::ShiftModifier)) << "window frmResource";
        QTest::newRow("Ctrl+Shift+C password")
            << "Text1" << int(Qt::Key_C) << (ctrl | int(Qt::ShiftModifier)) << "clipboard s3cret";
        QTest::newRow("Ctrl+C on the list: password")
            << "List1" << int(Qt::Key_C) << ctrl << "clipboard s3cret";
        QTest::newRow("Ctrl+B user name") << "Combo1" << int(Qt::Key_B) << ctrl << "clipboard joe";
        QTest::newRow("Ctrl+1 field 1") << "List1" << int(Qt::Key_1) << ctrl << "clipboard www.example.org";
        QTest::newRow("Ctrl+2 field 2") << "Text4" << int(Qt::Key_2) << ctrl << "clipboard joe";
        QTest::newRow("Ctrl+3 field 3") << "List1" << int(Qt::Key_3) << ctrl << "clipboard s3cret";
        QTest::newRow("Ctrl+4 field 4") << "Combo1" << int(Qt::Key_4) << ctrl << "clipboard joe@example.org";
        QTest::newRow("Ctrl+5 notes") << "Text5" << int(Qt::Key_5) << ctrl << "clipboard first\r\nsecond";
    }
    void shortcutRunsItsCommand() {
        QFETCH(QString, focus);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, effect);
        fake().tray = true;
        frmMain& main = shownWithEntry();
        QWidget* target = main.findChild<QWidget*>(focus);
        QVERIFY(target);
        target->setFocus();
        QCOMPARE(QApplication::focusWidget(), target);
        try {
            QTest::keyClick(target, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        } catch (const ProgramEnded&) {
        }
        QCOMPARE(effects(), effect);
        if (effect == QLatin1String("window frmEntry") && key != Qt::Key_N)
            QCOMPARE(form<frmEntry>().windowTitle(), QStringLiteral("Edit Entry"));
    }

    // The password key and the user-name key find their fields by title in every category, and
    // copy the value as stored, blanks kept.
    void passwordAndUserKeys_data() {
        QTest::addColumn<QString>("category");
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("user");
        QTest::newRow("bank: fields 4 and 3, blanks kept")
            << "BANK ACCOUNT" << QStringList{"12345678", "12-34-56", "  joe  ", "  x  "} << "  x  "
            << "  joe  ";
        QTest::newRow("e-mail: the address is the user name")
            << "EMAIL" << QStringList{"me@mail.test", "pw", "imap", "smtp"} << "pw"
            << "me@mail.test";
        QTest::newRow("licence: neither") << "SOFTWARE LICENSE" << QStringList{"KEY", "me", "1", "2"} << ""
                                          << "";
    }
    void passwordAndUserKeys() {
        QFETCH(QString, category);
        QFETCH(QStringList, fields);
        QFETCH(QString, password);
        QFETCH(QString, user);
        vault().addEntry(QStringLiteral("Entry"), category, fields);
        frmMain& main = form<frmMain>();
        form<frmMain>().fillCategoryFilter();
        QVERIFY(showActive(main));
        setListIndex(main.List1, 0);
        QTest::keyClick(main.List1, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(fake().clipboard, password);
        QTest::keyClick(main.List1, Qt::Key_B, Qt::ControlModifier);
        QCOMPARE(fake().clipboard, user.isEmpty() ? password : user);
        if (password.isEmpty())
            QCOMPARE(fake().titles(), (QStringList{"No Password Field", "No User Name Field"}));
        // The view shows the values trimmed; the field's own copy key copies them as stored.
        QTest::keyClick(main.List1, Qt::Key_3, Qt::ControlModifier);
        QCOMPARE(fake().clipboard, fields[2]);
    }

    // With an empty list the commands that need an entry do nothing; the others still work.
    void shortcutsWithoutAnEntry_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("effect");
        QTest::newRow("Ctrl+E") << int(Qt::Key_E) << "";
        QTest::newRow("Ctrl+P") << int(Qt::Key_P) << "";
        QTest::newRow("Ctrl+3") << int(Qt::Key_3) << "";
        QTest::newRow("Ctrl+N") << int(Qt::Key_N) << "window frmEntry";
        QTest::newRow("Ctrl+F") << int(Qt::Key_F) << "window frmSearch";
    }
    void shortcutsWithoutAnEntry() {
        QFETCH(int, key);
        QFETCH(QString, effect);
        frmMain& main = form<frmMain>();
        form<frmMain>().fillCategoryFilter();
        QVERIFY(showActive(main));
        QCOMPARE(main.List1->count(), 0);
        QTest::keyClick(main.Combo1, Qt::Key(key), Qt::ControlModifier);
        QCOMPARE(effects(), effect);
    }

    // Locked without a tray, the window answers no shortcut until the cover is used; the cover
    // itself is named for assistive technology and takes Enter.
    void lockedWindowIgnoresShortcuts() {
        frmMain& main = shownWithEntry();
        QTest::keyClick(main.List1, Qt::Key_L, Qt::ControlModifier);
        QWidget* cover = main.findChild<QWidget*>(QStringLiteral("lockCover"));
        QVERIFY(cover);
        QCOMPARE(QAccessible::queryAccessibleInterface(cover)->text(QAccessible::Name),
                 QStringLiteral("Quorlane is locked. Click here to unlock."));
        for (int key : {int(Qt::Key_3), int(Qt::Key_N), int(Qt::Key_B)})
            QTest::keyClick(&main, Qt::Key(key), Qt::ControlModifier);
        QCOMPARE(effects(), QString());
    }

    // Each button's tooltip names its keys after the program's own words.
    void tooltipsNameTheKeys() {
        frmMain& main = form<frmMain>();
        QCOMPARE(main.Command10->toolTip(), QStringLiteral("Create a new password entry. (Ctrl+N)"));
        QCOMPARE(main.Command22->toolTip(), QStringLiteral("Click for additional help. (F1)"));
        QCOMPARE(main.Command13->toolTip(), QStringLiteral("View attachments. (Ctrl+Shift+A)"));
        QCOMPARE(main.Picture5->Picture12->toolTip(),
                 QStringLiteral("Copy this field to your clipboard. (Ctrl+3)"));
        QCOMPARE(main.Command10->accessibleName(), QStringLiteral("Create a new password entry."));
    }

    // A focused copy picture copies its field on Space and on Enter; the count opens the chart.
    void picturesAnswerSpaceAndEnter_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("effect");
        QTest::newRow("copy field 3, Space") << "Picture12" << int(Qt::Key_Space) << "clipboard s3cret";
        QTest::newRow("copy field 3, Enter") << "Picture12" << int(Qt::Key_Return) << "clipboard s3cret";
        QTest::newRow("copy notes, keypad Enter")
            << "Picture14" << int(Qt::Key_Enter) << "clipboard first\r\nsecond";
        QTest::newRow("copy field 1, other key") << "Picture10" << int(Qt::Key_X) << "";
        QTest::newRow("entry count, Enter") << "Label35" << int(Qt::Key_Return) << "window frmResource";
        QTest::newRow("entry count, Space") << "Label35" << int(Qt::Key_Space) << "window frmResource";
    }
    void picturesAnswerSpaceAndEnter() {
        QFETCH(QString, control);
        QFETCH(int, key);
        QFETCH(QString, effect);
        frmMain& main = shownWithEntry();
        QWidget* target = main.findChild<QWidget*>(control);
        target->setFocus(Qt::TabFocusReason);
        QCOMPARE(QApplication::focusWidget(), target);
        QTest::keyClick(target, Qt::Key(key));
        QCOMPARE(effects(), effect);
    }

    // Tab goes through the window in screen order: filter, list, each field's copy picture and
    // value, the status row and the command bar left to right, then round again.
    void tabReachesEveryControl() {
        frmMain& main = shownWithEntry();
        vault().exec(
            QStringLiteral(
                "INSERT INTO eAttach (eID, AttachName, AttachPath, AttachPic) VALUES (?, 'a', '/x', '1')"),
            {QString::number(key_)});
        setListIndex(main.List1, 0); // shows the attachment indicator
        main.Combo1->setFocus();
        QStringList reached;
        for (int i = 0; i < 33; ++i) {
            QWidget* focused = QApplication::focusWidget();
            QVERIFY(focused);
            reached << focused->objectName();
            QTest::keyClick(focused, Qt::Key_Tab);
        }
        QCOMPARE(reached.join(QLatin1Char(' ')),
                 QStringLiteral(
                     "Combo1 txtFind chkFindAll List1 Picture10 Text1 web1 Picture11 Text2 Picture12 Text3 "
                     "Picture13 Text4 "
                     "Picture14 Text5 Label35 Check1 Check2 Picture17 Command2 Command10 Command11 "
                     "Command8 Command6 Command5 cmdImport cmdExport cmdHealth Command13 Command1 Command4 "
                     "Command3 "
                     "Command22"));
        QCOMPARE(QApplication::focusWidget(), main.Combo1);
    }
};

QUORLANE_TEST(KeyboardTest);
#include "tst_keyboard.moc"
