// The category editor on the real window: opening from the entry editor, view and edit modes,
// saving titles, deleting categories and the refills that keep the other boxes' selections.
#include "categoryfixture.h"
#include "store/vault.h"
#include "testmain.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace catfix;

class EditorTest final : public VaultTestCase {
    Q_OBJECT
private slots:
    void opensOnTheEntrysCategory_data();
    void opensOnTheEntrysCategory();
    void presetCategoriesAreRefusedBeforeAnyQuestion_data();
    void presetCategoriesAreRefusedBeforeAnyQuestion();
    void categoryInUseIsNotDeleted_data();
    void categoryInUseIsNotDeleted();
    void deletingAnUnusedCategoryRefreshesEveryList_data();
    void deletingAnUnusedCategoryRefreshesEveryList();
    void answeringNoKeepsTheCategory();
    void savedTitlesAreStoredAndShown_data();
    void savedTitlesAreStoredAndShown();
    void refusedTitlesWriteNothing_data();
    void refusedTitlesWriteNothing();
    void cancelRestoresTheStoredTitles();
    void editAndDeleteNeedASelection();
    void enterMovesThroughTheFieldsInFieldOrder();
    void failedSaveLeavesNoTitleHalfSaved_data();
    void failedSaveLeavesNoTitleHalfSaved();
    void failedDeleteKeepsBothRows();
    void failedReadsAreReported_data();
    void failedReadsAreReported();
};

void EditorTest::opensOnTheEntrysCategory_data() {
    QTest::addColumn<QString>("entryCategory");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<QStringList>("titles");
    QTest::newRow("entry in WEB SITE")
        << "WEB SITE"
        << "WEB SITE" << QStringList{"Site", "Web Address", "User Name", "Password", "E-mail", "Notes"};
    QTest::newRow("no category chosen: first row") << ""
                                                   << "BANK ACCOUNT" << QStringList{"Bank",
                                                                                    "Account Number",
                                                                                    "Sort Code / Routing",
                                                                                    "Online Banking User",
                                                                                    "Online Banking Password",
                                                                                    "Notes"};
}

void EditorTest::opensOnTheEntrysCategory() {
    QFETCH(QString, entryCategory);
    QFETCH(QString, selected);
    QFETCH(QStringList, titles);
    form<frmMain>().Picture2->setPicture(QStringLiteral("cat_home"));
    frmEditor& editor = openEditor(entryCategory);

    QCOMPARE(fake().modals, QStringList{"frmEditor"});
    QCOMPARE(editor.windowTitle(), QStringLiteral("Category Editor"));
    QCOMPARE(itemsOf(editor.List1), (QStringList{"BANK ACCOUNT", "CREDIT CARD", "EMAIL", "HOME",
                                                 "SOFTWARE LICENSE", "WEB SITE", "WI-FI NETWORK"}));
    QCOMPARE(listText(editor.List1), selected);
    QCOMPARE(titlesShown(editor), titles);
    QCOMPARE(editor.Picture2->picture(), QStringLiteral("cat_home"));
    // View mode: the boxes locked, the four commands shown, save and cancel hidden.
    for (QLineEdit* box : editor.titleBoxes())
        QVERIFY(box->isReadOnly());
    for (QPushButton* b : {editor.Command10, editor.Command11, editor.Command8, editor.Command2})
        QVERIFY(!b->isHidden());
    for (QPushButton* b : {editor.Command21, editor.Command1})
        QVERIFY(b->isHidden());
    QVERIFY(CategoryEditorShowing());
    QVERIFY(editor.Label8->isHidden());
    QCOMPARE(editor.Label8->text(), QStringLiteral("Add/Edit Mode"));
}

void EditorTest::presetCategoriesAreRefusedBeforeAnyQuestion_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("byDeleteKey");
    QTest::newRow("CREDIT CARD") << "CREDIT CARD" << false;
    QTest::newRow("WEB SITE") << "WEB SITE" << false;
    QTest::newRow("HOME, Delete key") << "HOME" << true;
}

