#include "app/strengthbar.h"
#include "entries/frmentry.h"
#include "store/codec.h"
#include "store/text.h"
#include "store/vault.h"
#include "testmain.h"
#include "testvault.h"
#include "windowfixture.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextCursor>

class EntryEditorTest final : public VaultTestCase {
    Q_OBJECT

    // Opens the editor for a new entry and fills it as a person would.
    frmEntry& startAdding(const QString& category, const QString& description, const QStringList& fields = {},
                          const QString& notes = {}) {
        form<frmMain>().Command10_Click();
        frmEntry& editor = form<frmEntry>();
        if (!category.isEmpty()) setComboText(editor.Combo1, category);
        editor.Text2->setText(description);
        QLineEdit* boxes[] = {editor.Text1, editor.Text3, editor.Text4, editor.Text5};
        for (int i = 0; i < fields.size(); ++i)
            boxes[i]->setText(fields[i]);
        editor.Text6->setPlainText(notes);
        return editor;
    }

    qint64 entryCount() { return vault().value(QStringLiteral("SELECT COUNT(*) FROM PDF")).toLongLong(); }

private slots:
    // The strength bar sits on the title line of the category's password field and rates what is
    // typed there; a category without a password field shows none.
    void strengthBarFollowsThePasswordField_data() {
        QTest::addColumn<QString>("category");
        QTest::addColumn<int>("field"); // 0..3, -1 none
        QTest::newRow("web site: Password, field 3") << "WEB SITE" << 2;
        QTest::newRow("credit card: the PIN, field 4") << "CREDIT CARD" << 3;
        QTest::newRow("home: Code, field 1") << "HOME" << 0;
        QTest::newRow("software licence: none") << "SOFTWARE LICENSE" << -1;
    }
    void strengthBarFollowsThePasswordField() {
        QFETCH(QString, category);
        QFETCH(int, field);
        openMainWindow();
        frmEntry& editor = startAdding(QStringLiteral("WEB SITE"), QStringLiteral("Shop"));
        setComboText(editor.Combo1, category);
        QVERIFY(editor.strength->isHidden()); // nothing typed yet
        QLineEdit* boxes[] = {editor.Text1, editor.Text3, editor.Text4, editor.Text5};
        for (QLineEdit* box : boxes)
            box->setText(QStringLiteral("correcthorsebatterystaple"));
        QCOMPARE(editor.strength->isHidden(), field < 0);
        if (field < 0) return;
        const QLabel* titles[] = {editor.Label4, editor.Label2, editor.Label3, editor.Label5};
        QCOMPARE(editor.strength->y(), titles[field]->y() + 1);
        QCOMPARE(editor.strength->text(), QStringLiteral("Very strong"));
        boxes[(field + 1) % 4]->setText(QStringLiteral("letmein"));
        QCOMPARE(editor.strength->text(), QStringLiteral("Very strong"));
    }

