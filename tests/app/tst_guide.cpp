#include "testmain.h"

#include "app/modregistry.h"
#include "app/shortcuts.h"
#include "store/locations.h"
#include "store/vault.h"

#include <QDir>
#include <QFile>
#include <QKeySequence>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTest>

// The user's guide (from which Help.pdf is made) and its translations name what the program really has: every
// shortcut it sets up, every setting it keeps and the place of the vault, all taken from the
// program's own tables.
class GuideTest final : public QObject {
    Q_OBJECT
    QString guide_;

    // Whether the guide holds text as a word of its own ("Ctrl+1" is not found in "Ctrl+12").
    bool mentions(const QString& text) const {
        const QRegularExpression word(
            QStringLiteral("(?<![\\w+])%1(?![\\w+])").arg(QRegularExpression::escape(text)));
        return word.match(guide_).hasMatch();
    }

private slots:
    // Every test runs on the English guide and on each translation of it.
    void initTestCase_data() {
        QTest::addColumn<QString>("file");
        QTest::newRow("English") << QStringLiteral("guide.md");
        QTest::newRow("German") << QStringLiteral("guide_de.md");
    }
    void init() {
        QFETCH_GLOBAL(QString, file);
        QFile guide(QStringLiteral(QUORLANE_SOURCE_DIR "/resources/help/") + file);
        QVERIFY(guide.open(QIODevice::ReadOnly));
        guide_ = QString::fromUtf8(guide.readAll());
    }

    void namesEveryShortcut() {
        QStringList missing;
        for (const ShortcutKeys& shortcut : Shortcuts) {
            const QString keys = QKeySequence(shortcut.keys).toString(QKeySequence::PortableText);
            if (!mentions(keys)) missing << keys;
        }
        QVERIFY2(missing.isEmpty(), qPrintable("not in the guide: " + missing.join(", ")));
    }

    void namesEverySetting() {
        QStringList missing;
        for (const char* name : setting::All)
            if (!mentions(QLatin1String(name))) missing << QLatin1String(name);
        QVERIFY2(missing.isEmpty(), qPrintable("not in the guide: " + missing.join(", ")));
    }

    // The vault file as a user without XDG_DATA_HOME finds it in their home folder.
    void namesTheVaultsPlace() {
        const QByteArray data = qgetenv("XDG_DATA_HOME");
        const auto restore = qScopeGuard([&] { qputenv("XDG_DATA_HOME", data); });
        qunsetenv("XDG_DATA_HOME");
        const QString folder = userDataFolder();
        QVERIFY(folder.startsWith(QDir::homePath() + QLatin1Char('/')));
        const QString vault = QStringLiteral("~") + folder.mid(QDir::homePath().size()) + QLatin1Char('/') +
                              QLatin1String(VaultFileName);
        QVERIFY2(mentions(vault), qPrintable("not in the guide: " + vault));
    }
};

QUORLANE_TEST(GuideTest);
#include "tst_guide.moc"
