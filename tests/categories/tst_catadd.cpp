// The new-category window on the real window, opened from the category editor.
#include "categories/frmcatadd.h"
#include "categoryfixture.h"
#include "store/vault.h"
#include "testmain.h"

#include <QLineEdit>
#include <QTest>

using namespace catfix;

namespace {
const QStringList DefaultDefinition{"Undefined", "Undefined", "Undefined", "Undefined",
                                    "Undefined", "Notes",     "4"};
}

class NewCategoryTest final : public VaultTestCase {
    Q_OBJECT
private slots:
    void createsWithDefaultTitlesAndRefreshesEveryList();
    void enterInTheBoxCreates();
    void refusedNamesWriteNothing_data();
    void refusedNamesWriteNothing();
    void retryAfterAFailedSecondInsertLeavesOneCategory();
    void failures_data();
    void failures();
};

// The editor open over the entry editor, then its create button with `typed` in the name box.
static frmCatAdd& openNewCategory(const QString& typed) {
    frmEditor& editor = openEditor(QStringLiteral("WEB SITE"));
    QTest::mouseClick(editor.Command10, Qt::LeftButton);
    frmCatAdd& window = form<frmCatAdd>();
    window.Text2->setText(typed);
    return window;
}

void NewCategoryTest::createsWithDefaultTitlesAndRefreshesEveryList() {
    frmCatAdd& window = openNewCategory(QStringLiteral("  my  bank  "));
    setComboText(form<frmMain>().Combo1, QStringLiteral("HOME"));
    frmEditor& editor = form<frmEditor>();
    QCOMPARE(editor.Label8->text(), QStringLiteral("1"));
    QCOMPARE(fake().modals, (QStringList{"frmEditor", "frmCatAdd"}));
    QCOMPARE(window.windowTitle(), QStringLiteral("New Category"));
    QTest::mouseClick(window.Command21, Qt::LeftButton);

    QCOMPARE(fake().titles(), QStringList{"Success"});
    QCOMPARE(fake().messages[0].prompt, QStringLiteral("Category successfully created."));
    QCOMPARE(fake().messages[0].icon, MsgIcon::Information);
    QVERIFY(!isLoaded<frmCatAdd>());
    QCOMPARE(storedCategories(vault()).count("MY  BANK"), 1);
    QCOMPARE(storedDefinition(vault(), "MY  BANK"), DefaultDefinition);
    const QStringList listed{"BANK ACCOUNT", "CREDIT CARD",      "EMAIL",    "HOME",
                             "MY  BANK",     "SOFTWARE LICENSE", "WEB SITE", "WI-FI NETWORK"};
    QCOMPARE(itemsOf(editor.List1), listed);
    QCOMPARE(editor.List1->currentRow(), -1);
    QCOMPARE(itemsOf(form<frmMain>().Combo1), QStringList{"ALL CATEGORIES"} + listed);
    QCOMPARE(form<frmMain>().Combo1->currentText(), QStringLiteral("HOME"));
    QCOMPARE(itemsOf(form<frmEntry>().Combo1), listed);
    QCOMPARE(form<frmEntry>().Combo1->currentText(), QStringLiteral("WEB SITE"));
    // The editor shows the new category's default titles.
    QVERIFY(selectCategory(editor, "MY  BANK"));
    QCOMPARE(titlesShown(editor), DefaultDefinition.mid(0, 6));
}

void NewCategoryTest::enterInTheBoxCreates() {
    frmCatAdd& window = openNewCategory(QStringLiteral("Garage"));
    QTest::keyClick(window.Text2, Qt::Key_Return);
    QCOMPARE(fake().titles(), QStringList{"Success"});
    QCOMPARE(storedDefinition(vault(), "GARAGE"), DefaultDefinition);
}

