// The termination requests through a pipe: the signal handler only writes one byte into it,
// which is all a handler may safely do, and the event loop reads it and asks to quit.
#include "platform/TerminationRequests.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace platform {

namespace {

constexpr std::array caughtSignals{SIGTERM, SIGINT, SIGHUP};

// The read and the write end; -1 while no requests are caught.
int requestPipe[2] = {-1, -1};

extern "C" void noteRequest(int) {
    const int savedErrno = errno;
    const char request = 1;
    // A full pipe already holds a request; nothing more is needed.
    [[maybe_unused]] const ssize_t written = ::write(requestPipe[1], &request, 1);
    errno = savedErrno;
}

} // namespace

// Without a pipe the requests keep their default action and end the process at once.
TerminationRequests::TerminationRequests() {
    if (::pipe2(requestPipe, O_CLOEXEC | O_NONBLOCK) != 0)
        requestPipe[0] = requestPipe[1] = -1;
}

TerminationRequests::~TerminationRequests() {
    endProcessOnRequest();
}

void TerminationRequests::endProcessOnRequest() {
    if (requestPipe[0] < 0)
        return;
    for (const int signal : caughtSignals)
        std::signal(signal, SIG_DFL);
    // A request that came as the loop was ending still counts.
    if (readRequests())
        m_requested = true;
    delete m_notifier;
    m_notifier = nullptr;
    ::close(requestPipe[0]);
    ::close(requestPipe[1]);
    requestPipe[0] = requestPipe[1] = -1;
}

void TerminationRequests::quitApplicationOnRequest() {
    if (requestPipe[0] < 0 || m_notifier != nullptr)
        return;
    m_notifier = new QSocketNotifier(requestPipe[0], QSocketNotifier::Read);
    connect(m_notifier, &QSocketNotifier::activated, this, &TerminationRequests::takeRequests);
    struct sigaction action = {};
    action.sa_handler = noteRequest;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : caughtSignals)
        ::sigaction(signal, &action, nullptr);
}

void TerminationRequests::takeRequests() {
    if (!readRequests())
        return;
    m_requested = true;
    QCoreApplication::quit();
}

bool TerminationRequests::readRequests() {
    std::array<char, 64> requests;
    bool any = false;
    while (::read(requestPipe[0], requests.data(), requests.size()) > 0)
        any = true;
    return any;
}

} // namespace platform