    // The add command prepares an empty editor; the edit command copies the shown entry whole,
    // also while the main window hides its values.
    void openers() {
        vault().addEntry(QStringLiteral("Mail'box"), QStringLiteral("WEB SITE"),
                         {QStringLiteral("www.example.com"), QStringLiteral("joe"), QStringLiteral("s3cret"),
                          QString(1200, QLatin1Char('x'))},
                         QStringLiteral("line one\nline two"));
        frmMain& main = openMainWindow();
        main.Check2->setChecked(true);

        main.Command10_Click();
        frmEntry& adding = form<frmEntry>();
        QCOMPARE(fake().modals, QStringList{QStringLiteral("frmEntry")});
        QCOMPARE(adding.windowTitle(), QStringLiteral("Add Entry"));
        QVERIFY(adding.mode == frmEntry::Mode::Adding);
        QCOMPARE(adding.Combo1->currentIndex(), -1);
        QCOMPARE(adding.Combo1->itemText(0), QStringLiteral("BANK ACCOUNT"));
        QVERIFY(adding.Label1->text().isEmpty() && adding.Label8->text().isEmpty());
        QVERIFY(!adding.Picture10->isHidden() && adding.Picture9->isHidden());
        QCOMPARE(adding.Picture8->picture(), QStringLiteral("cat_default"));
        adding.Command2_Click();
        QCOMPARE(entryCount(), 1);

        main.Command11_Click();
        frmEntry& editing = form<frmEntry>();
        QCOMPARE(editing.windowTitle(), QStringLiteral("Edit Entry"));
        QVERIFY(editing.mode == frmEntry::Mode::Editing);
        QCOMPARE(editing.Combo1->currentText(), QStringLiteral("WEB SITE"));
        QCOMPARE(editing.Picture8->picture(), QStringLiteral("cat_website"));
        QCOMPARE(editing.Label1->text(), QStringLiteral("Site:"));
        QCOMPARE(editing.Label4->text(), QStringLiteral("Web Address:"));
        QCOMPARE(editing.Text1->toolTip(), QStringLiteral("Web Address:"));
        QCOMPARE(editing.Text2->text(), QStringLiteral("Mail'box")); // as stored, not as listed
        QCOMPARE(editing.startingDescription, QStringLiteral("MAIL'BOX"));
        QCOMPARE(editing.Text1->text(), QStringLiteral("www.example.com"));
        QCOMPARE(editing.Text4->text(), QStringLiteral("s3cret"));
        // A stored value beyond the typing limit comes over whole.
        QCOMPARE(editing.Text5->text(), QString(1200, QLatin1Char('x')));
        QCOMPARE(editing.Text6->toPlainText(), QStringLiteral("line one\nline two"));
        QVERIFY(editing.Picture10->isHidden() && !editing.Picture9->isHidden());
    }

    // An entry that could not be read opens neither the editor nor the copy window: boxes
    // started empty would be saved over it.
    void unreadEntryOpensNothing() {
        vault().addEntry(QStringLiteral("Kept"), QStringLiteral("HOME"), {QStringLiteral("value")});
        failOperation(214);
        frmMain& main = openMainWindow();
        QCOMPARE(fake().titles(), QStringList{"E214 : Retrieval Error"});
        setFaultHook({});
        main.Command11_Click();
        main.Command1_Click();
        QCOMPARE(fake().modals, QStringList());
    }

    // The editor's discreet box follows the main window's two display options when it opens.
    void discreetRule_data() {
        QTest::addColumn<bool>("editing");
        QTest::addColumn<bool>("mainDiscreet");
        QTest::addColumn<bool>("mainHide");
        QTest::addColumn<bool>("alreadyTicked");
        QTest::addColumn<bool>("ticked");
        QTest::newRow("add, neither") << false << false << false << false << false;
        QTest::newRow("add, discreet") << false << true << false << false << true;
        QTest::newRow("add, hide only") << false << false << true << false << true;
        QTest::newRow("add, neither, box left ticked") << false << false << false << true << true;
        QTest::newRow("edit, neither") << true << false << false << false << false;
        QTest::newRow("edit, hide only") << true << false << true << false << true;
        QTest::newRow("edit, both") << true << true << true << false << true;
    }
    void discreetRule() {
        QFETCH(bool, editing);
        QFETCH(bool, mainDiscreet);
        QFETCH(bool, mainHide);
        QFETCH(bool, alreadyTicked);
        QFETCH(bool, ticked);
        vault().addEntry(QStringLiteral("Router"), QStringLiteral("HOME"), {QStringLiteral("admin")});
        frmMain& main = openMainWindow();
        main.Check1->setChecked(mainDiscreet);
        main.Check2->setChecked(mainHide);
        form<frmEntry>().Check1->setChecked(alreadyTicked);
        editing ? main.Command11_Click() : main.Command10_Click();
        frmEntry& editor = form<frmEntry>();
        QCOMPARE(editor.Check1->isChecked(), ticked);
        const QColor expected = ticked ? QColor(224, 224, 224) : QColor(Qt::black);
        QCOMPARE(editor.Text1->palette().color(QPalette::Text), expected);
        QCOMPARE(editor.Text6->palette().color(QPalette::Text), expected);
        if (editing) QCOMPARE(editor.Text1->text(), QStringLiteral("admin"));
    }

