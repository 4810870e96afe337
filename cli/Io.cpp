// Reading and writing with POSIX calls, so that errors carry their reason and nothing is
// translated on the way. Every read stops at a bound, so an endless source (/dev/zero, a pipe
// that never ends) costs no more memory than the bound.
#include "Io.h"

#include "CliError.h"

#include <algorithm>
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

// An open file, closed on every way out.
class OpenFile {
public:
    explicit OpenFile(const std::string &path)
        : m_descriptor(::open(path.c_str(), O_RDONLY | O_CLOEXEC)) {
        if (m_descriptor < 0)
            fileError("open", path);
    }
    ~OpenFile() { ::close(m_descriptor); }
    OpenFile(const OpenFile &) = delete;
    OpenFile &operator=(const OpenFile &) = delete;

    int descriptor() const { return m_descriptor; }

private:
    int m_descriptor;
};

// Reads into `bytes` until the end, until `limit` bytes are held, or until one of the bytes in
// `stopAfter` has arrived, whichever comes first. The read buffer is wiped before it goes, as
// it may have held a phrase.
template <class Bytes>
void readUpTo(Bytes &bytes, int descriptor, const std::string &name, std::size_t limit,
              std::string_view stopAfter = {}) {
    char chunk[65536];
    const auto wipeChunk = [&chunk] { cipher::secret::wipe(chunk, sizeof chunk); };
    while (bytes.size() < limit) {
        const std::size_t wanted = std::min(sizeof chunk, limit - bytes.size());
        const ssize_t got = ::read(descriptor, chunk, wanted);
        if (got == 0)
            break;
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            wipeChunk();
            fileError("read", name);
        }
        const std::string_view arrived(chunk, static_cast<std::size_t>(got));
        bytes += arrived;
        if (arrived.find_first_of(stopAfter) != std::string_view::npos)
            break;
    }
    wipeChunk();
}

std::string readBounded(int descriptor, const std::string &name) {
    std::string bytes;
    readUpTo(bytes, descriptor, name, maxInputBytes + 1);
    if (bytes.size() > maxInputBytes)
        throw CliError("qvl: " + name + " is larger than " + std::to_string(maxInputBytes >> 20) +
                           " MiB, the most qvl reads",
                       UsageOrFileError);
    return bytes;
}

} // namespace

std::string readInput(const std::optional<std::string> &path) {
    if (!path || *path == "-")
        return readBounded(STDIN_FILENO, "standard input");
    const OpenFile file(*path);
    return readBounded(file.descriptor(), *path);
}

FirstLine readFirstLine(const std::string &path, std::size_t bound) {
    const OpenFile file(path);
    cipher::SecretString bytes;
    readUpTo(bytes, file.descriptor(), path, bound + 1, "\r\n");
    const std::size_t end = bytes.find_first_of("\r\n");
    if (end != cipher::SecretString::npos)
        bytes.resize(end);
    const bool cut = bytes.size() > bound;
    bytes.resize(std::min(bytes.size(), bound));
    return {std::move(bytes), cut};
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