void NewCategoryTest::refusedNamesWriteNothing_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("prompt");
    const QString duplicate = QStringLiteral("This category already exists! Please enter a new category.");
    const QString apostrophe = QStringLiteral("You cannot use apostrophe's within a category name.");
    QTest::newRow("empty") << ""
                           << ""
                           << "";
    QTest::newRow("blanks only") << "    "
                                 << ""
                                 << "";
    QTest::newRow("apostrophe inside") << "Bob's"
                                       << "Invalid Character" << apostrophe;
    QTest::newRow("trailing apostrophe") << "Cards '"
                                         << "Invalid Character" << apostrophe;
    QTest::newRow("existing, lower case with blanks") << "  web site  "
                                                      << "Duplicate Category" << duplicate;
    QTest::newRow("existing, mixed case") << "Credit Card"
                                          << "Duplicate Category" << duplicate;
    QTest::newRow("euro sign")
        << "Euro \u20AC"
        << "Unsupported Character"
        << "The category name holds the character \"\u20AC\", which the vault cannot store "
           "as typed.\nPlease remove or replace it; nothing has been saved.";
    QTest::newRow("outside the code page once upper-cased")
        << "\u00B5-meter"
        << "Unsupported Character"
        << "The category name holds the character \"\u039C\", which the vault cannot store as typed.\n"
           "Please remove or replace it; nothing has been saved.";
}

void NewCategoryTest::refusedNamesWriteNothing() {
    QFETCH(QString, typed);
    QFETCH(QString, title);
    QFETCH(QString, prompt);
    frmCatAdd& window = openNewCategory(typed);
    const QStringList before = storedCategories(vault());
    const int definitions = countRows(vault(), "SELECT COUNT(*) FROM CatDef");
    QTest::mouseClick(window.Command21, Qt::LeftButton);
    if (title.isEmpty()) {
        QVERIFY(fake().messages.isEmpty());
    } else {
        QCOMPARE(fake().titles(), QStringList{title});
        QCOMPARE(fake().messages[0].prompt, prompt);
        QCOMPARE(fake().messages[0].icon, MsgIcon::Error);
    }
    QVERIFY(isLoaded<frmCatAdd>());
    QCOMPARE(window.Text2->text(), typed);
    QCOMPARE(storedCategories(vault()), before);
    QCOMPARE(countRows(vault(), "SELECT COUNT(*) FROM CatDef"), definitions);
    QTest::keyClick(&window, Qt::Key_Escape);
    QVERIFY(!isLoaded<frmCatAdd>());
}

void NewCategoryTest::retryAfterAFailedSecondInsertLeavesOneCategory() {
    frmCatAdd& window = openNewCategory(QStringLiteral("Garage"));
    setFaultHook(
        [](int code, int attempt, int statement) { return code == 225 && attempt == 1 && statement == 2; });
    QTest::mouseClick(window.Command21, Qt::LeftButton);
    QCOMPARE(fake().titles(), QStringList{"Success"});
    QCOMPARE(countRows(vault(), "SELECT COUNT(*) FROM Cats WHERE CatName = 'GARAGE'"), 1);
    QCOMPARE(countRows(vault(), "SELECT COUNT(*) FROM CatDef WHERE pwCat = 'GARAGE'"), 1);
}

void NewCategoryTest::failures_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<QStringList>("titles");
    QTest::newRow("lookup fails: counts as taken")
        << 220 << QStringList{"E220 : Retrieval Error", "Duplicate Category"};
    QTest::newRow("second insert always fails: nothing kept") << 225 << QStringList{"E225 : Update Failed"};
}

void NewCategoryTest::failures() {
    QFETCH(int, code);
    QFETCH(QStringList, titles);
    frmCatAdd& window = openNewCategory(QStringLiteral("Garage"));
    setFaultHook([code](int c, int, int statement) { return c == code && (code == 220 || statement == 2); });
    QTest::mouseClick(window.Command21, Qt::LeftButton);
    QCOMPARE(fake().titles(), titles);
    QVERIFY(isLoaded<frmCatAdd>());
    QVERIFY(!storedCategories(vault()).contains("GARAGE"));
    QVERIFY(storedDefinition(vault(), "GARAGE").isEmpty());
}

QUORLANE_TEST(NewCategoryTest);
#include "tst_catadd.moc"
