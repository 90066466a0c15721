#include "locations.h"

#include "globals.h"
#include "printpage.h"
#include "vault.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <cerrno>
#include <cstdio>
#include <cstring>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

constexpr QFileDevice::Permissions OwnerOnlyFile = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
constexpr QFileDevice::Permissions OwnerOnlyFolder = OwnerOnlyFile | QFileDevice::ExeOwner;

QString inFolder(const QString& folder, const QString& name) {
    return folder + QLatin1Char('/') + name;
}

// Makes folder (and what leads to it) when missing, the folder itself owner-only.
bool makeOwnerOnlyFolder(const QString& folder) {
    return QFileInfo::exists(folder) ||
           (QDir().mkpath(QFileInfo(folder).path()) && QDir().mkdir(folder, OwnerOnlyFolder));
}

// Whether folder is a real folder (not a link) of the user's that they alone can enter.
bool isPrivateFolder(const QString& folder) {
    const QFileInfo info(folder);
    if (info.isSymLink() || !info.isDir()) return false;
#ifdef Q_OS_UNIX
    if (info.ownerId() != ::getuid()) return false;
#endif
    constexpr QFileDevice::Permissions Others = QFileDevice::ReadGroup | QFileDevice::WriteGroup |
                                                QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                                QFileDevice::WriteOther | QFileDevice::ExeOther;
    return !(info.permissions() & Others);
}

VaultFailure printFolderFailure() {
    return {QStringLiteral("Quorlane"), -1,
            QStringLiteral("The private folder for print pages cannot be used: ") +
                QDir::toNativeSeparators(storeState().printFolder)};
}

} // namespace

QString installDataFolder(const QString& programFolder) {
    return QDir::cleanPath(programFolder + QStringLiteral("/../share/quorlane"));
}

QString deliveredFile(const QString& name) {
    const QString beside = inFolder(storeState().appFolder, name);
    return QFileInfo::exists(beside) ? beside : inFolder(installDataFolder(storeState().appFolder), name);
}

QString userDataFolder() {
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return data.isEmpty() ? QString() : inFolder(data, QStringLiteral("Quorlane"));
}

QString oldUserDataFolder() {
    const QString folder = userDataFolder();
    return folder.isEmpty() ? QString() : inFolder(folder, QStringLiteral("Quorlane"));
}

VaultPlace findVault(const QString& programFolder, const QString& userFolder, const QString& oldFolder) {
    const QString name = QLatin1String(VaultFileName);
    // Without a data folder (no home) only the place beside the program is left.
    if (QFileInfo::exists(inFolder(programFolder, name)) || userFolder.isEmpty())
        return {programFolder, {}, {}};
    if (QFileInfo::exists(inFolder(userFolder, name))) return {userFolder, {}, {}};
    if (!oldFolder.isEmpty() && QFileInfo::exists(inFolder(oldFolder, name)))
        return {userFolder, {}, oldFolder};
    const QString delivered = inFolder(installDataFolder(programFolder), name);
    if (!QFileInfo::exists(delivered)) return {userFolder, {}, {}};
    return {userFolder, delivered, {}};
}

namespace {

std::function<bool(VaultMoveStep)>& moveFaultHook() {
    static std::function<bool(VaultMoveStep)> hook;
    return hook;
}

// Whether the step may run; a test's hook makes it fail as the system would.
bool stepRuns(VaultMoveStep step) {
    if (moveFaultHook() && moveFaultHook()(step)) {
        errno = EIO;
        return false;
    }
    return true;
}

QString systemError() {
    return QString::fromLocal8Bit(std::strerror(errno));
}

// rename() that fails instead of replacing an existing target.
bool renameNoReplace(const QString& from, const QString& to) {
    const QByteArray source = QFile::encodeName(from), target = QFile::encodeName(to);
#if defined(Q_OS_LINUX) && defined(RENAME_NOREPLACE)
    if (::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS) return false;
#endif
    // A file system without the flag: look first (a vault that appears in between is unlikely, as
    // only a start-up moves it).
    if (QFileInfo::exists(to)) {
        errno = EEXIST;
        return false;
    }
    return std::rename(source.constData(), target.constData()) == 0;
}

void syncFolder(const QString& folder) {
#ifdef Q_OS_UNIX
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
#else
    Q_UNUSED(folder);
#endif
}

} // namespace

