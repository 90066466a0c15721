// The category editor on the real window: opening from the entry editor, view and edit modes,
// saving titles, deleting categories and the refills that keep the other boxes' selections.
#include "categories/maincommands.h"
#include "categoryfixture.h"
#include "store/codec.h"
#include "store/vault.h"
#include "testmain.h"
#include "waits.h"

#include <QTest>

using namespace catfix;

// Stands for a title stored in the codec's UTF-8 form, whose fillers differ at every write.
static const QString EncodedTitle = QStringLiteral("<UTF-8 form>");

class EditorTest final : public VaultTestCase {
    Q_OBJECT
private slots:
    void opensOnTheEntrysCategory();
    void deleteCommand_data();
    void deleteCommand();
    void deletingRefillsTheBoxesKeepingTheirChoice_data();
    void deletingRefillsTheBoxesKeepingTheirChoice();
    void save_data();
    void save();
    void cancelAndEscRestoreTheStoredTitles();
    void enterMovesThroughTheFieldsInFieldOrder();
};

void EditorTest::opensOnTheEntrysCategory() {
    form<frmMain>().Picture2->setPicture(QStringLiteral("cat_home"));
    frmEditor& editor = openEditor(QStringLiteral("WEB SITE"));
    QCOMPARE(fake().modals, QStringList{"frmEditor"});
    QCOMPARE(itemsOf(editor.List1), (QStringList{"BANK ACCOUNT", "CREDIT CARD", "EMAIL", "HOME",
                                                 "SOFTWARE LICENSE", "WEB SITE", "WI-FI NETWORK"}));
    QCOMPARE(listText(editor.List1), QStringLiteral("WEB SITE"));
    QCOMPARE(titlesShown(editor),
             (QStringList{"Site", "Web Address", "User Name", "Password", "E-mail", "Notes"}));
    QCOMPARE(editor.Picture2->picture(), QStringLiteral("cat_home"));
    QVERIFY(editor.Text2->isReadOnly() && editor.Command21->isHidden() && !editor.Command8->isHidden());
    QVERIFY(CategoryEditorShowing());
    unload<frmEditor>();
    // No category chosen in the entry editor: the first row.
    form<frmEntry>().Combo1->setCurrentIndex(-1);
    form<frmEntry>().Command6_Click();
    QCOMPARE(listText(form<frmEditor>().List1), QStringLiteral("BANK ACCOUNT"));
}

void EditorTest::deleteCommand_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("entryCategory"); // stored category of the one entry
    QTest::addColumn<bool>("deleteKey");
    QTest::addColumn<QList<MsgAnswer>>("answers");
    QTest::addColumn<QStringList>("titles");
    QTest::addColumn<bool>("deleted");
    QTest::addColumn<int>("failingStatement"); // on every attempt; 0: none
    const QList<MsgAnswer> yes{MsgAnswer::Yes};
    QTest::newRow("preset") << "CREDIT CARD"
                            << "HOME" << false << yes << QStringList{"Preset Category"} << false << 0;
    QTest::newRow("preset, Delete key")
        << "HOME"
        << "EMAIL" << true << yes << QStringList{"Preset Category"} << false << 0;
    QTest::newRow("used, same name") << "EMAIL"
                                     << "EMAIL" << false << yes
                                     << QStringList{"Confirmation", "Entries Found"} << false << 0;
    QTest::newRow("used, other case and blanks")
        << "EMAIL"
        << "  Email " << true << yes << QStringList{"Confirmation", "Entries Found"} << false << 0;
    QTest::newRow("unused, answered No")
        << "EMAIL"
        << "HOME" << false << QList<MsgAnswer>{MsgAnswer::No} << QStringList{"Confirmation"} << false << 0;
    QTest::newRow("unused") << "EMAIL"
                            << "HOME" << true << yes << QStringList{"Confirmation", "Success"} << true << 0;
    QTest::newRow("unused, second delete fails: both rows stay")
        << "EMAIL"
        << "HOME" << false << yes << QStringList{"Confirmation", "E226 : Update Failed"} << false << 3;
}

