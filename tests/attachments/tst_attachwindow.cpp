#include "app/controls.h"
#include "app/forms.h"
#include "app/picturebox.h"
#include "attachments/frmattach.h"
#include "attachments/frmattachname.h"
#include "fakeplatform.h"
#include "mainwindow/frmmain.h"
#include "store/vault.h"
#include "testmain.h"
#include "testvault.h"
#include "typing.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTextBoundaryFinder>
#include <QTreeWidget>

using StoredRows = QList<QStringList>;

namespace {} // namespace

class AttachWindowTest final : public VaultTestCase {
    Q_OBJECT

    // Picks the entry in the main window's list, which shows it; gives its key.
    QString pick(const QString& description) {
        frmMain& main = form<frmMain>();
        form<frmMain>().fillCategoryFilter();
        if (!main.selectEntry(description, false)) return {};
        return QString::number(main.shownEntryKey().value_or(0));
    }

    // An entry with stored attachments (description as saved, path, picture), picked and its
    // attachments window opened.
    QString openWith(const StoredRows& stored) {
        const qint64 key = vault().addEntry(QStringLiteral("Bank"), QStringLiteral("HOME"));
        for (const QStringList& row : stored)
            vault().exec(QStringLiteral("INSERT INTO eAttach VALUES (?, ?, ?, ?)"),
                         {QString::number(key), row[0], row[1], row[2]});
        const QString shown = pick(QStringLiteral("BANK"));
        form<frmMain>().Command13_Click();
        return shown;
    }

    // The add button with a chosen file and a description typed and confirmed with Enter.
    static void add(const QString& file, const QString& typed) {
        fake().filesToChoose = {file};
        fake().onShowModal = [typed](QDialog& dialog) {
            if (dialog.objectName() != QLatin1String("frmAttachName")) return;
            QLineEdit* box = static_cast<frmAttachName&>(dialog).Text2;
            typeText(box, typed);
            QTest::keyClick(box, Qt::Key_Return);
        };
        form<frmAttach>().Command5->click();
    }

    static QStringList lines() {
        QStringList out;
        const QTreeWidget* list = form<frmAttach>().TV1;
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            out << list->topLevelItem(i)->text(0);
        return out;
    }

    static void select(int row) {
        form<frmAttach>().TV1->setCurrentItem(form<frmAttach>().TV1->topLevelItem(row));
    }

