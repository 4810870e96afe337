// The phrase qvl encrypts or decrypts with: the first line of a passphrase file, or typed on
// the terminal without echo. Either way it gets the passphrase dialog's rules.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace qvl {

// Letters turned to upper case as the dialog turns them; a phrase over 16 characters throws
// CliError, as the dialog would not take it. `source` names where it came from.
std::string acceptPhrase(std::string_view typed, const std::string &source);

// The phrase on the file's first line, without its line break.
std::string phraseFromFile(const std::string &path);

// Prompts on the terminal with echo off; empty when the process has no terminal.
std::optional<std::string> phraseFromTerminal();

} // namespace qvl
