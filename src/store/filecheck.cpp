#include "filecheck.h"

#include "checkahead.h"

#include "statements.h"
#include "vault.h"
#include "vaultfile.h"
#include "vaultkey.h"
#include "vaultrules/vaultrules.h"

#include <sqlcipher/sqlite3.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <memory>
#include <optional>
#include <sys/stat.h>

namespace {

constexpr char CheckerName[] = "quorlane-vaultcheck";
// Generous: the checker reads every page once, and the machine may be busy.
constexpr int CheckerWaitMs = 60000;

// What tells one state of a file from another: a replaced file has another inode, a written one
// another size or change time.
struct Fingerprint {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    timespec modified{};
    timespec changed{};
    bool operator==(const Fingerprint& other) const {
        return device == other.device && inode == other.inode && size == other.size &&
               modified.tv_sec == other.modified.tv_sec && modified.tv_nsec == other.modified.tv_nsec &&
               changed.tv_sec == other.changed.tv_sec && changed.tv_nsec == other.changed.tv_nsec;
    }
};

std::optional<Fingerprint> fingerprintOf(const QString& path) {
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0) return std::nullopt;
    return Fingerprint{info.st_dev, info.st_ino, info.st_size, info.st_mtim, info.st_ctim};
}

// The last file checked and what came of it.
struct Checked {
    QString path;
    Fingerprint fingerprint;
    bool keyed = false;
    VaultFileVerdict verdict;
};
std::optional<Checked> lastCheck;
QString checkerOverride;

using Kind = VaultFileVerdict::Kind;

// What the rules said, in the user's language: its wording found among the rules' own and
// translated, the names and numbers it carries put in again. Anything else (SQLite's own words)
// stays as said.
QString inUserLanguage(const QString& said) {
    static const auto patterns = [] {
        std::vector<std::pair<QRegularExpression, std::string_view>> list;
        for (const std::string_view wording : vaultrules::wordings()) {
            QString pattern = QRegularExpression::escape(QString::fromUtf8(wording.data(), wording.size()));
            pattern.replace(QRegularExpression(QStringLiteral("\\\\%\\d")), QStringLiteral("(.*)"));
            list.emplace_back(QRegularExpression(QRegularExpression::anchoredPattern(pattern),
                                                 QRegularExpression::DotMatchesEverythingOption),
                              wording);
        }
        return list;
    }();
    for (const auto& [pattern, wording] : patterns) {
        const QRegularExpressionMatch match = pattern.match(said);
        if (!match.hasMatch()) continue;
        const QString text = QCoreApplication::translate("VaultRules", wording.data());
        switch (match.lastCapturedIndex()) {
        case 0:
            return text;
        case 1:
            return text.arg(match.captured(1));
        default:
            return text.arg(match.captured(1), match.captured(2));
        }
    }
    return said;
}

QString inUserLanguage(const std::string& said) {
    return inUserLanguage(QString::fromStdString(said));
}

// A check started ahead of its use, on the file as it was then.
struct AheadCheck {
    QString path;
    Fingerprint fingerprint;
    std::unique_ptr<QProcess> checker;
};
std::optional<AheadCheck> aheadCheck;

// Ends a check started ahead that nothing will use.
void dropAheadCheck() {
    if (!aheadCheck) return;
    if (aheadCheck->checker && aheadCheck->checker->state() != QProcess::NotRunning) {
        aheadCheck->checker->kill();
        aheadCheck->checker->waitForFinished(CheckerWaitMs);
    }
    aheadCheck.reset();
}

std::unique_ptr<QProcess> startChecker(const QString& program, const QString& path) {
    auto checker = std::make_unique<QProcess>();
    checker->setProgram(program);
    checker->setArguments({path});
    checker->setStandardInputFile(QProcess::nullDevice());
    checker->start(QIODevice::ReadOnly);
    return checker;
}

