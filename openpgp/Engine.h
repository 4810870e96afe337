// GnuPG's side of the OpenPGP entry: what the entry calls to write a message, list the keys
// and decrypt a found message. The program reads it from its OpenPGP module when a command
// first needs it, so that a start does not load GpgME; qvl and the tests link it.
#pragma once

#include "cipher/Method.h"
#include "openpgp/MessageFinding.h"
#include "openpgp/SignedTextFinding.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace openpgp {

// GnuPG sets no limit to a phrase: the most the passphrase entry holds, in characters outside
// the basic plane (two units each).
constexpr std::size_t longestPhrase = 16383;
// The help topic of every OpenPGP phrase prompt, new or asked for by GnuPG.
constexpr std::string_view phraseHelp = "Help_OpenPgp";

// Each call is GnuPG's operation itself (see OpenPgp.h): a message is its armour with CR LF
// breaks, or the refusal in GnuPG's words.
struct Engine {
    cipher::Outcome<std::string> (*writeWithPhrase)(std::string_view text, std::string_view phrase);
    cipher::Outcome<std::string> (*writeToKeys)(std::string_view text,
                                                const std::vector<std::string> &keys);
    std::vector<cipher::RecipientKey> (*recipientKeys)();
    std::unique_ptr<cipher::DecryptSession> (*openSession)(FoundMessage message);
    // Signing with the user's own key, and checking a clear-signed text (Signing.h).
    cipher::SigningKey (*signingKey)();
    cipher::Outcome<std::string> (*writeSignedToKeys)(std::string_view text,
                                                      const std::vector<std::string> &keys,
                                                      const cipher::PhraseSource &ask);
    cipher::Outcome<std::string> (*signText)(std::string_view text,
                                             const cipher::PhraseSource &ask);
    std::unique_ptr<cipher::DecryptSession> (*openSignedText)(FoundSignedText found);
};

// The engine, or the words saying why it cannot be had.
using EngineSource = cipher::Outcome<const Engine *> (*)();

// The engine linked into this program.
cipher::Outcome<const Engine *> linkedEngine();

// The OpenPGP module and the function by which it hands out its engine.
inline constexpr char openPgpModule[] = "shroud-a-pad-openpgp";
inline constexpr char openPgpModuleEntry[] = "shroud_openpgp_module_entry";
using OpenPgpModuleEntry = const Engine *(*)();

} // namespace openpgp
