#include "shell/single_instance_ui.h"

#include <unistd.h>

#include <QApplication>
#include <QCryptographicHash>
#include <QLocalServer>
#include <QLocalSocket>
#include <QWidget>

#include "platform/dialogs.h"
#include "platform/window_registry.h"
#include "shell/file_open_ui.h"

namespace {

// One path a line, in UTF-8; the running program answers "ok" once it has it.
constexpr qint64 kMaxMessage = 64 * 1024;

void bringToFront(QWidget* w) {
    if (!w) return;
    if (w->isMinimized()) w->setWindowState(w->windowState() & ~Qt::WindowMinimized);
    w->raise();
    w->activateWindow();
}

}  // namespace

QString InstanceName(const QString& programFolder, const QString& display) {
    const QByteArray key = QByteArray::number(static_cast<qulonglong>(getuid())) + '\n' +
                           display.toUtf8() + '\n' + programFolder.toUtf8();
    return QStringLiteral("vantora95-") +
           QString::fromLatin1(
               QCryptographicHash::hash(key, QCryptographicHash::Sha256).toHex().left(16));
}

bool HandToRunningProgram(const QString& name, const QString& path, int waitMs) {
    QLocalSocket socket;
    socket.connectToServer(name);
    if (!socket.waitForConnected(waitMs)) return false;
    socket.write(path.toUtf8() + '\n');
    if (!socket.waitForBytesWritten(waitMs)) return false;
    // Taken only when the running program says so: otherwise this start goes on by itself.
    while (!socket.canReadLine())
        if (!socket.waitForReadyRead(waitMs)) return false;
    return socket.readLine().trimmed() == "ok";
}

bool ListenForLaterStarts(const QString& name, QObject* owner,
                          std::function<void(const QString&)> received) {
    // No socket options: with them the socket is made elsewhere and renamed into place, over
    // a running program's. Without, only this user can connect (the umask leaves others no
    // write permission on it).
    auto* server = new QLocalServer(owner);
    if (!server->listen(name)) {
        // Someone answers on it: a program runs. Nobody does: a crashed program left it behind.
        QLocalSocket probe;
        probe.connectToServer(name);
        if (probe.waitForConnected(500)) {
            delete server;
            return false;
        }
        QLocalServer::removeServer(name);
        if (!server->listen(name)) {
            delete server;
            return true;  // no hand-over then, but the program runs
        }
    }
    QObject::connect(server, &QLocalServer::newConnection, server, [server, received] {
        while (QLocalSocket* socket = server->nextPendingConnection()) {
            QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            auto readPath = [socket, received] {
                if (!socket->canReadLine()) {
                    if (socket->bytesAvailable() > kMaxMessage) socket->abort();
                    return;
                }
                QByteArray line = socket->readLine(kMaxMessage);
                if (line.endsWith('\n')) line.chop(1);
                const QString path = QString::fromUtf8(line);
                socket->write("ok\n");
                socket->flush();
                socket->disconnectFromServer();
                // The second process ends at once; the file opens after it has its answer.
                QMetaObject::invokeMethod(
                    qApp, [received, path] { received(path); }, Qt::QueuedConnection);
            };
            QObject::connect(socket, &QLocalSocket::readyRead, socket, readPath);
            if (socket->canReadLine()) readPath();  // it came with the connection
        }
    });
    return true;
}

void OpenHandedOverFile(const QString& path) {
    if (QWidget* modal = QApplication::activeModalWidget()) {
        bringToFront(modal);
        if (!path.isEmpty()) dialogs::beep();
        return;
    }
    const QString tool = ToolForFile(path);
    const bool free = Windows().visible(QStringLiteral("MenuMain")) ||
                      (!tool.isEmpty() && Windows().visible(tool));
    if (!path.isEmpty() && free) {
        OpenFileInItsTool(path, QString());
    } else if (!path.isEmpty()) {
        dialogs::beep();
    }
    if (QApplication::activeModalWidget()) return;  // a message of the tool's is up, in front
    bringToFront(dialogs::ownerWindow());
}