// The checker's answer on the file at path; a check of it started ahead is taken when the file
// is still as it was then.
VaultFileVerdict runChecker(const QString& path, const Fingerprint& fingerprint) {
    const QString program = vaultCheckerProgram();
    if (program.isEmpty())
        return {Kind::Unchecked,
                QCoreApplication::translate("VaultFile", "the checking program %1 is not installed")
                    .arg(QLatin1String(CheckerName))};
    std::unique_ptr<QProcess> checker;
    if (aheadCheck && aheadCheck->path == path && aheadCheck->fingerprint == fingerprint &&
        aheadCheck->checker->program() == program)
        checker = std::move(aheadCheck->checker);
    dropAheadCheck();
    if (!checker) checker = startChecker(program, path);
    if (!checker->waitForStarted(CheckerWaitMs))
        return {Kind::Unchecked,
                QCoreApplication::translate("VaultFile", "the checking program %1 could not be started")
                    .arg(program)};
    if (!checker->waitForFinished(CheckerWaitMs)) {
        checker->kill();
        checker->waitForFinished(CheckerWaitMs);
        return {Kind::Unchecked, QCoreApplication::translate("VaultFile", "the check did not finish")};
    }
    const QString said = QString::fromUtf8(checker->readAllStandardOutput()).trimmed();
    if (checker->exitStatus() != QProcess::NormalExit)
        return {Kind::Unchecked,
                QCoreApplication::translate("VaultFile", "the checking program stopped without an answer")};
    switch (checker->exitCode()) {
    case 0:
        return {};
    case 1:
        return {Kind::Rejected, inUserLanguage(said)};
    case 2:
        return {Kind::Unreadable, inUserLanguage(said)};
    default:
        return {
            Kind::Unchecked,
            QCoreApplication::translate("VaultFile", "the checking program gave no answer (%1)").arg(said)};
    }
}

std::string utf8(const QString& text) {
    return text.toStdString();
}

// The same rules through SQLCipher, on a connection that holds the key.
VaultFileVerdict keyedCheck(const sqlite::Connection& db, const VaultKey& key, qint64 fileSize) {
    try {
        std::vector<vaultrules::SchemaRow> rows;
        sqlite::Statement schema(db, sql::SelectSchemaRows);
        while (schema.next())
            rows.push_back(
                {utf8(schema.text(0)), utf8(schema.text(1)), utf8(schema.text(2)), utf8(schema.text(3))});
        if (const std::string problem = vaultrules::schemaProblem(rows); !problem.empty())
            return {Kind::Rejected, inUserLanguage(problem)};
        sqlite::Statement pages(db, sql::PageCount);
        pages.next();
        if (const std::string problem = vaultrules::pagesProblem(
                std::uint64_t(key.pageSize()), std::uint64_t(pages.number(0)), std::uint64_t(fileSize));
            !problem.empty())
            return {Kind::Rejected, inUserLanguage(problem)};
        sqlite::Statement check(db, sql::QuickCheck);
        check.next();
        if (const QString result = check.text(0); result != QLatin1String("ok"))
            return {Kind::Rejected,
                    QCoreApplication::translate("VaultFile", "SQLCipher finds it damaged (%1)").arg(result)};
        return {};
    } catch (const VaultFailure& failure) {
        // Another program's lock passes; anything else is the file.
        const qint64 primary = failure.number & 0xff;
        if (failure.source == QLatin1String("SQLite") && (primary == SQLITE_BUSY || primary == SQLITE_LOCKED))
            throw;
        return {Kind::Rejected, QCoreApplication::translate("VaultFile", "SQLCipher finds it damaged (%1)")
                                    .arg(failure.description)};
    }
}

// The verdict on the file as it is now, checked again only when it changed; an encrypted file is
// opened with the key for its check and that connection handed back in opened. checked: the state
// of the file the verdict is about, when there is one.
VaultFileVerdict currentVerdict(const QString& path, const VaultKey* key,
                                std::optional<sqlite::Connection>& opened,
                                std::optional<Fingerprint>* checked = nullptr) {
    const std::optional<Fingerprint> fingerprint = fingerprintOf(path);
    if (!fingerprint) return {}; // missing: opening fails as for any missing vault, and makes nothing
    const bool keyed = key != nullptr;
    if (lastCheck && lastCheck->path == path && lastCheck->keyed == keyed &&
        lastCheck->fingerprint == *fingerprint) {
        if (checked) *checked = fingerprint;
        return lastCheck->verdict;
    }
    VaultFileVerdict verdict;
    if (keyed) {
        opened.emplace(path, key);
        verdict = keyedCheck(*opened, *key, qint64(fingerprint->size));
    } else {
        // Without a key an encrypted file cannot be read at all, by anyone.
        if (readVaultHeader(path).kind == VaultFileKind::Encrypted) return {};
        verdict = runChecker(path, *fingerprint);
        // A file that could not be read now may be readable at the next attempt.
        if (verdict.kind == Kind::Unreadable) return verdict;
    }
    lastCheck = Checked{path, *fingerprint, keyed, verdict};
    if (checked) *checked = fingerprint;
    return verdict;
}