void EditorTest::presetCategoriesAreRefusedBeforeAnyQuestion() {
    QFETCH(QString, name);
    QFETCH(bool, byDeleteKey);
    frmEditor& editor = openEditor(name);
    const QStringList before = storedCategories(vault());
    if (byDeleteKey)
        QTest::keyClick(editor.List1, Qt::Key_Delete);
    else
        QTest::mouseClick(editor.Command8, Qt::LeftButton);
    QCOMPARE(fake().messages.size(), 1);
    QCOMPARE(fake().messages[0].title, QStringLiteral("Preset Category"));
    QCOMPARE(fake().messages[0].prompt, QStringLiteral("You cannot delete this category."));
    QCOMPARE(fake().messages[0].icon, MsgIcon::Error);
    QCOMPARE(storedCategories(vault()), before);
    QCOMPARE(storedDefinition(vault(), name).size(), 7);
}

void EditorTest::categoryInUseIsNotDeleted_data() {
    QTest::addColumn<QString>("storedCategory");
    QTest::newRow("same name") << "EMAIL";
    QTest::newRow("lower case") << "email";
    QTest::newRow("blanks around") << "  Email  ";
}

void EditorTest::categoryInUseIsNotDeleted() {
    QFETCH(QString, storedCategory);
    vault().addEntry(QStringLiteral("Home router"), QStringLiteral("HOME"));
    vault().addEntry(QStringLiteral("Mailbox"), storedCategory);
    frmEditor& editor = openEditor(QStringLiteral("EMAIL"));
    fake().answers = {MsgAnswer::Yes};
    QTest::keyClick(editor.List1, Qt::Key_Delete);
    QCOMPARE(fake().titles(), (QStringList{"Confirmation", "Entries Found"}));
    QCOMPARE(fake().messages[0].prompt,
             QStringLiteral("Are you sure you want to delete the EMAIL category?"));
    QCOMPARE(fake().messages[0].icon, MsgIcon::Warning);
    QCOMPARE(fake().messages[0].buttons, MsgButtons::YesNo);
    QCOMPARE(fake().messages[0].defaultButton, MsgAnswer::No);
    QCOMPARE(fake().messages[1].prompt,
             QStringLiteral(
                 "There are entries currently assigned to this category. You must reassign those entries "
                 "to a different category before this category may be deleted."));
    QCOMPARE(fake().messages[1].icon, MsgIcon::Error);
    QVERIFY(storedCategories(vault()).contains("EMAIL"));
    QCOMPARE(storedDefinition(vault(), "EMAIL").size(), 7);
    QVERIFY(itemsOf(editor.List1).contains("EMAIL"));
}

void EditorTest::deletingAnUnusedCategoryRefreshesEveryList_data() {
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("entryCategory");
    QTest::addColumn<QString>("filterAfter");
    QTest::addColumn<QString>("entryCategoryAfter");
    QTest::newRow("filter on another category") << "HOME"
                                                << "WEB SITE"
                                                << "HOME"
                                                << "WEB SITE";
    QTest::newRow("filter on all categories") << "ALL CATEGORIES"
                                              << ""
                                              << "ALL CATEGORIES"
                                              << "";
    QTest::newRow("filter and entry on the deleted one") << "EMAIL"
                                                         << "EMAIL"
                                                         << "ALL CATEGORIES"
                                                         << "";
}

