#include "app/SingleWindow.h"

#include "resources/Logging.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QWidget>

namespace kivra {
namespace {
const QByteArray RaiseRequest = QByteArrayLiteral("raise\n");
const QByteArray Raised = QByteArrayLiteral("raised\n");
} // namespace

bool RaiseRunningWindow(const QString& serverName, int timeoutMs)
{
    QLocalSocket socket;
    socket.connectToServer(serverName);
    if (!socket.waitForConnected(timeoutMs))
        return false;
    socket.write(RaiseRequest);
    if (!socket.waitForBytesWritten(timeoutMs))
        return false;
    while (socket.bytesAvailable() < Raised.size())
        if (!socket.waitForReadyRead(timeoutMs))
            return false;
    return socket.readAll().startsWith(Raised);
}

void ListenForLaterStarts(const QString& serverName, QWidget* window)
{
    auto* server = new QLocalServer(window);
    server->setSocketOptions(QLocalServer::UserAccessOption);
    // The caller holds the folder's lock, so a socket left under this name belongs to a copy that died.
    QLocalServer::removeServer(serverName);
    if (!server->listen(serverName)) {
        qCWarning(lcApp).noquote() << "Later starts cannot reach this window:" << server->errorString();
        return;
    }
    QObject::connect(server, &QLocalServer::newConnection, window, [server, window] {
        while (QLocalSocket* socket = server->nextPendingConnection()) {
            QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            QObject::connect(socket, &QLocalSocket::readyRead, window, [socket, window] {
                if (!socket->canReadLine() || socket->readLine() != RaiseRequest)
                    return;
                window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
                window->show();
                window->raise();
                window->activateWindow();
                socket->write(Raised);
                socket->flush();
            });
        }
    });
}

} // namespace kivra
