#include "SingleInstance.h"

#include <QCryptographicHash>
#include <QGuiApplication>
#include <QLocalSocket>
#include <QStandardPaths>
#include <unistd.h>
#include <utility>

namespace {

constexpr int kConnectTimeoutMs = 1000;

} // namespace

SingleInstance::SingleInstance(const QString& programName)
{
    // The socket lives in the user's private runtime folder; the name tells users,
    // displays and platforms apart.
    const QByteArray session = qgetenv("WAYLAND_DISPLAY") + '|' + qgetenv("DISPLAY") + '|' +
                               QGuiApplication::platformName().toUtf8();
    const QString sessionHash = QString::fromLatin1(
        QCryptographicHash::hash(session, QCryptographicHash::Sha1).toHex().left(12));
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    m_serverName =
        QStringLiteral("%1/%2-%3-%4").arg(folder, programName).arg(::getuid()).arg(sessionHash);
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
}

bool SingleInstance::activateRunningInstance()
{
    QLocalSocket socket;
    socket.connectToServer(m_serverName);
    if (!socket.waitForConnected(kConnectTimeoutMs))
        return false;
    socket.write("raise\n");
    socket.waitForBytesWritten(kConnectTimeoutMs);
    return true;
}

void SingleInstance::listen(std::function<void()> raise)
{
    // A socket left by an instance that crashed would block the name.
    QLocalServer::removeServer(m_serverName);
    if (!m_server.listen(m_serverName))
        return;
    connect(&m_server, &QLocalServer::newConnection, this, [this, raise = std::move(raise)] {
        while (QLocalSocket* socket = m_server.nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            raise();
        }
    });
}
