// One window per user and display. The first `nira` listens on a local
// socket in $XDG_RUNTIME_DIR; a later `nira` hands it its words (or none,
// to bring it to the front) and ends.
#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

namespace nira {

// The socket of this user's window on this display, from the platform Qt
// started on (WindowSocketPath).
QString InstanceSocketPath(const QString& platformName);

// Hands words (empty: none) to the window listening on path and waits for
// its answer; false when no window answered within timeoutMs
// (HandWordsToWindow).
bool HandToRunningInstance(const QString& path, const QString& words, int timeoutMs);

class CInstanceServer : public QObject {
    Q_OBJECT
public:
    explicit CInstanceServer(QObject* parent = nullptr);
    ~CInstanceServer() override;

    // Listens on path. A socket left behind by a window that ended without
    // removing it (a crash) is removed first, as long as nothing answers on
    // it. False when another window holds it.
    bool Listen(const QString& path);

signals:
    // A later start's words, joined by spaces; empty: only to the front.
    void WordsHanded(const QString& words);

private:
    void OnNewConnection();

    QLocalServer* m_server = nullptr;
};

}  // namespace nira
