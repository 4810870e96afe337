// Reading and writing with POSIX calls, so that errors carry their reason and nothing is
// translated on the way.
#include "Io.h"

#include "CliError.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace qvl {
namespace {

[[noreturn]] void fileError(const std::string &what, const std::string &name) {
    throw CliError("qvl: cannot " + what + " " + name + ": " + std::strerror(errno),
                   UsageOrFileError);
}

std::string readAll(int descriptor, const std::string &name) {
    std::string bytes;
    char chunk[65536];
    for (;;) {
        const ssize_t got = ::read(descriptor, chunk, sizeof chunk);
        if (got == 0)
            return bytes;
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            fileError("read", name);
        bytes.append(chunk, static_cast<std::size_t>(got));
    }
}

} // namespace

std::string readInput(const std::optional<std::string> &path) {
    if (!path || *path == "-")
        return readAll(STDIN_FILENO, "standard input");
    const int descriptor = ::open(path->c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0)
        fileError("open", *path);
    try {
        std::string bytes = readAll(descriptor, *path);
        ::close(descriptor);
        return bytes;
    } catch (...) {
        ::close(descriptor);
        throw;
    }
}

void writeOutput(std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(STDOUT_FILENO, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0)
            fileError("write", "standard output");
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
}

} // namespace qvl
