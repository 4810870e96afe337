// Writing a device or a pipe through a descriptor opened without blocking, so that neither the
// opening nor the writing can hold the window for ever.
#include "platform/InPlaceWrite.h"

#include "platform/Failure.h"

#include <QCoreApplication>
#include <QFile>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace platform {

namespace {

std::chrono::milliseconds g_stallLimit = defaultStallLimit;

// A reader that goes away makes the next write fail; the signal that would also end the
// process, with the user's text, is ignored meanwhile.
class BrokenPipeIgnored {
public:
    BrokenPipeIgnored() {
        struct sigaction ignore = {};
        ignore.sa_handler = SIG_IGN;
        sigemptyset(&ignore.sa_mask);
        ::sigaction(SIGPIPE, &ignore, &m_saved);
    }
    ~BrokenPipeIgnored() { ::sigaction(SIGPIPE, &m_saved, nullptr); }
    BrokenPipeIgnored(const BrokenPipeIgnored &) = delete;
    BrokenPipeIgnored &operator=(const BrokenPipeIgnored &) = delete;

private:
    struct sigaction m_saved = {};
};

class Descriptor {
public:
    explicit Descriptor(int fd)
        : m_fd(fd) {}
    ~Descriptor() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    int fd() const { return m_fd; }

private:
    int m_fd;
};

// Waits until the target takes more; false when it took nothing for the whole wait.
bool waitUntilWritable(int fd) {
    pollfd target{fd, POLLOUT, 0};
    const int ready = ::poll(&target, 1, int(g_stallLimit.count()));
    return ready > 0 || (ready < 0 && errno == EINTR);
}

// True when every byte was taken.
bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written > 0) {
            bytes.remove_prefix(std::size_t(written));
        } else if (written < 0 && errno == EAGAIN) {
            if (!waitUntilWritable(fd))
                return false;
        } else if (written == 0 || errno != EINTR) {
            return false;
        }
    }
    return true;
}

} // namespace

void setStallLimit(std::chrono::milliseconds limit) {
    g_stallLimit = limit;
}

void writeInPlace(const QString &path, std::string_view bytes) {
    // Without O_NONBLOCK, opening a pipe for writing waits until someone opens it for reading.
    const Descriptor target(
        ::open(QFile::encodeName(path).constData(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (target.fd() < 0)
        throw Failure(QCoreApplication::translate("Failure", "Cannot create file %1").arg(path));
    const BrokenPipeIgnored brokenPipeIgnored;
    if (!writeAll(target.fd(), bytes))
        throw Failure(QCoreApplication::translate("Failure", "Stream write error"));
}

} // namespace platform
