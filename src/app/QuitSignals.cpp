#include "app/QuitSignals.h"

#include <QSocketNotifier>

#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace sv {

namespace {
int g_pipe[2] = {-1, -1};
const int kSignals[] = {SIGTERM, SIGINT, SIGHUP};

extern "C" void OnQuitSignal(int signal)
{
    // Only async-signal-safe calls here.
    const unsigned char byte = static_cast<unsigned char>(signal);
    const ssize_t written = ::write(g_pipe[1], &byte, 1);
    static_cast<void>(written);
}
} // namespace

TQuitSignals::TQuitSignals(QObject* parent) : QObject(parent)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, g_pipe) != 0)
        return;
    for (int fd : g_pipe)
        ::fcntl(fd, F_SETFD, FD_CLOEXEC);
    ::fcntl(g_pipe[1], F_SETFL, O_NONBLOCK);
    m_notifier = new QSocketNotifier(g_pipe[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &TQuitSignals::ReadPipe);

    struct sigaction action = {};
    action.sa_handler = OnQuitSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int s : kSignals)
        ::sigaction(s, &action, nullptr);
}

TQuitSignals::~TQuitSignals()
{
    for (int s : kSignals)
        ::signal(s, SIG_DFL);
    delete m_notifier;
    for (int& fd : g_pipe) {
        if (fd >= 0)
            ::close(fd);
        fd = -1;
    }
}

void TQuitSignals::ReadPipe()
{
    unsigned char byte = 0;
    if (::read(g_pipe[0], &byte, 1) == 1)
        Q_EMIT Received(byte);
}

} // namespace sv
