#include "app/SingleInstance.h"

#include "recovery/RecoverySession.h"

#include <QDataStream>
#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QLockFile>

#include <unistd.h>

namespace {

const QByteArray Greeting = QByteArrayLiteral("corvanta-open-1");
const QByteArray Taken = QByteArrayLiteral("ok");
constexpr int ConnectMs = 2000;
constexpr int AnswerMs = 15000;
constexpr int LockMs = 15000;
// Longer socket paths do not fit the address of a local socket.
constexpr int LongestSocketPath = 100;

QString lockPath(const QString& name)
{
    const QString path = QDir::isAbsolutePath(name) ? name : QDir::tempPath() + u'/' + name;
    return path + QStringLiteral(".lock");
}

} // namespace

SingleInstance::SingleInstance(const QString& dataFolder, QObject* parent)
    : QObject(parent), m_name(socketName(dataFolder))
{
    connect(&m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = m_server.nextPendingConnection())
            answer(socket);
    });
}

QString SingleInstance::socketName(const QString& dataFolder)
{
    const QString name =
        QStringLiteral("corvanta-%1-%2").arg(getuid()).arg(RecoverySession::keyOf(dataFolder));
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    const QString path = runtime + u'/' + name;
    if (QDir::isAbsolutePath(runtime) && QFileInfo(runtime).isDir() &&
        path.toLocal8Bit().size() <= LongestSocketPath)
        return path;
    return name;
}

SingleInstance::Start SingleInstance::start(const QStringList& documents)
{
    // Two starts at once: the second waits until the first listens.
    QLockFile lock(lockPath(m_name));
    lock.tryLock(LockMs);
    QLocalSocket socket;
    socket.connectToServer(m_name);
    if (socket.waitForConnected(ConnectMs))
        return handOver(socket, documents) ? Start::HandedOver : Start::NoAnswer;
    QLocalServer::removeServer(m_name); // left by a program that did not end normally
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    m_server.listen(m_name); // a program that cannot listen still runs, unreachable
    return Start::First;
}

bool SingleInstance::handOver(QLocalSocket& socket, const QStringList& documents)
{
    QByteArray message;
    QDataStream out(&message, QIODevice::WriteOnly);
    out << Greeting << documents;
    socket.write(message);
    if (!socket.waitForBytesWritten(AnswerMs))
        return false;
    QByteArray reply;
    while (reply.size() < Taken.size() && socket.waitForReadyRead(AnswerMs))
        reply += socket.readAll();
    return reply.startsWith(Taken);
}

void SingleInstance::answer(QLocalSocket* socket)
{
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
        QDataStream in(socket);
        in.startTransaction();
        QByteArray greeting;
        QStringList paths;
        in >> greeting >> paths;
        if (!in.commitTransaction())
            return; // the rest is still on its way
        if (greeting != Greeting) {
            socket->abort();
            return;
        }
        socket->write(Taken);
        socket->flush();
        emit documentsArrived(paths);
    });
}
