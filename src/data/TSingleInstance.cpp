#include "data/TSingleInstance.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QThread>

namespace {

const QByteArray Activate = "activate\n";
const QByteArray Done = "ok\n";
// Between two tries to reach a program that is still starting.
constexpr int RetryMs = 50;

// The file's full path with links resolved, so that every way of naming one file means one program.
QString realPath(const QString& dataFile)
{
    const QFileInfo file(dataFile);
    const QString path = file.canonicalFilePath();
    if (!path.isEmpty())
        return path;
    // A file that is not there yet: its folder's real path and its name.
    const QString folder = file.absoluteDir().canonicalPath();
    return folder.isEmpty() ? file.absoluteFilePath() : QDir(folder).filePath(file.fileName());
}

} // namespace

TSingleInstance::TSingleInstance(const QString& dataFile, QObject* parent)
    : QObject(parent)
    , m_dataFile(dataFile)
{}

TSingleInstance::~TSingleInstance()
{
    if (m_server != nullptr)
        m_server->close();
}

QString TSingleInstance::lockFileFor(const QString& dataFile)
{
    return realPath(dataFile) + QStringLiteral(".lock");
}

QString TSingleInstance::serverNameFor(const QString& dataFile)
{
    const QByteArray hash =
        QCryptographicHash::hash(realPath(dataFile).toUtf8(), QCryptographicHash::Sha256).toHex().left(32);
    return QStringLiteral("tavrin-budget-") + QString::fromLatin1(hash);
}

TSingleInstance::Claim TSingleInstance::claim(int waitMs)
{
    const QDeadlineTimer deadline(waitMs);
    m_lock = std::make_unique<QLockFile>(lockFileFor(m_dataFile));
    // Only the lock of a program that is gone is stale, never one that is merely old: the program
    // holds it for as long as it runs.
    m_lock->setStaleLockTime(0);
    for (;;) {
        if (m_lock->tryLock(0)) {
            listen();
            return Claim::First;
        }
        if (m_lock->error() != QLockFile::LockFailedError) {
            // No lock file can be made (a read-only folder): the program opens the file unguarded,
            // and the open says what is wrong with the folder.
            m_lock.reset();
            return handOver(int(deadline.remainingTime())) ? Claim::HandedOver : Claim::First;
        }
        if (handOver(int(deadline.remainingTime())))
            return Claim::HandedOver;
        if (deadline.hasExpired())
            return Claim::NoAnswer;
        QThread::msleep(RetryMs);
    }
}

bool TSingleInstance::handOver(int waitMs) const
{
    const QDeadlineTimer deadline(waitMs);
    QLocalSocket socket;
    socket.connectToServer(serverNameFor(m_dataFile));
    if (!socket.waitForConnected(int(deadline.remainingTime())))
        return false;
    socket.write(Activate);
    if (!socket.waitForBytesWritten(int(deadline.remainingTime())))
        return false;
    // The other program answers from its event loop, which may not run yet while it starts.
    while (!socket.canReadLine()) {
        if (!socket.waitForReadyRead(int(deadline.remainingTime())))
            return false;
    }
    return socket.readLine() == Done;
}

bool TSingleInstance::listen()
{
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, &TSingleInstance::answer);
    const QString name = serverNameFor(m_dataFile);
    if (m_server->listen(name))
        return true;
    // A socket left by a program that crashed: the lock is this program's, so the name is too.
    QLocalServer::removeServer(name);
    return m_server->listen(name);
}

void TSingleInstance::answer()
{
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        auto reply = [this, socket] {
            if (!socket->canReadLine())
                return;
            if (socket->readLine() == Activate) {
                socket->write(Done);
                socket->flush();
                emit activationRequested();
            }
            socket->disconnectFromServer();
        };
        connect(socket, &QLocalSocket::readyRead, this, reply);
        // The request may have arrived with the connection.
        reply();
    }
}
