#include "conflictcopy.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

bool isConflictCopyName(const QString& vaultName, const QString& name) {
    const QFileInfo vault(vaultName);
    const QString base = QRegularExpression::escape(vault.completeBaseName());
    const QString suffix = vault.suffix().isEmpty()
                               ? QString()
                               : QStringLiteral("\\.") + QRegularExpression::escape(vault.suffix());
    // Syncthing, then the "conflicted copy" of Dropbox-like tools, then the "_conflict-" of others.
    static const QStringList shapes = {QStringLiteral("%1\\.sync-conflict-[^/]+%2"),
                                       QStringLiteral("%1 \\([^/]*conflicted copy[^/]*\\)%2"),
                                       QStringLiteral("%1_conflict-[^/]+%2")};
    for (const QString& shape : shapes) {
        const QRegularExpression pattern(QRegularExpression::anchoredPattern(shape.arg(base, suffix)),
                                         QRegularExpression::CaseInsensitiveOption);
        if (pattern.match(name).hasMatch()) return true;
    }
    return false;
}

QStringList conflictCopiesOf(const QString& vaultPath) {
    const QFileInfo vault(vaultPath);
    QStringList copies;
    const QDir folder = vault.absoluteDir();
    for (const QString& name : folder.entryList(QDir::Files | QDir::Hidden, QDir::Name))
        if (isConflictCopyName(vault.fileName(), name)) copies << folder.filePath(name);
    return copies;
}