[[noreturn]] void refuse(const QString& path, const VaultFileVerdict& verdict) {
    throw VaultFailure{QStringLiteral("Quorlane"), -1, verdict.report(path)};
}

} // namespace

QString VaultFileVerdict::report(const QString& path) const {
    const QString file = QDir::toNativeSeparators(path);
    switch (kind) {
    case Kind::Passed:
        return {};
    case Kind::Rejected:
        return QCoreApplication::translate("VaultFile", "%1 is not a Quorlane vault: %2.").arg(file, problem);
    case Kind::Unchecked:
        return QCoreApplication::translate("VaultFile",
                                           "%1 was not opened because it could not be checked first: %2.")
            .arg(file, problem);
    case Kind::Unreadable:
        break;
    }
    return QCoreApplication::translate("VaultFile", "%1 cannot be read: %2.").arg(file, problem);
}

sqlite::Connection openCheckedVault(const QString& path, const VaultKey* key) {
    std::optional<sqlite::Connection> opened;
    std::optional<Fingerprint> checked;
    const VaultFileVerdict verdict = currentVerdict(path, key, opened, &checked);
    if (verdict.kind != Kind::Passed) refuse(path, verdict);
    if (!opened) opened.emplace(path, key);
    // The file SQLCipher now holds open must be the one checked: one replaced in between is
    // checked at the next attempt.
    if (checked && fingerprintOf(path) != checked)
        throw VaultFailure{QStringLiteral("Quorlane"), -1,
                           QCoreApplication::translate("VaultFile", "%1 changed while it was checked")
                               .arg(QDir::toNativeSeparators(path))};
    return std::move(*opened);
}

VaultFileVerdict vaultFileVerdict(const QString& path, const VaultKey* key) {
    std::optional<sqlite::Connection> opened;
    try {
        return currentVerdict(path, key, opened);
    } catch (const VaultFailure&) {
        return {}; // not openable at all: every operation reports that itself
    }
}

void requirePlainVaultChecked(const QString& path) {
    std::optional<sqlite::Connection> opened;
    const VaultFileVerdict verdict = currentVerdict(path, nullptr, opened);
    if (verdict.kind != Kind::Passed) refuse(path, verdict);
}

void vaultFileWritten(const QString& path) {
    if (!lastCheck || lastCheck->path != path || lastCheck->verdict.kind != Kind::Passed) return;
    if (const std::optional<Fingerprint> now = fingerprintOf(path)) lastCheck->fingerprint = *now;
}

QString vaultCheckerProgram() {
    if (!checkerOverride.isEmpty()) return checkerOverride;
    const QString folder = QCoreApplication::applicationDirPath();
    for (const QString& candidate :
         {folder + QLatin1Char('/') + QLatin1String(CheckerName),
          folder + QStringLiteral("/../libexec/quorlane/") + QLatin1String(CheckerName)}) {
        const QFileInfo file(candidate);
        if (file.isFile() && file.isExecutable()) return QDir::cleanPath(file.absoluteFilePath());
    }
    return {};
}

void setVaultCheckerProgram(const QString& program) {
    checkerOverride = program;
}

void forgetVaultFileChecks() {
    lastCheck.reset();
    dropAheadCheck();
}

void checkVaultFileAhead(const QString& path) {
    dropAheadCheck();
    const std::optional<Fingerprint> fingerprint = fingerprintOf(path);
    // Nothing to check, or nothing new: an encrypted file is checked with its key.
    if (!fingerprint ||
        (lastCheck && lastCheck->path == path && !lastCheck->keyed &&
         lastCheck->fingerprint == *fingerprint) ||
        readVaultHeader(path).kind == VaultFileKind::Encrypted)
        return;
    const QString program = vaultCheckerProgram();
    if (program.isEmpty()) return;
    aheadCheck = AheadCheck{path, *fingerprint, startChecker(program, path)};
}