    // The save's checks in their order; each refusal writes nothing and keeps the editor open.
    void refusals_data() {
        QTest::addColumn<QString>("category");
        QTest::addColumn<QString>("description");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("prompt");
        QTest::addColumn<QString>("focus");
        QTest::newRow("no category before empty description") << QString() << QString() << "Missing Selection"
                                                              << "You must select a category before saving."
                                                              << "Combo1";
        QTest::newRow("blank description") << "HOME"
                                           << "   "
                                           << "Missing Entry"
                                           << "You must enter a description before saving."
                                           << "Text2";
        QTest::newRow("same letters, other case") << "HOME"
                                                  << "garage door"
                                                  << "Duplicate Identity"
                                                  << "This Item value is already being used.\n"
                                                     "Please enter a new Item."
                                                  << "Text2";
        QTest::newRow("outer spaces") << "WEB SITE"
                                      << "  Garage Door "
                                      << "Duplicate Identity"
                                      << "This Site value is already being used.\nPlease enter a new Site."
                                      << "Text2";
        QTest::newRow("stored with outer spaces")
            << "HOME"
            << "WEBMAIL"
            << "Duplicate Identity"
            << "This Item value is already being used.\nPlease enter a new Item."
            << "Text2";
        QTest::newRow("sharp s compared as itself")
            << "HOME"
            << "ßAFE"
            << "Duplicate Identity"
            << "This Item value is already being used.\nPlease enter a new Item."
            << "Text2";
        QTest::newRow("apostrophe on both sides")
            << "HOME"
            << "joe's shed"
            << "Duplicate Identity"
            << "This Item value is already being used.\nPlease enter a new Item."
            << "Text2";
    }
    void refusals() {
        QFETCH(QString, category);
        QFETCH(QString, description);
        QFETCH(QString, title);
        QFETCH(QString, prompt);
        QFETCH(QString, focus);
        vault().addEntry(QStringLiteral("Garage Door"), QStringLiteral("HOME"));
        vault().addEntry(QStringLiteral("Joe's Shed"), QStringLiteral("HOME"));
        vault().addEntry(QStringLiteral("  webmail "), QStringLiteral("EMAIL"));
        vault().addEntry(QStringLiteral("ßafe"), QStringLiteral("EMAIL"));
        openMainWindow();
        frmEntry& editor = startAdding(category, description);
        editor.Command21_Click();
        QCOMPARE(fake().titles(), QStringList{title});
        QCOMPARE(fake().messages.first().prompt, prompt);
        QCOMPARE(fake().messages.first().icon, MsgIcon::Error);
        QCOMPARE(editor.focusWidget()->objectName(), focus);
        QVERIFY(!editor.Picture7->isHidden());
        QCOMPARE(editor.Text2->text(), description);
        QCOMPARE(entryCount(), 4);
    }

    // What the vault file holds after an add, and what the main window then shows. The new
    // description begins with a stored one, which is no duplicate.
    void addStoresEncodedValues() {
        vault().addEntry(QStringLiteral("Garage Door"), QStringLiteral("HOME"));
        frmMain& main = openMainWindow();
        setComboText(main.Combo1, QStringLiteral("HOME"));
        frmEntry& editor = startAdding(
            QStringLiteral("HOME"), QStringLiteral("Garage Door opener"),
            {QStringLiteral("it's 1234"), QStringLiteral("x'); DROP TABLE PDF; --"), {}, QStringLiteral(" ")},
            QStringLiteral("first\nsecond"));
        const QPointer<frmEntry> window(&editor);
        editor.Command21_Click();

        QCOMPARE(fake().titles(), QStringList{QStringLiteral("Success")});
        QCOMPARE(fake().messages.first().prompt, QStringLiteral("Entry successfully saved."));
        QCOMPARE(fake().messages.first().icon, MsgIcon::Information);
        QVERIFY(closed(window));
        const QVariant key = vault().value(QStringLiteral("SELECT MAX(pNum) FROM PDF"));
        const QString euro(ApostropheSubstitute);
        QCOMPARE(vault().decodedEntry(key.toLongLong()),
                 (QStringList{QStringLiteral("Garage Door opener"), "it" + euro + "s 1234",
                              "x" + euro + "); DROP TABLE PDF; --", QString(), QStringLiteral(" "),
                              QStringLiteral("first\r\nsecond"), QStringLiteral("HOME"),
                              QStringLiteral("03/15/2013 02:05:09 pm")}));
        // Stored values are the codec's digits and fillers, never the text itself.
        QVERIFY(!vault()
                     .value(QStringLiteral("SELECT PDF3 FROM PDF WHERE pNum = %1").arg(key.toLongLong()))
                     .toString()
                     .contains(QLatin1String("DROP")));
        QCOMPARE(main.Combo1->currentText(), QStringLiteral("HOME"));
        QCOMPARE(listRows(main.List1),
                 (QStringList{QStringLiteral("GARAGE DOOR"), QStringLiteral("GARAGE DOOR OPENER")}));
        QCOMPARE(listText(main.List1), QStringLiteral("GARAGE DOOR OPENER"));
        QCOMPARE(main.Picture5->Text1->text(), QStringLiteral("it's 1234"));
        QCOMPARE(main.Picture5->Text2->text(), QStringLiteral("x'); DROP TABLE PDF; --"));
    }

