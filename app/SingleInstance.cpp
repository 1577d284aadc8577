#include "app/SingleInstance.h"

#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QPointer>

#include "platform/InstanceSocket.h"

namespace nira {

namespace {

// A window that is there accepts at once; a stale socket refuses at once.
constexpr int kProbeTimeoutMs = 1000;

}  // namespace

QString InstanceSocketPath(const QString& platformName) {
    return QString::fromStdString(WindowSocketPath(platformName.toStdString()));
}

bool HandToRunningInstance(const QString& path, const QString& words, int timeoutMs) {
    return HandWordsToWindow(path.toStdString(), words.toUtf8().toStdString(), timeoutMs);
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
                if (guard->bytesAvailable() >= static_cast<qint64>(kMaxHandOffBytes)) guard->abort();
                return;
            }
            QByteArray line = guard->readLine(static_cast<qint64>(kMaxHandOffBytes));
            line.chop(line.endsWith('\n') ? 1 : 0);
            guard->write(kHandOffAnswer);
            guard->flush();
            guard->disconnectFromServer();
            emit WordsHanded(QString::fromUtf8(line));
        };
        connect(socket, &QLocalSocket::readyRead, this, readLine);
        readLine();
    }
}

}  // namespace nira
