#include "app/SingleInstance.h"

#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QPointer>

#include <unistd.h>

#include <cstdlib>

#include "platform/DisplayPlatform.h"

namespace nira {

namespace {

// One line each way: the words, then the window's "ok".
constexpr char kAnswer[] = "ok\n";
// Enough for any words a command line holds; more is cut.
constexpr qint64 kMaxMessage = 64 * 1024;
// A window that is there accepts at once; a stale socket refuses at once.
constexpr int kProbeTimeoutMs = 1000;

QString RuntimeFolder() {
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QDir(QString::fromLocal8Bit(runtime)).exists())
        return QString::fromLocal8Bit(runtime);
    return QString();
}

}  // namespace

QString InstanceSocketPath(const QString& platformName) {
    const std::string key = DisplayKey(platformName.toStdString(), std::getenv("WAYLAND_DISPLAY"),
                                       std::getenv("DISPLAY"));
    const QString name = QStringLiteral("nira-%1.socket").arg(QString::fromStdString(key));
    const QString runtime = RuntimeFolder();
    if (!runtime.isEmpty()) return QDir(runtime).filePath(name);
    return QDir(QDir::tempPath())
        .filePath(QStringLiteral("nira-%1-%2").arg(getuid()).arg(name));
}

bool HandToRunningInstance(const QString& path, const QString& words, int timeoutMs) {
    QLocalSocket socket;
    socket.connectToServer(path);
    if (!socket.waitForConnected(timeoutMs)) return false;
    socket.write(words.toUtf8().left(kMaxMessage - 1) + '\n');
    if (!socket.waitForBytesWritten(timeoutMs)) return false;
    while (!socket.canReadLine()) {
        if (!socket.waitForReadyRead(timeoutMs)) return false;
    }
    return socket.readLine() == kAnswer;
}

CInstanceServer::CInstanceServer(QObject* parent) : QObject(parent) {
    m_server = new QLocalServer(this);
    // Only this user may talk to the window.
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, &CInstanceServer::OnNewConnection);
}

CInstanceServer::~CInstanceServer() {
    m_server->close();  // removes the socket file
}

// A live window answers on its socket, a stale socket does not. (Listening
// alone would not tell: with access options Qt puts its socket in place by
// renaming it over whatever is there.)
bool CInstanceServer::Listen(const QString& path) {
    if (QFileInfo::exists(path)) {
        QLocalSocket probe;
        probe.connectToServer(path);
        if (probe.waitForConnected(kProbeTimeoutMs)) return false;
        QLocalServer::removeServer(path);
    }
    return m_server->listen(path);
}

// Reads the one line a later start sends, answers and hangs up. A client
// that sends nothing is dropped when it disconnects.
void CInstanceServer::OnNewConnection() {
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        QPointer<QLocalSocket> guard(socket);
        auto readLine = [this, guard] {
            if (!guard) return;
            if (!guard->canReadLine()) {
                if (guard->bytesAvailable() >= kMaxMessage) guard->abort();
                return;
            }
            QByteArray line = guard->readLine(kMaxMessage);
            line.chop(line.endsWith('\n') ? 1 : 0);
            guard->write(kAnswer);
            guard->flush();
            guard->disconnectFromServer();
            emit WordsHanded(QString::fromUtf8(line));
        };
        connect(socket, &QLocalSocket::readyRead, this, readLine);
        readLine();
    }
}

}  // namespace nira
