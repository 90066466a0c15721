#include "vaultfile.h"

#include "codec.h"
#include "filecheck.h"
#include "sqlite.h"
#include "statements.h"
#include "vault.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <unistd.h>

namespace {

static_assert(VaultPageSize == 16384, "sql::LargePages and sql::CopyLargePages name the page size");

constexpr char PlainHeader[] = "SQLite format 3"; // and its NUL: 16 bytes

ReencryptFaultHook& faultHook() {
    static ReencryptFaultHook hook;
    return hook;
}

static_assert(EarlierVaultPageSize == 1024, "sql::CopyEarlierKeyPageSize names the earlier page size");

// The statement giving an encrypted copy its key's page size.
const char* copyPageSize(int bytes) {
    return bytes == EarlierVaultPageSize ? sql::CopyEarlierKeyPageSize : sql::CopyKeyPageSize;
}

void step(ReencryptStep which) {
    if (faultHook() && faultHook()(which))
        throw VaultFailure{QStringLiteral("Quorlane"), -1, QStringLiteral("Injected failure")};
}

[[noreturn]] void failFile(const QString& what) {
    const int error = errno;
    throw VaultFailure{QStringLiteral("File"), error,
                       what + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(error))};
}

// Runs one statement to its end; bound texts are handed over without a copy.
void run(const sqlite::Connection& db, const char* statement,
         std::initializer_list<QByteArrayView> texts = {}) {
    sqlite::Statement prepared(db, statement);
    int position = 0;
    for (const QByteArrayView text : texts)
        prepared.bind(++position, text);
    while (prepared.next()) {
    }
}

sqlite::Connection openExisting(const QString& path, const VaultKey* key) {
    sqlite::Connection db(path, key);
    // A wrong key or a damaged first page shows on the first read.
    run(db, sql::CheckKey);
    return db;
}

// The copy is made owner-only before SQLite writes into it (SQLite gives its journal the same
// permissions).
void createOwnerOnly(const QString& path) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0600);
    if (fd < 0) failFile(QStringLiteral("create ") + path);
    ::close(fd);
}

bool syncPath(const QString& path, int flags) {
    const int fd = ::open(QFile::encodeName(path).constData(), flags | O_CLOEXEC);
    if (fd < 0) return false;
    const bool synced = ::fsync(fd) == 0;
    const int error = errno;
    ::close(fd);
    errno = error;
    return synced;
}

// The file a vault path names: a link is followed (a vault linked into a synced folder), so the
// file is replaced where it lies and the link stays a link.
QString realFile(const QString& path) {
    const QFileInfo info(path);
    const QString target = info.isSymLink() ? info.canonicalFilePath() : QString();
    return target.isEmpty() ? path : target;
}

} // namespace

VaultFileHeader readVaultHeader(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QByteArray start = file.read(qint64(VaultSaltBytes));
    VaultFileHeader header;
    if (start.isEmpty() || start == QByteArrayView(PlainHeader, sizeof PlainHeader)) {
        header.kind = VaultFileKind::Plain;
    } else {
        header.kind = VaultFileKind::Encrypted;
        std::memcpy(header.salt.data(), start.constData(), std::size_t(start.size()));
    }
    return header;
}

bool keyOpensVault(const QString& path, VaultKey& key) {
    // The page size of today's vaults first: a page of the other size fails the page check.
    for (const int pageSize : {VaultPageSize, EarlierVaultPageSize}) {
        key.setPageSize(pageSize);
        try {
            openExisting(path, &key);
            return true;
        } catch (const VaultFailure&) {
        }
    }
    key.setPageSize(VaultPageSize);
    return false;
}

QString reencryptionCopyPath(const QString& vaultPath) {
    return realFile(vaultPath) + QStringLiteral(".new");
}

void removeStaleReencryption(const QString& vaultPath) {
    const QString copy = reencryptionCopyPath(vaultPath);
    QFile::remove(copy + QStringLiteral("-journal"));
    QFile::remove(copy);
}

void reencryptVault(const QString& vaultPath, const VaultKey* from, const VaultKey* to,
                    const ReencryptAdjust& adjust) {
    const QString target = realFile(vaultPath);
    const QString copy = reencryptionCopyPath(target);
    removeStaleReencryption(target);
    bool renamed = false;
    // Holds the vault's write lock from before the copy until the copy has taken its place: a
    // change another program saves meanwhile waits, and then finds the file replaced. Inside a
    // write of the repository the write's own connection holds it.
    std::optional<sqlite::Connection> holder;
    try {
        step(ReencryptStep::Open);
        if (!from) requirePlainVaultChecked(vaultPath);
        if (!vaultWriteLockHeld()) {
            holder.emplace(target, from);
            holder->execute(sql::BeginWrite);
            if (vaultChangedOutside()) throw VaultChangedOutside{};
        }
        std::optional<sqlite::Connection> db = openExisting(target, from);
        step(ReencryptStep::Create);
        createOwnerOnly(copy);
        step(ReencryptStep::Attach);
        // An attached file without KEY would take the vault's key: a plain copy says KEY ''.
        const QByteArray copyName = QFile::encodeName(copy);
        run(*db, sql::AttachCopy,
            {copyName, to ? QByteArrayView(to->keyText(), to->keyTextSize()) : QByteArrayView("")});
        // An encrypted copy takes its key's page size; a plain copy the same large pages as a
        // new plain vault, so a vault of smaller pages moves to them here.
        run(*db, to ? copyPageSize(to->pageSize()) : sql::CopyLargePages);
        step(ReencryptStep::Export);
        run(*db, sql::ExportToCopy);
        step(ReencryptStep::Adjust);
        if (adjust) adjust(*db);
        step(ReencryptStep::Detach);
        run(*db, sql::DetachCopy);
        db.reset();
        step(ReencryptStep::SyncFile);
        if (!syncPath(copy, O_RDWR)) failFile(QStringLiteral("sync ") + copy);
        step(ReencryptStep::Rename);
        if (std::rename(QFile::encodeName(copy).constData(), QFile::encodeName(target).constData()) != 0)
            failFile(QStringLiteral("rename ") + copy);
        renamed = true;
        holder.reset();
        step(ReencryptStep::SyncFolder);
        // The rename is what every later read sees; the sync makes it survive a power loss.
        syncPath(QFileInfo(target).absolutePath(), O_RDONLY | O_DIRECTORY);
    } catch (const VaultFailure&) {
        holder.reset();
        if (!renamed) {
            removeStaleReencryption(target);
            throw;
        }
    } catch (const VaultChangedOutside&) {
        holder.reset();
        removeStaleReencryption(target);
        throw;
    }
}

void reencryptWithLogin(const QString& vaultPath, const VaultKey* from, const VaultKey* to,
                        const QString& retries) {
    reencryptVault(vaultPath, from, to, [to, &retries](const sqlite::Connection& db) {
        const QByteArray blank = EncodeValue(QStringLiteral(" ")).toUtf8();
        const QByteArray retryText = retries.toUtf8();
        run(db, sql::InsertCopyLogin);
        run(db, sql::UpdateCopyLogin, {to ? "1" : "0", blank, retryText});
    });
}

void setReencryptFaultHook(ReencryptFaultHook hook) {
    faultHook() = std::move(hook);
}