    // Editing keeps the key; the duplicate check runs only when the description really changes.
    void editing_data() {
        QTest::addColumn<QString>("description");
        QTest::addColumn<bool>("checkRuns");
        QTest::addColumn<QString>("title");
        QTest::newRow("unchanged apart from case and spaces") << " garage door  " << false << "Success";
        QTest::newRow("renamed to a free description") << "Garage" << true << "Success";
        QTest::newRow("renamed to another entry's") << "SHED" << true << "Duplicate Identity";
    }
    void editing() {
        QFETCH(QString, description);
        QFETCH(bool, checkRuns);
        QFETCH(QString, title);
        const qint64 key =
            vault().addEntry(QStringLiteral("Garage Door"), QStringLiteral("HOME"), {QStringLiteral("1")});
        vault().addEntry(QStringLiteral("Shed"), QStringLiteral("HOME"));
        frmMain& main = openMainWindow();
        selectEntry(main, QStringLiteral("GARAGE DOOR"));
        // A duplicate check that ran here would fail and refuse the save.
        if (!checkRuns) failOperation(216);
        main.Command11_Click();
        frmEntry& editor = form<frmEntry>();
        editor.Text2->setText(description);
        editor.Text1->setText(QStringLiteral("2"));
        setComboText(editor.Combo1, QStringLiteral("CREDIT CARD"));
        editor.Command21_Click();
        QCOMPARE(fake().titles().value(0), title);
        if (title == QLatin1String("Success")) {
            QCOMPARE(fake().messages.first().prompt, QStringLiteral("Entry updated saved."));
            QCOMPARE(vault().decodedEntry(key).mid(0, 2), (QStringList{description, QStringLiteral("2")}));
            QCOMPARE(vault().decodedEntry(key).value(6), QStringLiteral("CREDIT CARD"));
            QCOMPARE(listText(main.List1), description.toUpper().trimmed());
            QCOMPARE(main.Picture5->Label10->text(), QStringLiteral("CREDIT CARD"));
        } else {
            QCOMPARE(vault().decodedEntry(key).mid(0, 2),
                     (QStringList{QStringLiteral("Garage Door"), QStringLiteral("1")}));
        }
    }

    // A failed insert keeps the editor open with its panel hidden; saving again repeats it.
    void failedInsertRepeats() {
        openMainWindow();
        frmEntry& editor =
            startAdding(QStringLiteral("HOME"), QStringLiteral("Joe's gate"), {QStringLiteral("42")});
        failOperation(212);
        editor.Command21_Click();
        QCOMPARE(fake().titles(), QStringList{QStringLiteral("E212 : Update Failed")});
        QCOMPARE(fake().messages.first().prompt, "Could not update database.\n" + InjectedFailure);
        QVERIFY(isLoaded<frmEntry>() && &form<frmEntry>() == &editor);
        QVERIFY(editor.Picture7->isHidden());
        QCOMPARE(entryCount(), 0);

        setFaultHook({});
        editor.Command21_Click();
        QCOMPARE(fake().lastTitle(), QStringLiteral("Success"));
        QCOMPARE(entryCount(), 1);
        const qint64 key = vault().value(QStringLiteral("SELECT pNum FROM PDF")).toLongLong();
        QCOMPARE(vault().decodedEntry(key).mid(0, 2),
                 (QStringList{QStringLiteral("Joe") + ApostropheSubstitute + QStringLiteral("s gate"),
                              QStringLiteral("42")}));
    }

