// The table of methods: every way of protecting a text that Encrypt writes and Decrypt reads is
// one entry here, with its own files beside it. The method dialog lists the entries, the
// passphrase field takes their phrase rules, Encrypt writes through them and Decrypt reads
// through their sessions; nothing outside a method's own files names a particular method.
//
// Adding a method: write its files (a PhraseRule, a writer and a DecryptSession, as
// KeystreamMethods.cpp and Method02Entry.cpp do) and add its entry to the list in
// MethodTable.cpp; a method whose code needs a library outside cipher/ is added by the programs
// at their start with addMethod(). A method written in the armour's block shape gives its
// BlockShape whole: the header version that first reads it, which its writer puts in every
// header (older copies refuse a method they do not know and name that version, "Try using
// Shroud-a-Pad 2.10"), its body alphabet, and its three readers. Any other method gives a
// message finder. Then a help page and tests.
#pragma once

#include "cipher/ArmourReader.h"
#include "cipher/DecryptSession.h"
#include "cipher/GroupCodec.h"
#include "cipher/KeyValidity.h"
#include "cipher/PhraseRule.h"

#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace cipher {

struct BlockReading;

using OpenedSession = Outcome<std::unique_ptr<DecryptSession>>;

// A key of the user's keyring that a method can write to.
struct RecipientKey {
    std::string fingerprint;
    std::vector<std::string> userIds;
    // The user's own key, the one "Also to my own key" adds: GnuPG's default key, else the
    // first key whose secret key the keyring holds. One key at most.
    bool ownKey = false;
    KeyValidity validity = KeyValidity::Unknown;
};

// What a method written in the armour's block shape gives the readers, all of it: the table's
// entries are constinit, so a shape made without one of its readers does not compile.
struct BlockShape {
    using NamesHeader = bool (*)(const Header &header);
    using ProvesItself = bool (*)(LineList lines, const ArmouredBlock &block);
    using OpenBlock = OpenedSession (*)(BlockReading reading);

    consteval BlockShape(std::int32_t headerVersion, BodyAlphabet alphabet, NamesHeader namesHeader,
                         ProvesItself provesItself, OpenBlock openBlock)
        : headerVersion(headerVersion)
        , alphabet(alphabet)
        , namesHeader(namesHeader)
        , provesItself(provesItself)
        , openBlock(openBlock) {
        if (namesHeader == nullptr || provesItself == nullptr || openBlock == nullptr)
            throw "a block shape gives namesHeader, provesItself and openBlock";
        if (!codec::hasDigits(alphabet))
            throw "a block shape's body alphabet has digits";
    }

    // The format version its writer puts in the header, the version that first reads the
    // method: older copies, which refuse it, name it (1.22 for the methods every copy reads).
    std::int32_t headerVersion;
    // The alphabet of its body lines, as the mail repair reads them.
    BodyAlphabet alphabet;
    // Whether a header names the method.
    NamesHeader namesHeader;
    // Whether a block proves itself without a phrase, which lets a reading that undid mail's
    // changes be taken.
    ProvesItself provesItself;
    // A session for the block read, or the refusal found before any phrase is asked.
    OpenBlock openBlock;
};

// The user's own key for signing, as a method that signs finds it.
struct SigningKey {
    RecipientKey key;    // no fingerprint when the keyring holds no secret key
    std::string refusal; // why it cannot sign, naming it; empty when it can
};

struct Method {
    std::string_view name;    // the method dialog's caption, e.g. "Method 01"
    std::string_view note;    // the dialog's line under the caption
    std::string_view cliName; // how qvl's --method names it, e.g. "1"
    const PhraseRule &phraseRule;
    // The lines of the block for the text and the phrase (as the rule yields it), each without
    // its line break. The text holds 1..22,528 bytes and the phrase keeps the rule; anything
    // else throws std::invalid_argument (Encrypt refuses it before).
    std::vector<std::string> (*writeBlock)(std::string_view text, std::string_view phrase);

    // For a method written in the armour's block shape, its readers; null for any other.
    const BlockShape *block = nullptr;

    // For a method that also writes to people's keys: the keys there are to choose from, and
    // the message to the chosen ones (each a fingerprint, user ID or e-mail address), or the
    // words naming a key it cannot write to. With no key chosen, writeBlock protects the text
    // with a phrase. A writer that runs a program outside may fail: it throws
    // std::runtime_error with the words.
    std::vector<RecipientKey> (*recipientKeys)() = nullptr;
    Outcome<std::vector<std::string>> (*writeToKeys)(
        std::string_view text, const std::vector<std::string> &keys) = nullptr;

    // For a method with messages of a shape of its own: a session for the first such message
    // among the lines, its refusal, or nothing when they hold none. Tried only where the lines
    // hold no armoured block.
    std::optional<OpenedSession> (*findMessage)(LineList lines) = nullptr;

    // Whether the method carries its text as UTF-8, whatever the document's encoding: its
    // writers take the text's characters as UTF-8 with LF line breaks, and its sessions give
    // their texts as DecodedText::carriedAsUtf8. The other methods carry the document's bytes
    // exactly as they stand.
    bool carriesUtf8 = false;

    // For a method that signs with the user's own key: that key; the message to the keys signed
    // with it; and the text signed in a readable form (clear-signed). The key's phrase is asked
    // from `ask` when it has one; a key that cannot sign is refused with words naming it.
    SigningKey (*signingKey)() = nullptr;
    Outcome<std::vector<std::string>> (*writeSignedToKeys)(std::string_view text,
                                                           const std::vector<std::string> &keys,
                                                           const PhraseSource &ask) = nullptr;
    Outcome<std::vector<std::string>> (*signText)(std::string_view text,
                                                  const PhraseSource &ask) = nullptr;
};

// Every method, in the order the method dialog lists them.
std::span<const Method *const> methods();

// The method plain Encrypt writes and the method dialog preselects.
const Method &plainEncryptMethod();

// The first method that clear-signs texts (Clear-Sign and qvl sign use it), or null.
const Method *signingMethod();

// The method qvl's --method names, or null.
const Method *methodNamed(std::string_view cliName);

// Adds a method whose code lives outside cipher/; called once, at a program's start.
void addMethod(const Method &method);

// The method among `known` whose block shape the header names; null when none does. A method
// it gives has a block shape.
const Method *methodOfHeader(const Header &header, std::span<const Method *const> known);

} // namespace cipher
