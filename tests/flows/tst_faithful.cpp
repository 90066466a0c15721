// What the vault holds after the user saves: nothing changes that the user did not change, and
// what the user sees (list, clipboard, printout, questions) matches what is stored.
#include "app/frmsetup.h"
#include "categories/frmcatadd.h"
#include "categories/frmeditor.h"
#include "entries/frmentry.h"
#include "entries/frmmainclip.h"
#include "store/printpage.h"
#include "store/repository.h"
#include "testmain.h"
#include "testvault.h"
#include "windowfixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>

namespace {

// Opens the editor on the listed entry, lets edit change it and saves.
void editAndSave(frmMain& main, const QString& listed, const std::function<void(frmEntry&)>& edit) {
    selectEntry(main, listed);
    ModalScript script;
    script.on<frmEntry>(QStringLiteral("frmEntry"), [&](frmEntry& editor) {
        edit(editor);
        editor.Command21_Click();
    });
    main.Command11_Click();
    settle();
}

QStringList decodedWithoutDate(const TestVault& vault, qint64 key) {
    return vault.decodedEntry(key).mid(0, 7);
}

} // namespace

class FaithfulValuesTest final : public VaultTestCase {
    Q_OBJECT
private slots:
    // Saving an entry whose only change is elsewhere writes every other value back as it was:
    // outer blanks, letter case, characters whose capitals Windows-1252 lacks, line breaks.
    void untouchedValuesStayAsStored_data() {
        QTest::addColumn<QString>("description");
        QTest::addColumn<QString>("listed");
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<QString>("notes");
        QTest::addColumn<QString>("category");
        QTest::newRow("letter case and outer blanks")
            << "Bank of Ostrava"
            << "BANK OF OSTRAVA" << QStringList{"  x  ", " jan", "p ", ""} << "n\r\n"
            << "WEB SITE";
        QTest::newRow("micro sign") << "dose 5µg"
                                    << "DOSE 5µG" << QStringList{"µ"} << ""
                                    << "HOME";
        QTest::newRow("sharp s") << "Straße"
                                 << "STRAßE" << QStringList{} << ""
                                 << "HOME";
        QTest::newRow("lone line feeds of another program") << "Old"
                                                            << "OLD" << QStringList{"a"} << "one\ntwo\rthree"
                                                            << "HOME";
        QTest::newRow("category in another case") << "Web"
                                                  << "WEB" << QStringList{"w"} << ""
                                                  << " web site";
    }
    void untouchedValuesStayAsStored() {
        QFETCH(QString, description);
        QFETCH(QString, listed);
        QFETCH(QStringList, fields);
        QFETCH(QString, notes);
        QFETCH(QString, category);
        const qint64 key = vault().addEntry(description, category, fields, notes);
        const QStringList before = decodedWithoutDate(vault(), key);
        frmMain& main = openMainWindow();
        QVERIFY(listRows(main.List1).contains(listed));

        // Saved without a change, then with a change to one field only.
        editAndSave(main, listed, [](frmEntry&) {});
        QCOMPARE(fake().lastTitle(), QStringLiteral("Success"));
        QCOMPARE(decodedWithoutDate(vault(), key), before);
        editAndSave(main, listed, [](frmEntry& editor) { editor.Text5->setText(QStringLiteral("changed")); });
        QCOMPARE(fake().lastTitle(), QStringLiteral("Success"));
        QStringList expected = before;
        expected[4] = QStringLiteral("changed");
        QCOMPARE(decodedWithoutDate(vault(), key), expected);
    }

    // Notes typed in the editor are stored with CR LF, and both copy ways give CR LF.
    void notesUseCrLf() {
        vault().addEntry(QStringLiteral("Seed"), QStringLiteral("HOME"));
        frmMain& main = openMainWindow();
        ModalScript script;
        script.on<frmEntry>(QStringLiteral("frmEntry"), [](frmEntry& editor) {
            setComboText(editor.Combo1, QStringLiteral("HOME"));
            editor.Text2->setText(QStringLiteral("Typed"));
            editor.Text6->setPlainText(QStringLiteral("line one\nline two"));
            editor.Command21_Click();
        });
        main.Command10_Click();
        settle();
        const QVariantList keys = vault().rows(QStringLiteral("SELECT MAX(pNum) FROM PDF")).value(0);
        QCOMPARE(vault().decodedEntry(keys.value(0).toLongLong())[5], QStringLiteral("line one\r\nline two"));

        selectEntry(main, QStringLiteral("TYPED"));
        main.copyField(5);
        QCOMPARE(fake().clipboard, QStringLiteral("line one\r\nline two"));
        frmMainClip& copy = form<frmMainClip>();
        for (QCheckBox* box : copy.findChildren<QCheckBox*>())
            box->setChecked(box == copy.Check5);
        fake().answers = {MsgAnswer::No};
        copy.Command20_Click();
        QCOMPARE(fake().clipboard, QStringLiteral("line one\r\nline two\r\n"));
    }