    // An update whose sixth statement fails on every attempt leaves the stored row untouched.
    void failedUpdateLeavesRowAsItWas() {
        const qint64 key =
            vault().addEntry(QStringLiteral("Garage Door"), QStringLiteral("HOME"),
                             {QStringLiteral("1"), QStringLiteral("2")}, QStringLiteral("notes"));
        const auto before = vault().rows(QStringLiteral("SELECT * FROM PDF"));
        frmMain& main = openMainWindow();
        main.Command11_Click();
        frmEntry& editor = form<frmEntry>();
        editor.Text2->setText(QStringLiteral("Barn Door"));
        editor.Text1->setText(QStringLiteral("changed"));
        editor.Text6->setPlainText(QStringLiteral("changed notes"));
        failOperation(223, 6);
        editor.Command21_Click();
        QCOMPARE(fake().titles(), QStringList{QStringLiteral("E223 : Update Failed")});
        QCOMPARE(fake().messages.first().prompt, "Could not update database.\n" + InjectedFailure);
        QCOMPARE(vault().rows(QStringLiteral("SELECT * FROM PDF")), before);
        QCOMPARE(vault().decodedEntry(key).value(0), QStringLiteral("Garage Door"));
        QVERIFY(isLoaded<frmEntry>() && editor.Picture7->isHidden());
    }

    // The duplicate check that cannot read the vault answers "taken": the save writes nothing.
    void failedDuplicateCheckRefuses() {
        openMainWindow();
        frmEntry& editor = startAdding(QStringLiteral("HOME"), QStringLiteral("Anything"));
        failOperation(216);
        editor.Command21_Click();
        QCOMPARE(fake().titles(), (QStringList{QStringLiteral("E216 : Retrieval Error"),
                                               QStringLiteral("Duplicate Identity")}));
        QCOMPARE(fake().messages.first().prompt,
                 "Could not retrieve data from database.\n" + InjectedFailure);
        QCOMPARE(entryCount(), 0);
    }