void EditorTest::deletingAnUnusedCategoryRefreshesEveryList() {
    QFETCH(QString, filter);
    QFETCH(QString, entryCategory);
    QFETCH(QString, filterAfter);
    QFETCH(QString, entryCategoryAfter);
    vault().addEntry(QStringLiteral("Front door"), QStringLiteral("HOME"));
    frmEditor& editor = openEditor(entryCategory);
    setComboText(form<frmMain>().Combo1, filter);
    QVERIFY(selectCategory(editor, "EMAIL"));
    fake().answers = {MsgAnswer::Yes};
    QTest::mouseClick(editor.Command8, Qt::LeftButton);

    QCOMPARE(fake().titles(), (QStringList{"Confirmation", "Success"}));
    QCOMPARE(fake().messages[1].prompt, QStringLiteral("Category successfully deleted."));
    QCOMPARE(fake().messages[1].icon, MsgIcon::Information);
    QVERIFY(!storedCategories(vault()).contains("EMAIL"));
    QVERIFY(storedDefinition(vault(), "EMAIL").isEmpty());
    const QStringList remaining{"BANK ACCOUNT",     "CREDIT CARD", "HOME",
                                "SOFTWARE LICENSE", "WEB SITE",    "WI-FI NETWORK"};
    QCOMPARE(itemsOf(editor.List1), remaining);
    QCOMPARE(editor.List1->currentRow(), -1);
    QCOMPARE(itemsOf(form<frmMain>().Combo1), QStringList{"ALL CATEGORIES"} + remaining);
    QCOMPARE(form<frmMain>().Combo1->currentText(), filterAfter);
    QCOMPARE(itemsOf(form<frmEntry>().Combo1), remaining);
    QCOMPARE(form<frmEntry>().Combo1->currentText(), entryCategoryAfter);
}

void EditorTest::answeringNoKeepsTheCategory() {
    frmEditor& editor = openEditor(QStringLiteral("EMAIL"));
    fake().answers = {MsgAnswer::No};
    QTest::mouseClick(editor.Command8, Qt::LeftButton);
    QCOMPARE(fake().titles(), QStringList{"Confirmation"});
    QVERIFY(storedCategories(vault()).contains("EMAIL"));
    QVERIFY(itemsOf(editor.List1).contains("EMAIL"));
}

void EditorTest::savedTitlesAreStoredAndShown_data() {
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QStringList>("stored");
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("apostrophe becomes code 128")
        << QStringList{"Owner's PIN", "Card Number", "Expiry Date", "Security Code", "'PIN'", "Notes"}
        << QStringList{"Owner\u20ACs PIN", "Card Number",     "Expiry Date",
                       "Security Code",    "\u20ACPIN\u20AC", "Notes"}
        << QStringList{"Owner's PIN", "Card Number", "Expiry Date", "Security Code", "'PIN'", "Notes"};
    QTest::newRow("fields 2 to 6 may be empty, text kept as typed")
        << QStringList{" Card ", "", "", "", "", ""} << QStringList{" Card ", "", "", "", "", ""}
        << QStringList{" Card ", "", "", "", "", ""};
    QTest::newRow("accented titles") << QStringList{"Número", "Clé", "Straße", "Ærø", "Œuvre", "Ÿ"}
                                     << QStringList{"Número", "Clé", "Straße", "Ærø", "Œuvre", "Ÿ"}
                                     << QStringList{"Número", "Clé", "Straße", "Ærø", "Œuvre", "Ÿ"};
}

void EditorTest::savedTitlesAreStoredAndShown() {
    QFETCH(QStringList, typed);
    QFETCH(QStringList, stored);
    QFETCH(QStringList, shown);
    frmEditor& editor = openEditor(QStringLiteral("CREDIT CARD"));
    QTest::mouseClick(editor.Command11, Qt::LeftButton);
    QCOMPARE(editor.Label8->text(), QStringLiteral("0"));
    QVERIFY(!editor.List1->isEnabled());
    QVERIFY(!editor.Command21->isHidden());
    for (int i = 0; i < 6; ++i) {
        QVERIFY(!editor.titleBoxes()[i]->isReadOnly());
        editor.titleBoxes()[i]->setText(typed[i]);
    }
    QTest::mouseClick(editor.Command21, Qt::LeftButton);

    QCOMPARE(fake().titles(), QStringList{"Success"});
    QCOMPARE(fake().messages[0].prompt, QStringLiteral("Category values successfully updated."));
    QCOMPARE(storedDefinition(vault(), "CREDIT CARD"), stored + QStringList{"0"});
    QCOMPARE(titlesShown(editor), shown);
    QCOMPARE(listText(editor.List1), QStringLiteral("CREDIT CARD"));
    QVERIFY(editor.List1->isEnabled());
    QVERIFY(editor.Command21->isHidden());
    QVERIFY(!editor.Command2->isHidden());
    QVERIFY(editor.Text2->isReadOnly());
    // Read back by a fresh window, the titles come out as typed.
    unload<frmEditor>();
    QCOMPARE(titlesShown(openEditor(QStringLiteral("CREDIT CARD"))), shown);
}

