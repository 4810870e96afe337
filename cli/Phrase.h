// The phrase qvl encrypts or decrypts with: the first line of a passphrase file, or typed on
// the terminal without echo. Either way it gets the passphrase dialog's rules for the method:
// Windows-1252 capitals for Methods 00 and 01, UTF-8 with its case for Method 02.
#pragma once

#include "cipher/SecretString.h"

#include <optional>
#include <string>

namespace cipher {
struct Method;
struct PhraseRequest;
} // namespace cipher

namespace qvl {

// A phrase as it was given, before a method's rules are applied to it.
struct TypedPhrase {
    cipher::SecretString bytes;
    std::string source; // "in FILE" or "typed"
    bool cut = false;   // longer than any phrase: only its first bytes were kept
};

// Where the phrase of a run comes from: the first line of the passphrase file when one is given
// (without its line break and a leading UTF-8 byte order mark), else the terminal, prompted with
// echo off. Every phrase it answers is under the rule that asks for it, as the passphrase dialog
// would yield it: for capitals in Windows-1252, read as UTF-8, else as Windows-1252 bytes, its
// letters turned to upper case; for a phrase kept as typed, well-formed UTF-8 as it is. Where no
// phrase can be had, or the one given is not taken, it throws CliError with the refusal.
class PhraseOrigin {
public:
    // Reads the file at once, so that a bad file is reported before the input is read: an empty
    // first line is refused, since a file is given to protect the block.
    explicit PhraseOrigin(const std::optional<std::string> &passphraseFile);

    // The phrase a block asks for: the file's, else the one typed on the terminal.
    cipher::SecretString givenPhrase(const cipher::PhraseRequest &request) const;
    // The phrase to encrypt with by the method: the file's; for a method that needs one, else
    // typed twice on the terminal; for the other methods no phrase without a file.
    cipher::SecretString newPhrase(const cipher::Method &method) const;

private:
    std::optional<TypedPhrase> m_fromFile;
};

} // namespace qvl
