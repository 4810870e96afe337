// OpenPGP messages through the user's GnuPG keyring: finding a message in a text, decrypting it
// (to a secret key or a phrase), encrypting to keys or a phrase, and listing the keys.
// Every call makes its own GnuPG context, so any thread may call; GNUPGHOME is honoured.
#pragma once

#include "cipher/Method.h"
#include "cipher/SecretString.h"
#include "openpgp/MessageFinding.h"

#include <cstdint>
#include <functional>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace openpgp {

// A key of the keyring that can encrypt (not expired, revoked, disabled or invalid).
struct KeyEntry {
    std::string fingerprint;
    std::vector<std::string> userIds;
    bool ownKey = false; // the user's own key, as ownKeyFingerprint() finds it; one at most
    cipher::KeyValidity validity = cipher::KeyValidity::Unknown; // the best of its user IDs'
};

// The public keys that can encrypt, in the keyring's order; the user's own key among them is
// GnuPG's default key (gpg.conf's default-key) when the keyring holds its secret key, else the
// first key whose secret key the keyring holds.
std::vector<KeyEntry> encryptionKeys();

// Why a decryption gave no text.
enum class Refusal {
    None,        // decrypted
    NoSecretKey, // encrypted to keys whose secret keys are not in the keyring
    WrongPhrase, // the phrase given was wrong
    Cancelled,   // the phrase source gave no phrase
    Damaged,     // armour checksum, packets or integrity check failed: no text at all
    Unprotected, // the message carries no integrity check, so a change would go unseen: no text
    TooLarge,    // its text passes the most the caller takes: GnuPG was stopped there, no text
    Failed,      // GnuPG could not run or failed otherwise
};

// What checking one signature found.
enum class SignatureVerdict {
    Good,       // the message is as the key signed it (see the report's other fields)
    Bad,        // the message was changed after signing
    UnknownKey, // the key that signed is not in the keyring
    Unchecked,  // GnuPG could not check it (an algorithm it refuses, say)
};

// One signature of a message, as GnuPG checked it against the keyring.
struct SignatureReport {
    SignatureVerdict verdict = SignatureVerdict::Good;
    std::string userId;      // the signer's, when known
    std::string fingerprint; // the signer's primary key's, or the key ID GnuPG gives when unknown
    // How far the keyring's trust proves the signer's key; GpgME counts an ultimately trusted key
    // as Full here.
    cipher::KeyValidity validity = cipher::KeyValidity::Unknown;
    bool keyRevoked = false;    // its owner revoked the key: the signature could be forged
    bool keyExpired = false;    // the key has expired (a signature it made before holds)
    std::int64_t expiredAt = 0; // when the signature itself expired, seconds since 1970; 0 if not
    std::string problem;        // why it could not be checked, in GnuPG's words
};

// Whether the signature casts a doubt on the text: it is bad or could not be checked, its key
// was revoked or is one the keyring's trust denies, or it has expired.
bool warns(const SignatureReport &report);
bool warns(const std::vector<SignatureReport> &reports);

// The report in words, one line per signature in the message's order, e.g. "Good signature from
// Ann <ann@example.org> (fingerprint 0123 ...)."; only a key that the keyring's trust makes
// valid gets those plain words. Empty when the message was not signed.
std::string describe(const SignatureReport &report);
std::string describe(const std::vector<SignatureReport> &reports);

// What a phrase source is asked.
struct PhraseRequest {
    std::string prompt; // names the key's user ID and short fingerprint, or asks for the phrase
    bool symmetric = false;
};

// Gives the phrase, or nothing to cancel. Called at most once per decryption attempt; after a
// WrongPhrase refusal the caller may simply try again (Retry) or stop (Cancel).
// The phrase is held in a string that wipes itself, as every copy of a phrase is.
using PhraseSource = std::function<std::optional<cipher::SecretString>(const PhraseRequest &)>;

struct Decryption {
    Refusal refusal = Refusal::None;
    std::string words;              // the refusal in the system's words; empty when decrypted
    std::string text;               // the plaintext bytes; empty unless decrypted
    std::vector<SignatureReport> signatures; // in the message's order; none when not signed
    std::vector<std::string> keyIds; // the key IDs the message was encrypted to
    bool repaired = false;          // the message was read with mail's changes undone
};

// One message to decrypt: find it once, then attempt with a phrase source as often as the
// caller wants (each WrongPhrase may be followed by another attempt). A text longer than
// `longestText` bytes is refused as TooLarge, GnuPG stopped as soon as it passes them.
class DecryptSession {
public:
    explicit DecryptSession(FoundMessage message);
    Decryption attempt(const PhraseSource &askPhrase,
                       std::size_t longestText = std::numeric_limits<std::size_t>::max()) const;

private:
    FoundMessage m_message;
};

// An ASCII-armoured message with CR LF breaks, or the words of the error that stopped it.
struct Encryption {
    bool ok = false;
    std::string armour;
    std::string error; // names an unknown or unusable recipient
};

// Both write the text's bytes as they are: the entry hands them the text as UTF-8 with LF breaks.
// Encrypts to the recipients, each a user ID, e-mail address or fingerprint as GnuPG takes it;
// an e-mail address names the keys whose user ID holds exactly that address, in any case.
Encryption encryptToKeys(std::string_view text, const std::vector<std::string> &recipients);
// Encrypts with a phrase.
Encryption encryptWithPhrase(std::string_view text, std::string_view phrase);

} // namespace openpgp
