#include "SessionEnd.h"

#include <QSocketNotifier>

#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace platform {

namespace {

constexpr std::array<int, 3> Watched = {SIGTERM, SIGHUP, SIGINT};

// Whether the handler is set for the signal. A terminal's SIGHUP and SIGINT that the one who
// started the game chose to ignore (nohup, a job started in the background by a shell) stay
// ignored; the session manager's SIGTERM always closes the game properly.
bool watches(int signal)
{
    if (signal == SIGTERM) return true;
    struct sigaction inherited = {};
    return ::sigaction(signal, nullptr, &inherited) == 0 && inherited.sa_handler != SIG_IGN;
}

// The one thing a signal handler may touch: the write end of the self-pipe.
volatile std::sig_atomic_t writeEnd = -1;

extern "C" void onSignal(int)
{
    const int saved = errno;
    const char byte = 1;
    // A full pipe already holds a request; nothing is lost by dropping this byte.
    [[maybe_unused]] const ssize_t written = ::write(writeEnd, &byte, 1);
    errno = saved;
}

}  // namespace

SessionEnd::SessionEnd(QObject *parent) : QObject(parent)
{
    if (::pipe2(pipe_, O_CLOEXEC | O_NONBLOCK) != 0)
        return;  // then the signals keep their defaults
    writeEnd = pipe_[1];
    notifier_ = new QSocketNotifier(pipe_[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &SessionEnd::readPipe);

    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    // Interrupted system calls resume; the handler is used once, a second signal is the default.
    action.sa_flags = SA_RESTART | SA_RESETHAND;
    for (std::size_t i = 0; i < Watched.size(); ++i) {
        handled_[i] = watches(Watched[i]);
        if (handled_[i]) ::sigaction(Watched[i], &action, nullptr);
    }
}

SessionEnd::~SessionEnd()
{
    if (pipe_[0] < 0) return;
    for (std::size_t i = 0; i < Watched.size(); ++i) {
        if (handled_[i]) ::signal(Watched[i], SIG_DFL);
    }
    writeEnd = -1;
    delete notifier_;
    ::close(pipe_[0]);
    ::close(pipe_[1]);
}

void SessionEnd::readPipe()
{
    std::array<char, 64> bytes;
    while (::read(pipe_[0], bytes.data(), bytes.size()) > 0) {}
    emit requested();
}

}  // namespace platform
