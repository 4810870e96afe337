// The phrase qvl encrypts or decrypts with: the first line of a passphrase file, or typed on
// the terminal without echo. Either way it gets the passphrase dialog's rules for the method:
// Windows-1252 capitals for Methods 00 and 01, UTF-8 with its case for Method 02.
#pragma once

#include "cipher/PhraseRule.h"
#include "cipher/SecretString.h"

#include <optional>
#include <string>
#include <string_view>

namespace qvl {

// The phrase under the rule, as the passphrase dialog would yield it: for capitals in
// Windows-1252, read as UTF-8, else as Windows-1252 bytes, its letters turned to upper case;
// for a phrase kept as typed, well-formed UTF-8 as it is. A phrase over the rule's length,
// holding a zero byte or a character the rule cannot hold, or empty where the rule needs one,
// throws CliError, as the dialog would not take it. `source` names where it came from.
cipher::SecretString acceptPhrase(std::string_view typed, const std::string &source,
                                  const cipher::PhraseRule &rule);

// A phrase as it was given, before a method's rules are applied to it.
struct TypedPhrase {
    cipher::SecretString bytes;
    std::string source; // "in FILE" or "typed"
    bool cut = false;   // longer than any phrase: only its first bytes were kept
};

// The rule applied to the phrase.
cipher::SecretString acceptPhrase(const TypedPhrase &typed, const cipher::PhraseRule &rule);

// The phrase on the file's first line, without its line break (and without a leading UTF-8
// byte order mark). Only the first line's first bytes are read; an empty first line throws
// CliError, since a file is given to protect the block.
TypedPhrase phraseFromFile(const std::string &path);

// Prompts on the terminal with echo off; empty when the process has no terminal.
std::optional<TypedPhrase> phraseFromTerminal(std::string_view prompt);

} // namespace qvl
