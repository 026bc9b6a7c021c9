#include "common/unixsignals.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int pipeEnds[2] = {-1, -1};
struct sigaction previous[NSIG];

void handle(int signal)
{
    const unsigned char byte = static_cast<unsigned char>(signal);
    const int saved = errno;
    [[maybe_unused]] const ssize_t written = ::write(pipeEnds[1], &byte, 1);
    errno = saved;
}

} // namespace

UnixSignals::UnixSignals(std::initializer_list<int> numbers, QObject *parent) : QObject(parent), m_signals(numbers)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, pipeEnds) != 0)
        return;
    m_notifier = new QSocketNotifier(pipeEnds[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &UnixSignals::read);
    for (const int signal : std::as_const(m_signals)) {
        struct sigaction action = {};
        action.sa_handler = handle;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        ::sigaction(signal, &action, &previous[signal]);
    }
}

UnixSignals::~UnixSignals()
{
    if (!m_notifier)
        return;
    for (const int signal : std::as_const(m_signals))
        ::sigaction(signal, &previous[signal], nullptr);
    ::close(pipeEnds[0]);
    ::close(pipeEnds[1]);
    pipeEnds[0] = pipeEnds[1] = -1;
}

void UnixSignals::read()
{
    unsigned char byte = 0;
    while (::read(pipeEnds[0], &byte, 1) == 1)
        Q_EMIT received(byte);
}
