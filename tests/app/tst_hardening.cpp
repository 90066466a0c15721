#include "apptestcase.h"
#include "testmain.h"

#include "app/hardening.h"

#include <QSettings>
#include <QTest>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

// What the program does at start so that nothing of the vault leaks from the process.
class HardeningTest final : public AppTestCase {
    Q_OBJECT
private slots:
    // No core dump, no reading of the memory by other processes, new files owner-only. Checked in
    // a child process, which the hardening would otherwise change for the rest of the tests.
    void noCoreDump() {
        const pid_t child = fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            hardenProcess();
            rlimit core{};
            getrlimit(RLIMIT_CORE, &core);
            const mode_t mask = umask(0);
            const bool hardened = core.rlim_cur == 0 && core.rlim_max == 0 &&
                                  prctl(PR_GET_DUMPABLE, 0, 0, 0, 0) == 0 && mask == 077;
            _exit(hardened ? 0 : 1);
        }
        int status = 0;
        QCOMPARE(waitpid(child, &status, 0), child);
        QVERIFY(WIFEXITED(status));
        QCOMPARE(WEXITSTATUS(status), 0);
    }

    // A settings file from an earlier version, readable by everyone, becomes the owner's alone.
    void settingsFileOwnerOnly() {
        store(QStringLiteral("Discreet"), QStringLiteral("1"));
        const QString file =
            QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Quorlane")).fileName();
        QVERIFY(QFile::setPermissions(file, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                QFileDevice::ReadGroup | QFileDevice::ReadOther));
        protectSettingsFile();
        struct stat info {};
        QCOMPARE(::stat(QFile::encodeName(file).constData(), &info), 0);
        QCOMPARE(info.st_mode & 0777, mode_t(0600));
    }
};

QUORLANE_TEST(HardeningTest);
#include "tst_hardening.moc"
