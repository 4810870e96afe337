// OpenPGP as one entry of the table of methods: GnuPG writes the messages, to keys of the user's
// keyring or with a phrase, and reads those it finds where a text holds no block of ours.
#pragma once

#include "cipher/Method.h"
#include "openpgp/Engine.h"

namespace openpgp {

extern const cipher::PhraseRule phraseRule;
extern const cipher::Method method;

// Adds the entry to the table; the programs call it once at their start. The entry asks
// `engine` for GnuPG's side the first time it needs it: a text without an OpenPGP message,
// and the method dialog's list, never do.
void addToMethods(EngineSource engine);

} // namespace openpgp