    StoredRows storedFor(const QString& key) {
        StoredRows out;
        for (const QVariantList& row : vault().rows(
                 QStringLiteral(
                     "SELECT AttachName, AttachPath, AttachPic FROM eAttach WHERE eID = '%1' ORDER BY rowid")
                     .arg(key)))
            out << QStringList{row[0].toString(), row[1].toString(), row[2].toString()};
        return out;
    }

private slots:
    // An attachment is listed, stored, listed again after reopening and opened just as chosen:
    // the description upper case with grave accents, the path untouched.
    void roundTrip_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("description");
        QTest::addColumn<int>("picture");
        const auto row = [](const char* name, const QString& file, const QString& typed,
                            const QString& description,
                            int picture) { QTest::newRow(name) << file << typed << description << picture; };
        row("photo.jpg", "/home/ann/photo.jpg", "Holiday", "HOLIDAY", 2);
        row("apostrophe in the description", "/docs/notes.txt", "bob's notes", "BOB`S NOTES", 4);
        row("apostrophe in the path", "/home/ann/O'Neil's scan.pdf", "scan", "SCAN", 5);
        row("mixed case path", "/Users/Ann/Tax/Return2013.MDB", "Tax", "TAX", 3);
        row("euro sign in the path", "/home/ann/5\u20ac.txt", "price", "PRICE", 4);
        row("60 characters typed", "/a.txt", QString(60, u'x'), QString(50, u'X'), 4);
        row("separator inside the path", "/tmp/a \u00b7 \u00b7 b.txt", "odd", "ODD", 4);
        row("every script", u"/home/アン/Ελλάδα 👍🏽.pdf"_qs, u"κλειδί ключ 🔑"_qs,
            u"ΚΛΕΙΔΊ КЛЮЧ 🔑"_qs, 5);
        row("50 emoji with skin tones typed", "/a.txt", u"👍🏽"_qs.repeated(60),
            u"👍🏽"_qs.repeated(50), 4);
    }
    void roundTrip() {
        QFETCH(QString, file);
        QFETCH(QString, typed);
        QFETCH(QString, description);
        QFETCH(int, picture);
        const QString key = openWith({});
        add(file, typed);
        const QString line = description + QStringLiteral(" \u00b7 \u00b7 ") + file;
        QCOMPARE(lines(), QStringList{line});
        QCOMPARE(frmAttach::pictureOf(form<frmAttach>().TV1->topLevelItem(0)), picture);
        form<frmAttach>().Command26->click();
        QVERIFY(!isLoaded<frmAttach>());
        QCOMPARE(storedFor(key),
                 (StoredRows{{description + QLatin1Char(' '), file, QString::number(picture)}}));

        form<frmMain>().Picture17_Click();
        QCOMPARE(lines(), QStringList{line});
        select(0);
        QTest::keyClick(form<frmAttach>().TV1, Qt::Key_Return); // Enter opens, as a double-click does
        QCOMPARE(fake().opened, QStringList{file});
        QCOMPARE(fake().messages.size(), 0);
    }

    // Lines of an older vault: descriptions trimmed, upper-case paths opened as they are,
    // pictures that name none shown as other files.
    void loadStoredRows() {
        openWith({{"OLD SCAN ", "C:\\SCANS\\PAGE1.TIF", "2"}, {"  ODD  ", "/x/ODD.BIN", "9"}});
        QCOMPARE(lines(), (QStringList{"OLD SCAN \u00b7 \u00b7 C:\\SCANS\\PAGE1.TIF",
                                       "ODD \u00b7 \u00b7 /x/ODD.BIN"}));
        QCOMPARE(frmAttach::pictureOf(form<frmAttach>().TV1->topLevelItem(1)), 5);
        select(0);
        fake().openSucceeds = false;
        form<frmAttach>().TV1_DblClick();
        QCOMPARE(fake().opened, QStringList{"C:\\SCANS\\PAGE1.TIF"});
        QCOMPARE(fake().titles(), QStringList{"Failed Execution"});
        QCOMPARE(fake().messages[0].prompt,
                 QStringLiteral("No associated application found for this type of file."));
        QCOMPARE(fake().messages[0].icon, MsgIcon::Error);
    }

    // What the description window refuses, against one saved line and one added but not saved.
    void refusedDescriptions_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("prompt");
        QTest::newRow("saved one, other case")
            << "passport"
            << "Duplicate Found"
            << "This item already exists! Please enter a different description.";
        QTest::newRow("unsaved one, blanks")
            << "  Bob's Key  "
            << "Duplicate Found"
            << "This item already exists! Please enter a different description.";
        QTest::newRow("middle dot") << "a\u00b7b"
                                    << "Invalid Character"
                                    << "Invalid character has been used.";
        QTest::newRow("zero character")
            << QString("key") + QChar(0) << "Unsupported Character"
            << "The description holds the character U+0000, which the vault cannot keep.\n"
               "Please remove it; nothing has been saved.";
        QTest::newRow("blank") << "   "
                               << ""
                               << "";
    }
    void refusedDescriptions() {
        QFETCH(QString, typed);
        QFETCH(QString, title);
        QFETCH(QString, prompt);
        openWith({{"PASSPORT ", "/p.pdf", "5"}});
        add(QStringLiteral("/k.txt"), QStringLiteral("bob's key"));
        fake().filesToChoose = {QStringLiteral("/new.txt")};
        bool stayedOpen = false;
        fake().onShowModal = [&](QDialog& dialog) {
            if (dialog.objectName() != QLatin1String("frmAttachName")) return;
            auto& window = static_cast<frmAttachName&>(dialog);
            window.Text2->setText(typed);
            window.Command26->click();
            stayedOpen = isLoaded<frmAttachName>() && window.Text2->text() == typed;
            window.Command2->click();
        };
        form<frmAttach>().Command5->click();
        QVERIFY(stayedOpen);
        QCOMPARE(lines().size(), 2);
        QCOMPARE(fake().titles(), title.isEmpty() ? QStringList() : QStringList{title});
        if (!title.isEmpty()) QCOMPARE(fake().messages[0].prompt, prompt);
    }

    // Nothing is added when the file dialog or the description is given up, or the path
    // cannot be stored as chosen.
    void nothingAdded_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("key"); // pressed in the description window
        QTest::addColumn<QStringList>("titles");
        QTest::newRow("file dialog cancelled") << "" << 0 << QStringList();
        QTest::newRow("Esc in the description") << "/a.txt" << int(Qt::Key_Escape) << QStringList();
        QTest::newRow("path holding half a surrogate pair")
            << "/home/" + QString(QChar(0xDC80)) + ".txt" << 0 << QStringList{"Unsupported Character"};
    }
    void nothingAdded() {
        QFETCH(QString, file);
        QFETCH(int, key);
        QFETCH(QStringList, titles);
        openWith({});
        fake().filesToChoose = {file};
        fake().onShowModal = [key](QDialog& dialog) {
            if (dialog.objectName() != QLatin1String("frmAttachName")) return;
            auto& window = static_cast<frmAttachName&>(dialog);
            window.Text2->setText(QStringLiteral("typed"));
            QTest::keyClick(&window, Qt::Key(key));
        };
        form<frmAttach>().Command5->click();
        QCOMPARE(lines(), QStringList());
        QCOMPARE(fake().titles(), titles);
        QVERIFY(!isLoaded<frmAttachName>());
    }

    // The list is a working copy: only saving changes the vault, and only this entry's rows.
    void saveOrClose_data() {
        QTest::addColumn<QList<int>>("deleted"); // rows deleted, one after the other
        QTest::addColumn<QString>("added");
        QTest::addColumn<int>("finish"); // 0 save, Esc or the close button
        QTest::addColumn<QStringList>("stored");
        const QStringList both{"A ", "B "};
        QTest::newRow("every line deleted, saved") << QList<int>{0, 0} << "" << 0 << QStringList();
        QTest::newRow("one deleted, one added, saved")
            << QList<int>{0} << "c" << 0 << QStringList{"B ", "C "};
        QTest::newRow("nothing selected to delete, saved") << QList<int>{-1} << "" << 0 << both;
        QTest::newRow("added, closed") << QList<int>{} << "c" << int(Qt::Key_Escape) << both;
        QTest::newRow("every line deleted, closed") << QList<int>{0, 0} << "" << -1 << both;
        QTest::newRow("nothing changed, closed") << QList<int>{-1} << "" << int(Qt::Key_Escape) << both;
    }
    void saveOrClose() {
        QFETCH(QList<int>, deleted);
        QFETCH(QString, added);
        QFETCH(int, finish);
        QFETCH(QStringList, stored);
        vault().exec(QStringLiteral("INSERT INTO eAttach VALUES ('999', 'OTHER ', '/o', '5')"));
        const QString key = openWith({{"A ", "/a", "5"}, {"B ", "/b", "5"}});
        frmAttach& window = form<frmAttach>();
        for (int row : deleted) {
            if (row < 0)
                window.TV1->clearSelection();
            else
                select(row);
            window.Command3->click();
        }
        if (!added.isEmpty()) add(QStringLiteral("/c"), added);
        const bool changed = !added.isEmpty() || deleted.value(0, -1) >= 0;
        fake().answers = {MsgAnswer::Yes};
        if (finish == 0)
            window.Command26->click();
        else if (finish == Qt::Key_Escape)
            QTest::keyClick(&window, Qt::Key_Escape);
        else
            window.Command25->click();
        QVERIFY(!isLoaded<frmAttach>());
        QStringList descriptions;
        for (const QStringList& row : storedFor(key))
            descriptions << row[0];
        QCOMPARE(descriptions, stored);
        QCOMPARE(storedFor(QStringLiteral("999")), (StoredRows{{"OTHER ", "/o", "5"}}));
        // Closing with changes asks first, as the entry editor does.
        QCOMPARE(fake().titles(), finish != 0 && changed ? QStringList{"Discard Changes?"} : QStringList());
    }

    // Answering No to the question keeps the window and the changed list.
    void closingKeepsChangesOnNo() {
        openWith({{"A ", "/a", "5"}});
        add(QStringLiteral("/c"), QStringLiteral("c"));
        fake().answers = {MsgAnswer::No};
        QTest::keyClick(&form<frmAttach>(), Qt::Key_Escape);
        QVERIFY(isLoaded<frmAttach>());
        QCOMPARE(lines().size(), 2);
        QCOMPARE(fake().messages.last().defaultButton, MsgAnswer::No);
    }

    // A save whose last insert fails on every attempt leaves the stored rows as they were and
    // the window open with its list, so the user can save again.
    void failedSave() {
        const QString key = openWith({{"A ", "/a", "5"}, {"B ", "/b", "5"}});
        select(0);
        form<frmAttach>().Command3->click();
        add(QStringLiteral("/c.txt"), QStringLiteral("c"));
        int attempts = 0;
        setFaultHook([&attempts](int code, int attempt, int statement) {
            if (code != 203) return false;
            attempts = attempt;
            return statement == 3; // the delete, then B, then C
        });
        form<frmAttach>().Command26->click();
        QCOMPARE(attempts, 5);
        QCOMPARE(fake().titles(), QStringList{"E203 : Update Failed"});
        QCOMPARE(fake().messages[0].prompt,
                 QStringLiteral("Could not not update from database.\n(Quorlane: -1: Injected failure)"));
        QCOMPARE(storedFor(key), (StoredRows{{"A ", "/a", "5"}, {"B ", "/b", "5"}}));
        QVERIFY(isLoaded<frmAttach>());
        QCOMPARE(lines().size(), 2);

        setFaultHook({});
        form<frmAttach>().Command26->click();
        QCOMPARE(storedFor(key), (StoredRows{{"B ", "/b", "5"}, {"C ", "/c.txt", "4"}}));
    }

    void failedLoad() {
        setFaultHook([](int code, int, int) { return code == 222; });
        openWith({{"A ", "/a", "5"}});
        QCOMPARE(fake().titles(), QStringList{"E222 : Retrieval Error"});
        QVERIFY(fake().messages[0].prompt.startsWith(
            QStringLiteral("Could not retrieve data from database.\n(")));
        QCOMPARE(fake().modals, QStringList{"frmAttach"});
    }

    // The button and the indicator open the window for the shown entry, with the main window's
    // banner; without a current entry they do nothing.
    void opening() {
        frmMain& main = form<frmMain>();
        main.Command13->click();
        main.Picture17_Click();
        QCOMPARE(fake().modals, QStringList());
        QVERIFY(!isLoaded<frmAttach>());

        openWith({});
        QCOMPARE(fake().modals, QStringList{"frmAttach"});
        QCOMPARE(form<frmAttach>().Picture1->picture(), main.Picture2->picture());
        QCOMPARE(form<frmAttach>().windowTitle(), QStringLiteral("Attachments"));
    }

    // Saving leaves the main window alone; the indicator follows at the next showing.
    void indicatorAfterNextShowing() {
        frmMain& main = form<frmMain>();
        openWith({});
        QVERIFY(main.Picture17->isHidden());
        add(QStringLiteral("/a.txt"), QStringLiteral("a"));
        form<frmAttach>().Command26->click();
        QVERIFY(main.Picture17->isHidden());
        pick(QStringLiteral("BANK"));
        QVERIFY(!main.Picture17->isHidden());

        main.Command13->click();
        select(0);
        form<frmAttach>().Command3->click();
        form<frmAttach>().Command26->click();
        pick(QStringLiteral("BANK"));
        QVERIFY(main.Picture17->isHidden());
    }
};

QUORLANE_TEST(AttachWindowTest);
#include "tst_attachwindow.moc"
