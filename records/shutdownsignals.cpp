// The self-pipe behind ShutdownSignals: the handler only writes a byte, the event loop does the
// rest.
#include "records/shutdownsignals.h"

#include <QSocketNotifier>

#include <atomic>
#include <cerrno>

#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr std::array<int, 3> handledSignals{SIGTERM, SIGHUP, SIGINT};

// Read inside the signal handler, so it must be a lock-free atomic rather than a member.
std::atomic<int> handlerFd{-1};
static_assert(std::atomic<int>::is_always_lock_free);

extern "C" void onShutdownSignal(int)
{
    const int savedErrno = errno;
    const int fd = handlerFd.load();
    if (fd >= 0) {
        const char byte = 1;
        // A full socket already holds a wake-up, so a failed write loses nothing.
        [[maybe_unused]] const ssize_t written = ::write(fd, &byte, 1);
    }
    errno = savedErrno;
}

} // namespace

ShutdownSignals::ShutdownSignals(QObject *parent) : QObject(parent)
{
    Q_ASSERT_X(handlerFd.load() < 0, "ShutdownSignals", "only one may live at a time");
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, m_pipe.data()) != 0) {
        qWarning("ShutdownSignals: no socket pair (errno %d); signals keep their default action",
                 errno);
        m_pipe = {-1, -1};
        return;
    }
    handlerFd.store(m_pipe[1]);

    m_notifier = new QSocketNotifier(m_pipe[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &ShutdownSignals::drain);

    struct sigaction action = {};
    action.sa_handler = onShutdownSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < handledSignals.size(); ++i)
        ::sigaction(handledSignals[i], &action, &m_previous[i]);
    m_installed = true;
}

ShutdownSignals::~ShutdownSignals()
{
    if (m_installed) {
        for (std::size_t i = 0; i < handledSignals.size(); ++i)
            ::sigaction(handledSignals[i], &m_previous[i], nullptr);
    }
    handlerFd.store(-1);
    delete m_notifier; // before its socket closes
    for (const int fd : m_pipe) {
        if (fd >= 0) ::close(fd);
    }
}

void ShutdownSignals::drain()
{
    // Several signals in a row make one request: the shutdown runs once either way.
    char buffer[64];
    while (::read(m_pipe[0], buffer, sizeof buffer) > 0) {
    }
    emit requested();
}