    // What no value may hold (a zero character, half of a surrogate pair) is refused, naming the
    // field and the character's number; the box keeps what was typed.
    void unstorableCharacters_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("prompt");
        const QString tail =
            QStringLiteral(", which the vault cannot keep.\nPlease remove it; nothing has been saved.");
        QTest::newRow("zero in field 1") << "Text1" << QString("12") + QChar(0) + "34"
                                         << "The Card Number field holds the character U+0000" + tail;
        QTest::newRow("half a pair in the description") << "Text2" << QString("Card ") + QChar(0xD83D)
                                                        << "The Card field holds the character U+D83D" + tail;
        QTest::newRow("zero in the notes")
            << "Text6" << QString(QChar(0)) << "The Notes field holds the character U+0000" + tail;
    }
    void unstorableCharacters() {
        QFETCH(QString, box);
        QFETCH(QString, value);
        QFETCH(QString, prompt);
        openMainWindow();
        frmEntry& editor = startAdding(QStringLiteral("CREDIT CARD"), QStringLiteral("Visa"));
        QWidget* target = editor.findChild<QWidget*>(box);
        const auto shown = [target] {
            auto* line = qobject_cast<QLineEdit*>(target);
            return line ? line->text() : static_cast<QPlainTextEdit*>(target)->toPlainText();
        };
        if (auto* line = qobject_cast<QLineEdit*>(target))
            line->setText(value);
        else
            static_cast<QPlainTextEdit*>(target)->setPlainText(value);
        editor.Command21_Click();
        QCOMPARE(fake().titles(), QStringList{QStringLiteral("Unsupported Character")});
        QCOMPARE(fake().messages.first().prompt, prompt);
        QCOMPARE(editor.focusWidget(), target);
        QCOMPARE(shown(), value);
        QVERIFY(!editor.Picture7->isHidden());
        QCOMPARE(entryCount(), 0);
    }

    // Every script at the editor's limits goes through the real windows: pasted into the editor
    // whole, one more character refused, saved, listed and shown by the main window, and back in
    // the editor as it was typed.
    void everyScriptThroughTheWindows_data() {
        QTest::addColumn<QString>("sample");
        QTest::newRow("latin") << u"Grüße aus Zürich "_qs;
        QTest::newRow("greek") << u"Ζυρίχη – Ελλάδα "_qs;
        QTest::newRow("cyrillic") << u"Почта Москва "_qs;
        QTest::newRow("cjk") << u"東京の銀行"_qs;
        QTest::newRow("arabic, right to left") << u"كلمة المرور "_qs;
        QTest::newRow("emoji with skin tones") << u"👍🏽👩🏿‍💻🔑"_qs;
        QTest::newRow("euro and apostrophes") << u"Ann's 5 € "_qs;
    }
    void everyScriptThroughTheWindows() {
        QFETCH(QString, sample);
        const auto atLimit = [&sample](int characters) {
            QString text;
            while (text::characterCount(text) < characters)
                text += sample;
            while (text::characterCount(text) > characters)
                text.chop(text.back().isLowSurrogate() ? 2 : 1);
            return text;
        };
        const QString description = atLimit(frmEntry::FieldLimit),
                      notes = atLimit(frmEntry::NotesLimit - 1) + "\n";
        frmMain& main = openMainWindow();
        frmEntry& editor = startAdding(QStringLiteral("WEB SITE"), {});
        for (QLineEdit* box : {editor.Text2, editor.Text1}) {
            box->insert(description);
            box->insert(QStringLiteral("x"));
            QCOMPARE(box->text(), description);
        }
        editor.Text6->setPlainText(notes);
        editor.Text6->moveCursor(QTextCursor::End);
        QTest::keyClick(editor.Text6, Qt::Key_X);
        QCOMPARE(editor.Text6->toPlainText(), notes);
        editor.Command21_Click();
        QCOMPARE(fake().titles(), QStringList{QStringLiteral("Success")});

        QCOMPARE(listText(main.List1), text::upper(description).trimmed());
        QCOMPARE(main.Picture5->Text1->text(), description.trimmed());
        main.Command11_Click();
        frmEntry& editing = form<frmEntry>();
        QCOMPARE(editing.Text2->text(), description);
        QCOMPARE(editing.Text1->text(), description);
        QCOMPARE(editing.Text6->toPlainText(), notes);
    }

    // A paste longer than a box takes is refused whole, quickly, naming the box and its limit;
    // so is one holding a character the vault cannot keep. The box keeps what it had.
    void pastes_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("prompt"); // empty: pasted
        QTest::newRow("1 MiB into the notes") << "Text6" << QString(1 << 20, QLatin1Char('n'))
                                              << "The Notes field takes at most 1,500 characters; with the "
                                                 "pasted text it would hold 1,048,580.\n"
                                                 "Nothing has been pasted.";
        QTest::newRow("one too many into the password")
            << "Text4" << QString(997, QLatin1Char('p'))
            << "The Password field takes at most 1,000 characters; with the pasted text it would hold "
               "1,001.\n"
               "Nothing has been pasted.";
        QTest::newRow("a zero byte into the user name")
            << "Text3" << QStringLiteral("a") + QChar(0) + QStringLiteral("b")
            << "The User Name field holds the character U+0000, which the vault cannot keep.\n"
               "Please remove it; nothing has been saved.";
        QTest::newRow("just fits") << "Text4" << QString(996, QLatin1Char('p')) << "";
    }
    void pastes() {
        QFETCH(QString, box);
        QFETCH(QString, pasted);
        QFETCH(QString, prompt);
        openMainWindow();
        frmEntry& editor = startAdding(QStringLiteral("WEB SITE"), QStringLiteral("Site"), {}, {});
        QWidget* target = editor.findChild<QWidget*>(box);
        auto* line = qobject_cast<QLineEdit*>(target);
        const auto shown = [&] {
            return line ? line->text() : static_cast<QPlainTextEdit*>(target)->toPlainText();
        };
        if (line)
            line->setText(QStringLiteral("kept"));
        else
            static_cast<QPlainTextEdit*>(target)->setPlainText(QStringLiteral("kept"));
        fake().clipboard = pasted;
        QGuiApplication::clipboard()->setText(pasted);
        target->setFocus();
        QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
        if (prompt.isEmpty()) {
            QCOMPARE(shown(), QStringLiteral("kept") + pasted);
            QVERIFY(fake().messages.isEmpty());
            return;
        }
        QCOMPARE(shown(), QStringLiteral("kept"));
        QCOMPARE(fake().messages.size(), 1);
        QCOMPARE(fake().messages[0].prompt, prompt);
    }

    // Letters typed in the category box choose as they come and keep the focus there until the
    // choice is made; Enter makes it.
    void typingACategory() {
        openMainWindow();
        frmEntry& editor = startAdding({}, {});
        editor.show();
        editor.Combo1->setFocus();
        QTest::keyClicks(editor.Combo1, QStringLiteral("WI"));
        QCOMPARE(editor.Combo1->currentText(), QStringLiteral("WI-FI NETWORK"));
        QCOMPARE(editor.Label4->text(), QStringLiteral("Network Name:"));
        QCOMPARE(editor.focusWidget(), editor.Combo1);
        QCOMPARE(editor.Text2->text(), QString());
        QTest::keyClick(editor.Combo1, Qt::Key_Return);
        QCOMPARE(editor.focusWidget(), editor.Text2);
    }

    // Choosing a category: its titles (apostrophes restored) and its image; E200 when unreadable.
    void categoryChoice() {
        vault().exec(QStringLiteral("UPDATE CatDef SET pwUDF2 = ? WHERE pwCat = 'HOME'"),
                     {QStringLiteral("Owner") + ApostropheSubstitute + QStringLiteral("s Name ")});
        openMainWindow();
        frmEntry& editor = startAdding(QStringLiteral("HOME"), {});
        QCOMPARE(editor.Picture8->picture(), QStringLiteral("cat_home"));
        QCOMPARE(editor.Label2->text(), QStringLiteral("Owner's Name:"));
        QCOMPARE(editor.Text3->toolTip(), QStringLiteral("Owner's Name:"));
        QCOMPARE(editor.focusWidget(), editor.Text2);

        setComboText(editor.Combo1, QStringLiteral("EMAIL"));
        QCOMPARE(editor.Picture8->picture(), QStringLiteral("cat_default"));
        QCOMPARE(editor.Label1->text(), QStringLiteral("Account:"));

        failOperation(200);
        setComboText(editor.Combo1, QStringLiteral("WEB SITE"));
        QCOMPARE(fake().titles(), QStringList{QStringLiteral("E200 : Retrieval Error")});
        QCOMPARE(editor.Label1->text(), QStringLiteral("Account:"));
        QCOMPARE(editor.Picture8->picture(), QStringLiteral("cat_website"));
    }

    // Enter walks down the boxes; the notes take it as a line break; the limits hold for typing.
    void keyboard() {
        openMainWindow();
        frmEntry& editor = startAdding(QStringLiteral("HOME"), {});
        QWidget* order[] = {editor.Text2, editor.Text1, editor.Text3,
                            editor.Text4, editor.Text5, editor.Text6};
        for (int i = 0; i < 5; ++i) {
            order[i]->setFocus();
            QTest::keyClick(order[i], Qt::Key_Return);
            QCOMPARE(editor.focusWidget(), order[i + 1]);
        }
        QCOMPARE(editor.Text2->text(), QString());
        editor.Text6->setPlainText(QString(1498, QLatin1Char('n')));
        editor.Text6->moveCursor(QTextCursor::End);
        QTest::keyClick(editor.Text6, Qt::Key_Return);
        QTest::keyClicks(editor.Text6, QStringLiteral("xyz"));
        QCOMPARE(editor.Text6->toPlainText(), QString(1498, QLatin1Char('n')) + QStringLiteral("\nx"));
        editor.Text1->setText(QString(999, QLatin1Char('a')));
        QTest::keyClicks(editor.Text1, QStringLiteral("bc"));
        QCOMPARE(editor.Text1->text().size(), 1000);

        // Esc asks before dropping what was typed, then closes without writing.
        editor.Text2->setText(QStringLiteral("Typed"));
        const QPointer<frmEntry> window(&editor);
        fake().answers = {MsgAnswer::Yes};
        QTest::keyClick(&editor, Qt::Key_Escape);
        QVERIFY(closed(window));
        QCOMPARE(entryCount(), 0);
        QCOMPARE(fake().titles(), QStringList{QStringLiteral("Discard Changes?")});
    }
};

QUORLANE_TEST(EntryEditorTest);
#include "tst_entryeditor.moc"