void setVaultMoveFaultHook(std::function<bool(VaultMoveStep)> hook) {
    moveFaultHook() = std::move(hook);
}

QString moveOldVault(const QString& oldFolder, const QString& folder) {
    const QString name = QLatin1String(VaultFileName);
    const QString from = inFolder(oldFolder, name), to = inFolder(folder, name);
    for (const char* journal : {"-journal", "-wal"})
        if (QFileInfo::exists(from + QLatin1String(journal)))
            return QCoreApplication::translate("VaultFile", "a write to it was not finished");
    if (!stepRuns(VaultMoveStep::MakeFolder) || !makeOwnerOnlyFolder(folder)) return systemError();
    // Earlier versions made this folder open to others; it now holds the vault itself.
    if (!QFileInfo(folder).isSymLink()) QFile::setPermissions(folder, OwnerOnlyFolder);
    if (!stepRuns(VaultMoveStep::Rename) || !renameNoReplace(from, to)) return systemError();
    // From here on the vault is in its new place; what follows only tidies up.
    if (stepRuns(VaultMoveStep::SyncFolders)) {
        syncFolder(folder);
        syncFolder(oldFolder);
    }
    if (stepRuns(VaultMoveStep::RemoveOldFolder)) QDir().rmdir(oldFolder);
    return {};
}

bool makeVaultFromTemplate(const QString& templateFile, const QString& vaultFile) {
    QFile source(templateFile);
    if (QFileInfo::exists(vaultFile) || !source.open(QIODevice::ReadOnly)) return false;
    const QByteArray bytes = source.readAll();
    if (source.error() != QFileDevice::NoError || !makeOwnerOnlyFolder(QFileInfo(vaultFile).path()))
        return false;

    const QString building = vaultFile + QStringLiteral(".new");
    QFile::remove(building);
    QFile target(building);
    const bool written = target.open(QIODevice::WriteOnly | QIODevice::NewOnly, OwnerOnlyFile) &&
                         target.write(bytes) == bytes.size() && target.flush();
    target.close();
    // rename() never replaces a vault that appeared meanwhile.
    if (written && target.error() == QFileDevice::NoError && QFile::rename(building, vaultFile)) return true;
    QFile::remove(building);
    return false;
}

QString defaultPrintFolder() {
#ifdef Q_OS_UNIX
    const QString base = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
#else
    const QString base = QStandardPaths::writableLocation(QStandardPaths::TempLocation);
#endif
    return base.isEmpty() ? QString() : inFolder(base, QStringLiteral("quorlane-print"));
}

QString printPagePath(const char* name) {
    if (storeState().printFolder.isEmpty()) throw printFolderFailure();
    if (!QFileInfo::exists(storeState().printFolder) &&
        !QDir().mkdir(storeState().printFolder, OwnerOnlyFolder))
        throw printFolderFailure();
    // A folder that was there already must still be the user's own and closed to others.
    if (!QFileInfo(storeState().printFolder).isSymLink())
        QFile::setPermissions(storeState().printFolder, OwnerOnlyFolder);
    if (!isPrivateFolder(storeState().printFolder)) throw printFolderFailure();
    return inFolder(storeState().printFolder, QLatin1String(name));
}

void removePrintPage(const QString& page) {
    QFile::remove(page);
    if (!storeState().printFolder.isEmpty()) QDir().rmdir(storeState().printFolder);
}

void removeStalePrintPages() {
    for (const char* name : {EntryPageName, ListingPageName}) {
        if (!storeState().printFolder.isEmpty() && !QFileInfo(storeState().printFolder).isSymLink())
            QFile::remove(inFolder(storeState().printFolder, QLatin1String(name)));
        QFile::remove(inFolder(storeState().appFolder, QLatin1String(name)));
    }
    if (!storeState().printFolder.isEmpty()) QDir().rmdir(storeState().printFolder);
}