void EditorTest::refusedTitlesWriteNothing_data() {
    QTest::addColumn<int>("box");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("prompt");
    QTest::newRow("field 1 blank") << 0 << "   "
                                   << "Missing Field"
                                   << "Some data must be entered into Field (1) before saving.";
    QTest::newRow("euro sign in field 3")
        << 2 << "Cost in \u20AC"
        << "Unsupported Character"
        << "The title of Field (3) holds the character \"\u20AC\", which the vault "
           "cannot store as typed.\nPlease remove or replace it; nothing has been saved.";
    QTest::newRow("outside the code page in field 6")
        << 5 << "Notes \u2192"
        << "Unsupported Character"
        << "The title of Field (6) holds the character \"\u2192\", which the vault cannot store as typed.\n"
           "Please remove or replace it; nothing has been saved.";
}

void EditorTest::refusedTitlesWriteNothing() {
    QFETCH(int, box);
    QFETCH(QString, text);
    QFETCH(QString, title);
    QFETCH(QString, prompt);
    frmEditor& editor = openEditor(QStringLiteral("HOME"));
    const QStringList before = storedDefinition(vault(), "HOME");
    QTest::mouseClick(editor.Command11, Qt::LeftButton);
    editor.Text1->setText(QStringLiteral("Changed"));
    editor.titleBoxes()[box]->setText(text);
    QTest::mouseClick(editor.Command21, Qt::LeftButton);
    QCOMPARE(fake().titles(), QStringList{title});
    QCOMPARE(fake().messages[0].prompt, prompt);
    QCOMPARE(fake().messages[0].icon, MsgIcon::Error);
    QCOMPARE(storedDefinition(vault(), "HOME"), before);
    // Still editing, with what was typed.
    QVERIFY(!editor.Command21->isHidden());
    QCOMPARE(editor.titleBoxes()[box]->text(), text);
    QCOMPARE(editor.Text1->text(), QStringLiteral("Changed"));
}

void EditorTest::cancelRestoresTheStoredTitles() {
    frmEditor& editor = openEditor(QStringLiteral("HOME"));
    const QStringList shown = titlesShown(editor);
    QTest::mouseClick(editor.Command11, Qt::LeftButton);
    for (QLineEdit* box : editor.titleBoxes())
        box->setText(QStringLiteral("typed"));
    QTest::mouseClick(editor.Command1, Qt::LeftButton);
    QCOMPARE(titlesShown(editor), shown);
    QCOMPARE(storedDefinition(vault(), "HOME").mid(0, 6), shown);
    QVERIFY(editor.Command1->isHidden());
    QVERIFY(!editor.Command11->isHidden());
    QVERIFY(editor.List1->isEnabled());
    // Esc while editing leaves edit mode the same way; Esc in view mode closes the window.
    QTest::mouseClick(editor.Command11, Qt::LeftButton);
    editor.Text6->setText(QStringLiteral("typed"));
    QTest::keyClick(&editor, Qt::Key_Escape);
    QCOMPARE(editor.Text6->text(), QStringLiteral("Notes"));
    QVERIFY(isLoaded<frmEditor>());
    QTest::keyClick(&editor, Qt::Key_Escape);
    QVERIFY(!isLoaded<frmEditor>());
    QVERIFY(fake().messages.isEmpty());
}

void EditorTest::editAndDeleteNeedASelection() {
    RefreshEditorCategories();
    frmEditor& editor = form<frmEditor>();
    QCOMPARE(editor.List1->currentRow(), -1);
    QTest::mouseClick(editor.Command11, Qt::LeftButton);
    QTest::mouseClick(editor.Command8, Qt::LeftButton);
    QTest::keyClick(editor.List1, Qt::Key_Delete);
    QVERIFY(fake().messages.isEmpty());
    QVERIFY(editor.Command21->isHidden());
    QCOMPARE(editor.Label8->text(), QStringLiteral("Add/Edit Mode"));
}

