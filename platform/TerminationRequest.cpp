// SIGTERM to the quit request: the signal handler only writes a byte to a socket that the
// event loop watches, so the quit request is made on the user-interface thread. The socket
// never blocks, so a flood of signals cannot stall the handler.
#include "platform/TerminationRequest.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace platform {

namespace {

int requestSocket[2] = {-1, -1};

void onTermination(int) {
    const char byte = 1;
    const ssize_t written = ::write(requestSocket[0], &byte, 1);
    static_cast<void>(written);
}

} // namespace

void quitOnTerminationRequest() {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, requestSocket) != 0)
        return;
    auto *notifier =
        new QSocketNotifier(requestSocket[1], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, [notifier] {
        notifier->setEnabled(false);
        QCoreApplication::quit();
    });
    struct sigaction action = {};
    action.sa_handler = onTermination;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &action, nullptr);
}

} // namespace platform
