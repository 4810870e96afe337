// How qvl ends: its exit statuses, and the failure that carries a message and a status to main.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace qvl {

enum ExitStatus : int {
    Done = 0,
    UsageOrFileError = 1,
    NotDone = 2,         // nothing encrypted or decrypted: the system's refusal was shown
    DoneWithWarning = 3, // decrypted, but the block ended early, its checksum is off or its
                         // text holds a zero byte

    // detect answers as grep does: 0 a block, 1 none, 2 an error of any kind.
    NoBlockDetected = 1,
    DetectError = 2,
};

// A failure that ends the run: main prints the message on standard error and exits with the
// status.
class CliError : public std::runtime_error {
public:
    CliError(const std::string &message, ExitStatus status)
        : std::runtime_error(message)
        , m_status(status) {}
    ExitStatus status() const { return m_status; }

private:
    ExitStatus m_status;
};

// Ends the run with the system's refusal: nothing was encrypted or decrypted.
[[noreturn]] inline void refuse(std::string_view message) {
    throw CliError(std::string(message), NotDone);
}

} // namespace qvl
