#include "vaultclaim.h"

#include "logincontroller.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QPointer>
#include <QStandardPaths>
#include <QThread>
#include <memory>

namespace {

constexpr char RaiseRequest[] = "raise\n";

struct Claim {
    QString vault;
    std::unique_ptr<QLockFile> lock;
    QPointer<QLocalServer> server;
};
Claim& held() {
    static Claim claim;
    return claim;
}

QString realPath(const QString& vaultPath) {
    const QFileInfo info(vaultPath);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? info.absoluteFilePath() : canonical;
}

QString claimBase(const QString& vaultPath) {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) folder = QDir::tempPath();
    const QByteArray hash =
        QCryptographicHash::hash(realPath(vaultPath).toUtf8(), QCryptographicHash::Sha256).toHex().left(24);
    return folder + QStringLiteral("/quorlane-") + QString::fromLatin1(hash);
}

QString socketPath(const QString& vaultPath) {
    return claimBase(vaultPath) + QStringLiteral(".socket");
}

void listen(Claim& claim) {
    const QString path = socketPath(claim.vault);
    // The lock is ours: a socket left there belongs to a program that is gone.
    QLocalServer::removeServer(path);
    auto* server = new QLocalServer(QCoreApplication::instance());
    server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server->listen(path)) {
        delete server;
        return;
    }
    QObject::connect(server, &QLocalServer::newConnection, server, [server] {
        while (QLocalSocket* socket = server->nextPendingConnection()) {
            QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            QObject::connect(socket, &QLocalSocket::readyRead, socket, [socket] {
                if (!socket->canReadLine()) return;
                if (socket->readLine() == RaiseRequest)
                    QMetaObject::invokeMethod(
                        qApp, [] { loginController().comeToFront(); }, Qt::QueuedConnection);
                socket->disconnectFromServer();
            });
        }
    });
    claim.server = server;
}

// Asks the program holding the lock to come to the front; it may still be starting, so it is
// asked again for a while.
void askToComeToFront(const QString& vaultPath) {
    const QDeadlineTimer deadline(10000);
    while (!deadline.hasExpired()) {
        QLocalSocket socket;
        socket.connectToServer(socketPath(vaultPath));
        if (socket.waitForConnected(1000)) {
            socket.write(RaiseRequest);
            if (socket.waitForBytesWritten(1000)) {
                socket.waitForDisconnected(1000);
                return;
            }
        }
        QThread::msleep(100);
    }
}

} // namespace

QString vaultClaimLockPath(const QString& vaultPath) {
    return claimBase(vaultPath) + QStringLiteral(".lock");
}

bool claimVault(const QString& vaultPath) {
    Claim& claim = held();
    const QString vault = realPath(vaultPath);
    if (claim.lock && claim.vault == vault) return true;
    releaseVaultClaim();
    auto lock = std::make_unique<QLockFile>(vaultClaimLockPath(vaultPath));
    // Only a lock whose program is gone is stale, however long the first one runs.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0)) {
        if (lock->error() == QLockFile::LockFailedError) {
            askToComeToFront(vaultPath);
            return false;
        }
        // No lock can be made (no runtime folder): the program runs without one.
        return true;
    }
    claim.vault = vault;
    claim.lock = std::move(lock);
    listen(claim);
    return true;
}

void releaseVaultClaim() {
    Claim& claim = held();
    delete claim.server.data();
    claim.lock.reset();
    claim.vault.clear();
}
