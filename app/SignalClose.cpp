#include "app/SignalClose.h"

#include <QSocketNotifier>
#include <QWidget>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace nira {
namespace {

constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};

// A handler may do next to nothing: it writes a byte into a pipe whose
// other end the event loop watches (the self-pipe).
int g_pipe[2] = {-1, -1};
struct sigaction g_previous[sizeof kSignals / sizeof kSignals[0]];

extern "C" void OnCloseSignal(int) {
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(g_pipe[1], &byte, 1);
    errno = saved;
}

}  // namespace

CSignalClose::CSignalClose(QWidget* window) : m_window(window) {
    if (g_pipe[0] >= 0 || ::pipe2(g_pipe, O_CLOEXEC | O_NONBLOCK) != 0) return;
    m_notifier = new QSocketNotifier(g_pipe[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &CSignalClose::OnSignal);
    struct sigaction action {};
    action.sa_handler = OnCloseSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < sizeof kSignals / sizeof kSignals[0]; ++i) {
        sigaction(kSignals[i], &action, &g_previous[i]);
    }
}

CSignalClose::~CSignalClose() {
    if (m_notifier == nullptr) return;
    for (std::size_t i = 0; i < sizeof kSignals / sizeof kSignals[0]; ++i) {
        sigaction(kSignals[i], &g_previous[i], nullptr);
    }
    delete m_notifier;
    ::close(g_pipe[0]);
    ::close(g_pipe[1]);
    g_pipe[0] = g_pipe[1] = -1;
}

void CSignalClose::OnSignal() {
    char bytes[16];
    while (::read(g_pipe[0], bytes, sizeof bytes) > 0) {
    }
    m_window->close();
}

}  // namespace nira