void EditorTest::enterMovesThroughTheFieldsInFieldOrder() {
    frmEditor& editor = openEditor(QStringLiteral("HOME"));
    editor.show();
    QVERIFY(QTest::qWaitForWindowActive(&editor));
    QTest::mouseClick(editor.Command11, Qt::LeftButton);
    const QList<QLineEdit*> boxes = editor.titleBoxes();
    boxes[0]->setFocus();
    for (int i = 0; i < 5; ++i) {
        QTest::keyClick(boxes[i], Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), boxes[i + 1]);
    }
    QCOMPARE(boxes[1]->objectName(), QStringLiteral("Text1"));
    QVERIFY(fake().messages.isEmpty());
}

void EditorTest::failedSaveLeavesNoTitleHalfSaved_data() {
    QTest::addColumn<int>("failedAttempts");
    QTest::addColumn<QStringList>("titles");
    QTest::newRow("fourth update fails once, the retry saves all")
        << 1 << QStringList{"Item", "New 2", "New 3", "New 4", "New 5", "New 6"};
    QTest::newRow("every attempt fails: nothing saved")
        << 5 << QStringList{"Item", "Code", "Location", "Contact", "Phone", "Notes"};
}

void EditorTest::failedSaveLeavesNoTitleHalfSaved() {
    QFETCH(int, failedAttempts);
    QFETCH(QStringList, titles);
    frmEditor& editor = openEditor(QStringLiteral("HOME"));
    QTest::mouseClick(editor.Command11, Qt::LeftButton);
    for (int i = 1; i < 6; ++i)
        editor.titleBoxes()[i]->setText(QStringLiteral("New %1").arg(i + 1));
    setFaultHook([failedAttempts](int code, int attempt, int statement) {
        return code == 224 && attempt <= failedAttempts && statement == 4;
    });
    QTest::mouseClick(editor.Command21, Qt::LeftButton);
    QCOMPARE(storedDefinition(vault(), "HOME").mid(0, 6), titles);
    if (failedAttempts < 5) {
        QCOMPARE(fake().titles(), QStringList{"Success"});
        QVERIFY(editor.Command21->isHidden());
    } else {
        QCOMPARE(fake().titles(), QStringList{"E224 : Update Failed"});
        QVERIFY(fake().messages[0].prompt.startsWith("Could not update database."));
        QVERIFY(!editor.Command21->isHidden());
        QCOMPARE(editor.Text6->text(), QStringLiteral("New 6"));
    }
}

void EditorTest::failedDeleteKeepsBothRows() {
    frmEditor& editor = openEditor(QStringLiteral("EMAIL"));
    setFaultHook([](int code, int, int statement) { return code == 226 && statement == 3; });
    fake().answers = {MsgAnswer::Yes};
    QTest::mouseClick(editor.Command8, Qt::LeftButton);
    QCOMPARE(fake().titles(), (QStringList{"Confirmation", "E226 : Update Failed"}));
    QVERIFY(storedCategories(vault()).contains("EMAIL"));
    QCOMPARE(storedDefinition(vault(), "EMAIL").size(), 7);
    QVERIFY(itemsOf(editor.List1).contains("EMAIL"));
}

void EditorTest::failedReadsAreReported_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("title");
    QTest::newRow("category list") << 218 << "E218 : Retrieval Error";
    QTest::newRow("titles") << 219 << "E219 : Retrieval Error";
}

void EditorTest::failedReadsAreReported() {
    QFETCH(int, code);
    QFETCH(QString, title);
    setFaultHook([code](int c, int, int) { return c == code; });
    openEditor(QStringLiteral("HOME"));
    QVERIFY(fake().titles().contains(title));
    const MessageRecord& report = fake().messages[int(fake().titles().indexOf(title))];
    QVERIFY(report.prompt.startsWith("Could not retrieve data from database."));
    QCOMPARE(report.icon, MsgIcon::Error);
}

QUORLANE_TEST(EditorTest);
#include "tst_editor.moc"
