#include "gui/ui/PathHandOver.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>

using namespace Qt::StringLiterals;

namespace Velmora {

PathHandOver::PathHandOver(const QString &folder, QObject *parent)
    : QObject(parent)
    , m_name(serverName(folder))
    , m_server(new QLocalServer(this))
{
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, &PathHandOver::accept);
}

QString PathHandOver::serverName(const QString &folder)
{
    const QByteArray key = QDir::cleanPath(QDir(folder).absolutePath()).toUtf8();
    return u"Velmora-"_s
        + QString::fromLatin1(QCryptographicHash::hash(key, QCryptographicHash::Sha1).toHex().left(16));
}

bool PathHandOver::listen()
{
    if (m_server->isListening())
        return true;
    QLocalServer::removeServer(m_name);
    return m_server->listen(m_name);
}

// One path per connection, in UTF-8: everything the sender wrote before it disconnected.
void PathHandOver::accept()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        const auto received = [this, socket] {
            const QString path = QString::fromUtf8(socket->readAll());
            socket->deleteLater();
            if (!path.isEmpty())
                emit pathReceived(path);
        };
        if (socket->state() == QLocalSocket::ConnectedState)
            connect(socket, &QLocalSocket::disconnected, this, received);
        else
            received();
    }
}

bool PathHandOver::send(const QString &folder, const QString &path, int timeoutMs)
{
    QLocalSocket socket;
    socket.connectToServer(serverName(folder));
    if (!socket.waitForConnected(timeoutMs))
        return false;
    socket.write(path.toUtf8());
    if (!socket.waitForBytesWritten(timeoutMs))
        return false;
    socket.disconnectFromServer();
    return socket.state() == QLocalSocket::UnconnectedState || socket.waitForDisconnected(timeoutMs);
}

} // namespace Velmora
