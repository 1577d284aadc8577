// SIGTERM, SIGINT and SIGHUP (logout, shutdown, a closed terminal) close
// the window as its close box does: the rectangle is saved and the program
// ends normally.
#pragma once

#include <QObject>

class QSocketNotifier;
class QWidget;

namespace nira {

class CSignalClose : public QObject {
    Q_OBJECT

public:
    // Catches the three signals while it lives and closes window on each;
    // the signals' previous handling comes back on destruction.
    explicit CSignalClose(QWidget* window);
    ~CSignalClose() override;

private:
    void OnSignal();

    QWidget* m_window;
    QSocketNotifier* m_notifier = nullptr;
};

}  // namespace nira
