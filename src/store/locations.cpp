#include "locations.h"

#include "globals.h"
#include "printpage.h"
#include "vault.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#ifdef Q_OS_UNIX
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
                QDir::toNativeSeparators(PrintFolder)};
}

} // namespace

QString installDataFolder(const QString& programFolder) {
    return QDir::cleanPath(programFolder + QStringLiteral("/../share/quorlane"));
}

QString deliveredFile(const QString& name) {
    const QString beside = inFolder(AppFolder, name);
    return QFileInfo::exists(beside) ? beside : inFolder(installDataFolder(AppFolder), name);
}

VaultPlace findVault(const QString& programFolder, const QString& userFolder) {
    const QString name = QLatin1String(VaultFileName);
    // Without a data folder (no home) only the place beside the program is left.
    if (QFileInfo::exists(inFolder(programFolder, name)) || userFolder.isEmpty()) return {programFolder, {}};
    const QString delivered = inFolder(installDataFolder(programFolder), name);
    if (QFileInfo::exists(inFolder(userFolder, name)) || !QFileInfo::exists(delivered))
        return {userFolder, {}};
    return {userFolder, delivered};
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
    if (PrintFolder.isEmpty()) throw printFolderFailure();
    if (!QFileInfo::exists(PrintFolder) && !QDir().mkdir(PrintFolder, OwnerOnlyFolder))
        throw printFolderFailure();
    // A folder that was there already must still be the user's own and closed to others.
    if (!QFileInfo(PrintFolder).isSymLink()) QFile::setPermissions(PrintFolder, OwnerOnlyFolder);
    if (!isPrivateFolder(PrintFolder)) throw printFolderFailure();
    return inFolder(PrintFolder, QLatin1String(name));
}

void removePrintPage(const QString& page) {
    QFile::remove(page);
    if (!PrintFolder.isEmpty()) QDir().rmdir(PrintFolder);
}

void removeStalePrintPages() {
    for (const char* name : {EntryPageName, ListingPageName}) {
        if (!PrintFolder.isEmpty() && !QFileInfo(PrintFolder).isSymLink())
            QFile::remove(inFolder(PrintFolder, QLatin1String(name)));
        QFile::remove(inFolder(AppFolder, QLatin1String(name)));
    }
    if (!PrintFolder.isEmpty()) QDir().rmdir(PrintFolder);
}
