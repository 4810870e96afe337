// The command line of qvl: which command, and its options.
#pragma once

#include "cipher/Method.h"

#include <optional>
#include <string>
#include <vector>

namespace qvl {

enum class Command { Help, Version, Encrypt, Decrypt, Detect, Sign, Verify };

struct Options {
    Command command = Command::Help;
    const cipher::Method *method = &cipher::plainEncryptMethod();
    std::optional<std::string> passphraseFile;
    std::optional<std::string> input;    // standard input when empty or "-"
    bool utf8 = false;                   // decrypt: a Windows-1252 result written as UTF-8
    std::vector<std::string> recipients; // encrypt: the OpenPGP message's recipients (--to)
    bool toOwnKey = false;               // encrypt: to the user's own key too (--to-own-key)
    bool sign = false;                   // encrypt: signed by the user's own key (--sign)
};

// The usage text, for --help (standard output) and for mistakes (standard error): the methods
// and their phrase limits as the table of methods holds them.
std::string usageText();

// Reads the arguments after the program name (at least one); a mistake throws CliError with
// the status for usage errors. "--help" anywhere asks for the usage, "--version" for the
// version.
Options parseOptions(const std::vector<std::string> &arguments);

} // namespace qvl