void EditorTest::deleteCommand() {
    QFETCH(QString, name);
    QFETCH(QString, entryCategory);
    QFETCH(bool, deleteKey);
    QFETCH(QList<MsgAnswer>, answers);
    QFETCH(QStringList, titles);
    QFETCH(bool, deleted);
    QFETCH(int, failingStatement);
    vault().addEntry(QStringLiteral("Mailbox"), entryCategory);
    frmEditor& editor = openEditor(name);
    fake().answers = answers;
    setFaultHook([failingStatement](int code, int, int statement) {
        return code == 226 && statement == failingStatement;
    });
    if (deleteKey)
        QTest::keyClick(editor.List1, Qt::Key_Delete);
    else
        QTest::mouseClick(editor.Command8, Qt::LeftButton);

    QCOMPARE(fake().titles(), titles);
    const QHash<QString, QString> prompts{
        {"Preset Category", "You cannot delete this category."},
        {"Confirmation", "Are you sure you want to delete the " + name + " category?"},
        {"Entries Found",
         "There are entries currently assigned to this category. You must reassign those entries to "
         "a different category before this category may be deleted."},
        {"Success", "Category successfully deleted."},
        {"E226 : Update Failed", "Could not update database.\n(Quorlane: -1: Injected failure)"}};
    for (const MessageRecord& m : fake().messages)
        QCOMPARE(m.prompt, prompts[m.title]);
    if (titles.contains("Confirmation"))
        QVERIFY(fake().messages[0].buttons == MsgButtons::YesNo &&
                fake().messages[0].defaultButton == MsgAnswer::No);
    QCOMPARE(storedCategories(vault()).contains(name), !deleted);
    QCOMPARE(storedDefinition(vault(), name).isEmpty(), deleted);
    QCOMPARE(itemsOf(editor.List1).contains(name), !deleted);
}

void EditorTest::deletingRefillsTheBoxesKeepingTheirChoice_data() {
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("entryCategory");
    QTest::addColumn<QString>("filterAfter");
    QTest::addColumn<QString>("entryCategoryAfter");
    QTest::newRow("others chosen") << "HOME"
                                   << "WEB SITE"
                                   << "HOME"
                                   << "WEB SITE";
    QTest::newRow("the deleted one chosen") << "EMAIL"
                                            << "EMAIL"
                                            << "ALL CATEGORIES"
                                            << "";
}

void EditorTest::deletingRefillsTheBoxesKeepingTheirChoice() {
    QFETCH(QString, filter);
    QFETCH(QString, entryCategory);
    QFETCH(QString, filterAfter);
    QFETCH(QString, entryCategoryAfter);
    frmEditor& editor = openEditor(entryCategory);
    setComboText(form<frmMain>().Combo1, filter);
    setListIndex(editor.List1, int(itemsOf(editor.List1).indexOf("EMAIL")));
    fake().answers = {MsgAnswer::Yes};
    editor.Command8_Click();
    const QStringList remaining{"BANK ACCOUNT",     "CREDIT CARD", "HOME",
                                "SOFTWARE LICENSE", "WEB SITE",    "WI-FI NETWORK"};
    QCOMPARE(itemsOf(editor.List1), remaining);
    QCOMPARE(editor.List1->currentRow(), -1);
    QCOMPARE(itemsOf(form<frmMain>().Combo1), QStringList{"ALL CATEGORIES"} + remaining);
    QCOMPARE(form<frmMain>().Combo1->currentText(), filterAfter);
    QCOMPARE(itemsOf(form<frmEntry>().Combo1), remaining);
    QCOMPARE(form<frmEntry>().Combo1->currentText(), entryCategoryAfter);
}

void EditorTest::save_data() {
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<int>("failedAttempts"); // of the fourth update
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("prompt"); // its beginning
    QTest::addColumn<QStringList>("stored");
    const QStringList delivered{"Item", "Code", "Location", "Contact", "Phone", "Notes"};
    const QString unstorable =
        QStringLiteral("The title of Field (%1) holds the character %2, which the vault "
                       "cannot keep.\nPlease remove it; nothing has been saved.");
    QTest::newRow("apostrophes as code 128")
        << QStringList{"Owner's PIN", "'Code'", "", "", "", "Notes"} << 0 << "Success"
        << "Category values successfully updated."
        << QStringList{"Owner\u20ACs PIN", "\u20ACCode\u20AC", "", "", "", "Notes"};
    QTest::newRow("retried after a failed update: all six saved")
        << QStringList{" Item ", "B", "C", "D", "E", "F"} << 1 << "Success"
        << "Category values successfully updated." << QStringList{" Item ", "B", "C", "D", "E", "F"};
    QTest::newRow("every attempt fails: none saved")
        << QStringList{"Item", "B", "C", "D", "E", "F"} << 5 << "E224 : Update Failed"
        << "Could not update database." << delivered;
    QTest::newRow("field 1 blank") << QStringList{"   ", "B", "C", "D", "E", "F"} << 0 << "Missing Field"
                                   << "Some data must be entered into Field (1) before saving." << delivered;
    QTest::newRow("greek and arrows stored as typed")
        << QStringList{u"Κωδικός"_qs, "B", "C", "D", "E", u"→ Notes"_qs} << 0 << "Success"
        << "Category values successfully updated."
        << QStringList{u"Κωδικός"_qs, "B", "C", "D", "E", u"→ Notes"_qs};
    QTest::newRow("a euro sign: that title in the codec's UTF-8 form, read back as typed")
        << QStringList{"Item", "B", u"Owner's € limit"_qs, "D", "E", "F"} << 0 << "Success"
        << "Category values successfully updated." << QStringList{"Item", "B", EncodedTitle, "D", "E", "F"};
    QTest::newRow("half of a surrogate pair")
        << QStringList{"Item", "B", "C", "D", "E", QString(QChar(0xD800))} << 0 << "Unsupported Character"
        << unstorable.arg(6).arg("U+D800") << delivered;
}

