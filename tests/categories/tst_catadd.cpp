// The new-category window on the real window, opened from the category editor.
#include "categories/frmcatadd.h"
#include "categoryfixture.h"
#include "store/vault.h"
#include "testmain.h"

#include <QTest>

using namespace catfix;

namespace {
const QStringList DefaultDefinition{"Undefined", "Undefined", "Undefined", "Undefined",
                                    "Undefined", "Notes",     "4"};

// The editor open over the entry editor (on WEB SITE), the main filter on HOME, then the
// editor's create button with `typed` in the name box.
frmCatAdd& openNewCategory(const QString& typed) {
    frmEditor& editor = openEditor(QStringLiteral("WEB SITE"));
    setComboText(form<frmMain>().Combo1, QStringLiteral("HOME"));
    QTest::mouseClick(editor.Command10, Qt::LeftButton);
    form<frmCatAdd>().Text2->setText(typed);
    return form<frmCatAdd>();
}
} // namespace

class NewCategoryTest final : public VaultTestCase {
    Q_OBJECT
private slots:
    void create_data();
    void create();
    void refusedNamesWriteNothing_data();
    void refusedNamesWriteNothing();
};

void NewCategoryTest::create_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("failedAttempts"); // of the second insert
    QTest::newRow("upper-cased and trimmed, inner blanks kept") << "  my  bank  "
                                                                << "MY  BANK" << 0;
    QTest::newRow("second insert fails once, the retry succeeds") << "Garage"
                                                                  << "GARAGE" << 1;
    QTest::newRow("greek, upper-cased") << u"Τράπεζα"_qs << u"ΤΡΆΠΕΖΑ"_qs << 0;
    QTest::newRow("euro, cjk, emoji") << u"€ 銀行 🏦"_qs << u"€ 銀行 🏦"_qs << 0;
}

void NewCategoryTest::create() {
    QFETCH(QString, typed);
    QFETCH(QString, name);
    QFETCH(int, failedAttempts);
    frmCatAdd& window = openNewCategory(typed);
    frmEditor& editor = form<frmEditor>();
    QVERIFY(editor.mode == frmEditor::Mode::CreatingCategory);
    QCOMPARE(fake().modals, (QStringList{"frmEditor", "frmCatAdd"}));
    setFaultHook([failedAttempts](int code, int attempt, int statement) {
        return code == 225 && attempt <= failedAttempts && statement == 2;
    });
    QTest::keyClick(window.Text2, Qt::Key_Return); // Enter creates, like the save button

    QCOMPARE(fake().titles(), QStringList{"Success"});
    QCOMPARE(fake().messages[0].prompt, QStringLiteral("Category successfully created."));
    QVERIFY(!isLoaded<frmCatAdd>());
    QCOMPARE(storedCategories(vault()).count(name), 1);
    QCOMPARE(vault().value("SELECT COUNT(*) FROM CatDef WHERE pwCat = '" + name + "'").toInt(), 1);
    QCOMPARE(storedDefinition(vault(), name), DefaultDefinition);
    // Listed everywhere at once; the main filter and the entry editor keep their choice.
    QVERIFY(itemsOf(editor.List1).contains(name));
    QCOMPARE(editor.List1->currentRow(), -1);
    QVERIFY(itemsOf(form<frmMain>().Combo1).contains(name));
    QCOMPARE(form<frmMain>().Combo1->currentText(), QStringLiteral("HOME"));
    QVERIFY(itemsOf(form<frmEntry>().Combo1).contains(name));
    QCOMPARE(form<frmEntry>().Combo1->currentText(), QStringLiteral("WEB SITE"));
    setListIndex(editor.List1, int(itemsOf(editor.List1).indexOf(name)));
    QCOMPARE(titlesShown(editor), DefaultDefinition.mid(0, 6));
}

void NewCategoryTest::refusedNamesWriteNothing_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("failing"); // operation code made to fail on every attempt
    QTest::addColumn<QStringList>("titles");
    QTest::addColumn<QString>("prompt"); // of the last message
    const QString duplicate = QStringLiteral("This category already exists! Please enter a new category.");
    const QString unstorable =
        QStringLiteral("The category name holds the character %1, which the vault cannot keep.\n"
                       "Please remove it; nothing has been saved.");
    QTest::newRow("blanks only") << "    " << 0 << QStringList{} << "";
    QTest::newRow("apostrophe") << "Bob's" << 0 << QStringList{"Invalid Character"}
                                << "You cannot use apostrophe's within a category name.";
    QTest::newRow("existing, other case and blanks")
        << "  web site  " << 0 << QStringList{"Duplicate Category"} << duplicate;
    QTest::newRow("lookup fails: counts as taken")
        << "Garage" << 220 << QStringList{"E220 : Retrieval Error", "Duplicate Category"} << duplicate;
    QTest::newRow("creation fails: nothing kept")
        << "Garage" << 225 << QStringList{"E225 : Update Failed"} << "Could not update database.";
    QTest::newRow("zero character") << QString("Euro") + QChar(0) << 0 << QStringList{"Unsupported Character"}
                                    << unstorable.arg("U+0000");
}

void NewCategoryTest::refusedNamesWriteNothing() {
    QFETCH(QString, typed);
    QFETCH(int, failing);
    QFETCH(QStringList, titles);
    QFETCH(QString, prompt);
    frmCatAdd& window = openNewCategory(typed);
    const QStringList before = storedCategories(vault());
    const QVariant definitions = vault().value("SELECT COUNT(*) FROM CatDef");
    setFaultHook([failing](int code, int, int statement) {
        return code == failing && (code == 220 || statement == 2);
    });
    QTest::mouseClick(window.Command21, Qt::LeftButton);
    QCOMPARE(fake().titles(), titles);
    if (!titles.isEmpty()) QVERIFY(fake().messages.last().prompt.startsWith(prompt));
    QCOMPARE(storedCategories(vault()), before);
    QCOMPARE(vault().value("SELECT COUNT(*) FROM CatDef"), definitions);
    QCOMPARE(window.Text2->text(), typed);
    QTest::keyClick(&window, Qt::Key_Escape);
    QVERIFY(!isLoaded<frmCatAdd>());
}

QUORLANE_TEST(NewCategoryTest);
#include "tst_catadd.moc"
