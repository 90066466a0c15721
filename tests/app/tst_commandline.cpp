#include "testmain.h"

#include "app/commandline.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// The command line: what runs, and the words of a refusal. "%1" in a row stands for an existing
// vault file, "%2" for its folder.
class CommandLineTest final : public QObject {
    Q_OBJECT
private slots:
    void readsTheLine_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("action");
        QTest::addColumn<QString>("result"); // the vault file, or the refusal
        const int run = int(CommandLine::Action::Run), help = int(CommandLine::Action::Help),
                  version = int(CommandLine::Action::Version), refuse = int(CommandLine::Action::Refuse);
        QTest::newRow("nothing: the usual vault") << QStringList{} << run << "";
        QTest::newRow("--vault FILE") << QStringList{"--vault", "%1"} << run << "%1";
        QTest::newRow("--vault=FILE") << QStringList{"--vault=%1"} << run << "%1";
        QTest::newRow("a relative name is taken from the current folder")
            << QStringList{"--vault", "stick.mdb"} << run << "%1";
        QTest::newRow("--help wins over the rest") << QStringList{"--vault", "%1", "--help"} << help << "";
        QTest::newRow("-h") << QStringList{"-h"} << help << "";
        QTest::newRow("--version") << QStringList{"--version"} << version << "";
        QTest::newRow("-v") << QStringList{"-v"} << version << "";
        QTest::newRow("unknown option") << QStringList{"--vualt", "%1"} << refuse << "unknown option --vualt";
        QTest::newRow("a toolkit option is not ours")
            << QStringList{"-platform", "xcb"} << refuse << "unknown option -platform";
        QTest::newRow("a bare file name")
            << QStringList{"stick.mdb"} << refuse << "unexpected argument stick.mdb";
        QTest::newRow("--vault without a file")
            << QStringList{"--vault"} << refuse << "--vault needs the name of a vault file";
        QTest::newRow("a vault file that is not there")
            << QStringList{"--vault", "%2/gone.mdb"} << refuse << "the vault file %2/gone.mdb does not exist";
        QTest::newRow("a folder is no vault file")
            << QStringList{"--vault", "%2"} << refuse << "the vault file %2 does not exist";
        QTest::newRow("two vaults") << QStringList{"--vault", "%1", "--vault", "%1"} << refuse
                                    << "--vault is given twice";
    }
    void readsTheLine() {
        QFETCH(QStringList, arguments);
        QFETCH(int, action);
        QFETCH(QString, result);
        QTemporaryDir folder;
        const QString file = folder.path() + "/stick.mdb";
        QVERIFY(QFile(file).open(QIODevice::WriteOnly));
        const QString before = QDir::currentPath();
        QVERIFY(QDir::setCurrent(folder.path()));
        for (QString& argument : arguments)
            argument.replace("%1", file).replace("%2", folder.path());
        const CommandLine line = parseCommandLine(arguments);
        QVERIFY(QDir::setCurrent(before));
        result.replace("%1", file).replace("%2", folder.path());
        QCOMPARE(int(line.action), action);
        if (action == int(CommandLine::Action::Refuse)) QCOMPARE(line.problem, result);
        if (action == int(CommandLine::Action::Run)) QCOMPARE(line.vaultFile, result);
    }
};

QUORLANE_TEST(CommandLineTest);
#include "tst_commandline.moc"
