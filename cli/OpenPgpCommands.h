// qvl's OpenPGP side: a message in the text decrypted through the GnuPG keyring, and a text
// encrypted to keys (--to) or to a phrase (--openpgp).
#pragma once

#include "Options.h"
#include "Phrase.h"

#include "openpgp/OpenPgp.h"

#include <optional>
#include <string>

namespace qvl {

// Decrypts the message with the keyring; a phrase, when GnuPG asks for one, comes from the
// passphrase file or the terminal. Writes the text; the signature report goes to standard error.
int decryptOpenPgp(const openpgp::FoundMessage &message, const std::optional<TypedPhrase> &fromFile);

// Writes the text as an OpenPGP message to the options' recipients, or protected by a phrase.
int encryptOpenPgp(const Options &options, const std::string &text);

} // namespace qvl
