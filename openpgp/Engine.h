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

// The phrase GnuPG asks for, of a key or of a message: an empty one is GnuPG's to refuse.
extern const cipher::PhraseRule askedPhrase;

// The armour's lines without their breaks (CR LF or LF), as the table's writers give them.
std::vector<std::string> linesOf(const std::string &armour);

struct Engine {
    // The message's lines; throws std::runtime_error with GnuPG's words when it fails.
    std::vector<std::string> (*writeWithPhrase)(std::string_view text, std::string_view phrase);
    cipher::Outcome<std::vector<std::string>> (*writeToKeys)(std::string_view text,
                                                             const std::vector<std::string> &keys);
    std::vector<cipher::RecipientKey> (*recipientKeys)();
    std::unique_ptr<cipher::DecryptSession> (*openSession)(FoundMessage message);
    // Signing with the user's own key, and checking a clear-signed text (Signing.h).
    cipher::SigningKey (*signingKey)();
    cipher::Outcome<std::vector<std::string>> (*writeSignedToKeys)(
        std::string_view text, const std::vector<std::string> &keys, const cipher::PhraseSource &ask);
    cipher::Outcome<std::vector<std::string>> (*signText)(std::string_view text,
                                                          const cipher::PhraseSource &ask);
    std::unique_ptr<cipher::DecryptSession> (*openSignedText)(FoundSignedText found);
};

// The engine, or the words saying why it cannot be had.
using EngineSource = cipher::Outcome<const Engine *> (*)();

// The engine linked into this program.
cipher::Outcome<const Engine *> linkedEngine();

// The OpenPGP module and the function by which it hands out its engine.
constexpr const char *moduleName = "shroud-a-pad-openpgp";
constexpr const char *moduleEngineFunction = "shroudOpenPgpEngine";
using ModuleEngineFunction = const Engine *(*)();

} // namespace openpgp
