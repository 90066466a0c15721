#include "hardening.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#ifdef Q_OS_UNIX
#include <sys/resource.h>
#include <sys/stat.h>
#endif
#ifdef Q_OS_LINUX
#include <sys/prctl.h>
#endif

void hardenProcess() {
#ifdef Q_OS_UNIX
    const rlimit noCore{0, 0};
    setrlimit(RLIMIT_CORE, &noCore);
    umask(077);
#endif
#ifdef Q_OS_LINUX
    // Also keeps ptrace and /proc/<pid>/mem away from other processes of the same user.
    prctl(PR_SET_DUMPABLE, 0, 0, 0, 0);
#endif
}

void protectSettingsFile() {
#ifndef Q_OS_WIN
    const QString file =
        QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Quorlane")).fileName();
    constexpr QFileDevice::Permissions OwnerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
    if (QFileInfo::exists(file)) QFile::setPermissions(file, OwnerOnly);
    // The folder is the program's own only when named after it; the desktop's shared settings
    // folder (~/.config) keeps the mode the desktop gave it.
    const QFileInfo folder(QFileInfo(file).absolutePath());
    if (folder.isDir() && folder.fileName() == QLatin1String("Quorlane"))
        QFile::setPermissions(folder.absoluteFilePath(), OwnerOnly | QFileDevice::ExeOwner);
#endif
}
