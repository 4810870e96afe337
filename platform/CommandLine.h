// The command line: `--help` or `--version` alone, or the file to open, named by every argument
// joined with single spaces (after a first `--`, which only marks that a file name follows).
#pragma once

#include <QString>

namespace platform {

struct CommandLine {
    enum class Request { OpenFile, Usage, Version };
    Request request = Request::OpenFile;
    // The file to open at start; empty when there is none.
    QString fileName;
};

// Reads the process's own arguments (before the toolkit removes the options it knows, so
// that a file named like a toolkit option still arrives).
CommandLine readCommandLine(int argc, const char *const *argv);

} // namespace platform