void EditorTest::save() {
    QFETCH(QStringList, typed);
    QFETCH(int, failedAttempts);
    QFETCH(QString, title);
    QFETCH(QString, prompt);
    QFETCH(QStringList, stored);
    frmEditor& editor = openEditor(QStringLiteral("HOME"));
    QTest::mouseClick(editor.Command11, Qt::LeftButton);
    QVERIFY(!editor.List1->isEnabled() && !editor.Text2->isReadOnly() && !editor.Command21->isHidden());
    for (int i = 0; i < 6; ++i)
        editor.titleBoxes()[i]->setText(typed[i]);
    setFaultHook([failedAttempts](int code, int attempt, int statement) {
        return code == 224 && attempt <= failedAttempts && statement == 4;
    });
    QTest::mouseClick(editor.Command21, Qt::LeftButton);

    QCOMPARE(fake().titles(), QStringList{title});
    QVERIFY2(fake().messages[0].prompt.startsWith(prompt), qPrintable(fake().messages[0].prompt));
    QStringList storedNow = storedDefinition(vault(), "HOME");
    for (int i = 0; i < stored.size(); ++i)
        if (stored[i] == EncodedTitle && DecodeValue(storedNow.value(i)) == typed[i])
            storedNow[i] = EncodedTitle;
    QCOMPARE(storedNow, stored + QStringList{"2"});
    // Saved: view mode with the titles shown as typed; refused or failed: still editing what was typed.
    const bool saved = title == QLatin1String("Success");
    QCOMPARE(titlesShown(editor), typed);
    QCOMPARE(editor.Command21->isHidden(), saved);
    QCOMPARE(editor.List1->isEnabled(), saved);
    QCOMPARE(listText(editor.List1), QStringLiteral("HOME"));
}

void EditorTest::cancelAndEscRestoreTheStoredTitles() {
    frmEditor& editor = openEditor(QStringLiteral("HOME"));
    const QStringList shown = titlesShown(editor);
    for (int round = 0; round < 2; ++round) {
        QTest::mouseClick(editor.Command11, Qt::LeftButton);
        QVERIFY(editor.mode == frmEditor::Mode::EditingTitles);
        for (QLineEdit* box : editor.titleBoxes())
            box->setText(QStringLiteral("typed"));
        if (round == 0) {
            QTest::mouseClick(editor.Command1, Qt::LeftButton);
        } else {
            fake().answers = {MsgAnswer::Yes}; // discard the typed titles
            QTest::keyClick(&editor, Qt::Key_Escape);
        }
        QCOMPARE(titlesShown(editor), shown);
        QVERIFY(editor.Command1->isHidden() && !editor.Command11->isHidden() && editor.List1->isEnabled());
    }
    QCOMPARE(storedDefinition(vault(), "HOME").mid(0, 6), shown);
    QTest::keyClick(&editor, Qt::Key_Escape);
    QVERIFY(!isLoaded<frmEditor>());
    QCOMPARE(fake().titles(), QStringList{QStringLiteral("Discard Changes?")});
}

void EditorTest::enterMovesThroughTheFieldsInFieldOrder() {
    frmEditor& editor = openEditor(QStringLiteral("HOME"));
    QVERIFY(showActive(editor));
    QTest::mouseClick(editor.Command11, Qt::LeftButton);
    const QList<QLineEdit*> boxes = editor.titleBoxes();
    boxes[0]->setFocus();
    QStringList visited;
    for (int i = 0; i < 5; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, (QStringList{"Text1", "Text3", "Text4", "Text5", "Text6"}));
    QVERIFY(fake().messages.isEmpty());
}

QUORLANE_TEST(EditorTest);
#include "tst_editor.moc"
