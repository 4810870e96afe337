// The phrase qvl encrypts or decrypts with: the first line of a passphrase file, or typed on
// the terminal without echo. Either way it gets the passphrase dialog's rules.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace qvl {

// The phrase in Windows-1252 (read as UTF-8, else as Windows-1252 bytes), its letters turned to
// upper case as the dialog turns them. A phrase over 16 characters, or holding a character
// that Windows-1252 cannot hold or a zero byte, throws CliError, as the dialog would not take
// it. `source` names where it came from.
std::string acceptPhrase(std::string_view typed, const std::string &source);

// The phrase on the file's first line, without its line break (and without a leading UTF-8
// byte order mark). Only the first line's first bytes are read; an empty first line throws
// CliError, since a file is given to protect the block.
std::string phraseFromFile(const std::string &path);

// Prompts on the terminal with echo off; empty when the process has no terminal.
std::optional<std::string> phraseFromTerminal();

} // namespace qvl