    // Setup stores the settings also in a vault whose login table lost its row: with a password
    // (the vault is encrypted and asks for it) and without one (the retry count is kept).
    void setupWithoutLoginRow_data() {
        QTest::addColumn<bool>("required");
        QTest::newRow("password") << true;
        QTest::newRow("no password") << false;
    }
    void setupWithoutLoginRow() {
        QFETCH(bool, required);
        vault().exec(QStringLiteral("DELETE FROM LPass"));
        openMainWindow();
        frmSetup& setup = form<frmSetup>();
        setup.Check1->setChecked(required);
        setup.Text2->setText(required ? QStringLiteral("secret") : QString());
        setup.Text1->setText(required ? QStringLiteral("secret") : QString());
        setup.Text3->setText(QStringLiteral("4"));
        setup.Command21_Click();
        QCOMPARE(fake().lastTitle(), QStringLiteral("Success"));
        const std::optional<LoginSettings> stored = store::loadLoginSettings();
        QVERIFY(stored.has_value());
        QCOMPARE(stored->required, required);
        QCOMPARE(stored->retries, QStringLiteral("4"));
    }

    // Printing every entry finds the titles of a category stored in another letter case.
    void printAllFindsCategoryInOtherCase() {
        vault().addEntry(QStringLiteral("Lower"), QStringLiteral("web site"),
                         {QStringLiteral("www.x.example")});
        const QString listing = *ListAllEntries();
        QVERIFY2(listing.contains(QStringLiteral("www.x.example")), qPrintable(listing));
        QVERIFY(listing.contains(QStringLiteral("Web Address:")));
    }

    // "Error" is a name like any other.
    void errorIsAnOrdinaryWord() {
        openMainWindow();
        frmEditor& editor = form<frmEditor>();
        editor.Command10_Click();
        form<frmCatAdd>().Text2->setText(QStringLiteral("Error"));
        form<frmCatAdd>().Command21_Click();
        QVERIFY(vault()
                    .rows(QStringLiteral("SELECT CatName FROM Cats"))
                    .contains(QVariantList{QStringLiteral("ERROR")}));
        QVERIFY(!fake().titles().contains(QStringLiteral("Vault Error")));
        settle();

        setListIndex(editor.List1,
                     int(editor.List1->row(
                         editor.List1->findItems(QStringLiteral("ERROR"), Qt::MatchExactly).first())));
        editor.Command11_Click();
        editor.Text2->setText(QStringLiteral("ERROR"));
        editor.Command21_Click();
        QCOMPARE(vault().value(QStringLiteral("SELECT pwDesc FROM CatDef WHERE pwCat = 'ERROR'")).toString(),
                 QStringLiteral("ERROR"));
    }

    // After the filter switches to a shorter list, the entry shown is the one highlighted.
    void shownEntryIsHighlighted() {
        for (const char* d : {"A1", "A2", "A3", "A4"})
            vault().addEntry(QString::fromLatin1(d), QStringLiteral("HOME"));
        vault().addEntry(QStringLiteral("B1"), QStringLiteral("WEB SITE"));
        frmMain& main = openMainWindow();
        QApplication::setActiveWindow(&main);
        selectEntry(main, QStringLiteral("A4"));
        setComboText(main.Combo1, QStringLiteral("WEB SITE"));
        for (int row = 0; row < main.List1->count(); ++row)
            QCOMPARE(main.List1->selectionModel()->isRowSelected(row),
                     main.List1->entries().textAt(row) == main.Picture5->Label3->text());
        QVERIFY(main.List1->currentRow() < 0 ||
                main.List1->selectionModel()->isRowSelected(main.List1->currentRow()));
    }

    // Esc or the close button in an editor holding changes asks first; No keeps what was typed.
    void discardingChangesAsks_data() {
        QTest::addColumn<bool>("change");
        QTest::addColumn<MsgAnswer>("answer");
        QTest::addColumn<bool>("closes");
        QTest::newRow("no change closes at once") << false << MsgAnswer::No << true;
        QTest::newRow("change, No keeps the editor") << true << MsgAnswer::No << false;
        QTest::newRow("change, Yes closes") << true << MsgAnswer::Yes << true;
    }
    void discardingChangesAsks() {
        QFETCH(bool, change);
        QFETCH(MsgAnswer, answer);
        QFETCH(bool, closes);
        vault().addEntry(QStringLiteral("Kept"), QStringLiteral("HOME"), {QStringLiteral("1")});
        frmMain& main = openMainWindow();
        bool stillOpen = false;
        QString typed;
        ModalScript script;
        script.on<frmEntry>(QStringLiteral("frmEntry"), [&](frmEntry& editor) {
            if (change) editor.Text1->setText(QStringLiteral("typed"));
            fake().answers = {answer};
            const QPointer<frmEntry> window(&editor);
            editor.reject();
            stillOpen = !closed(window);
            if (stillOpen) typed = editor.Text1->text();
        });
        main.Command11_Click();
        QCOMPARE(!stillOpen, closes);
        QCOMPARE(fake().titles().contains(QStringLiteral("Discard Changes?")), change);
        if (change)
            QCOMPARE(fake().messages.last().prompt, QStringLiteral("Discard the changes to this entry?"));
        if (stillOpen) QCOMPARE(typed, QStringLiteral("typed"));
        if (stillOpen) unload<frmEntry>();

        // The category editor's title editing asks the same way.
        fake().messages.clear();
        fake().onShowModal = nullptr;
        settle();
        form<frmEntry>().Command6_Click();
        frmEditor& editor = form<frmEditor>();
        setListIndex(editor.List1, 0);
        editor.Command11_Click();
        QVERIFY(editor.Command2->isHidden());
        if (change) editor.Text2->setText(QStringLiteral("Retitled"));
        fake().answers = {answer};
        editor.reject();
        QCOMPARE(editor.Command2->isHidden(), !closes);
        QCOMPARE(fake().titles().contains(QStringLiteral("Discard Changes?")), change);
    }
};
QUORLANE_TEST(FaithfulValuesTest);

#include "tst_faithful.moc"
