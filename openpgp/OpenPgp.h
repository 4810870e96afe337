// OpenPGP messages through the user's GnuPG keyring: finding a message in a text, decrypting it
// (to a secret key or a phrase), encrypting to keys or a phrase, and listing the keys, each in
// the table of methods' own types. Every call makes its own GnuPG context, so any thread may
// call; GNUPGHOME is honoured.
#pragma once

#include "cipher/Method.h"
#include "openpgp/MessageFinding.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace openpgp {

// The public keys that can encrypt (not expired, revoked, disabled or invalid), in the keyring's
// order, each with the best validity of its user IDs; the user's own key among them is GnuPG's
// default key (gpg.conf's default-key) when the keyring holds its secret key, else the first key
// whose secret key the keyring holds.
std::vector<cipher::RecipientKey> encryptionKeys();

// One found message, decrypted by GnuPG as often as the caller opens it (each WrongPhrase may be
// followed by another attempt). GnuPG asks the phrase source for the phrase of the key or of the
// message when it needs one, at most once per attempt. The refusals are the table's: a message
// without an integrity check is Damaged, a text longer than longestText() bytes (GnuPG stopped as
// soon as it passes them) Failed, each in words of its own. The report holds each signature after
// the text, and the mail changes undone when the message was found with them.
class GnuPgSession : public cipher::DecryptSession {
public:
    explicit GnuPgSession(FoundMessage message);
    cipher::Outcome<cipher::DecodedText> open(const cipher::PhraseSource &ask) override;

    // The key IDs the message was encrypted to, as the last attempt found them; a hidden
    // recipient's is all zeros.
    const std::vector<std::string> &keyIds() const { return m_keyIds; }

private:
    FoundMessage m_message;
    std::vector<std::string> m_keyIds;
};

// A session for the found message, as the engine hands it to the table's entry.
std::unique_ptr<cipher::DecryptSession> openSession(FoundMessage message);

// Both write the text's bytes as they are: the entry hands them the text as UTF-8 with LF breaks.
// Each gives an ASCII-armoured message with CR LF breaks, or its refusal in words.
// Encrypts to the recipients, each a user ID, e-mail address or fingerprint as GnuPG takes it;
// an e-mail address names the keys whose user ID holds exactly that address, in any case. A
// recipient that names no usable key, or more than one, is refused as NoKey, naming it.
cipher::Outcome<std::string> encryptToKeys(std::string_view text,
                                           const std::vector<std::string> &recipients);
// Encrypts with a phrase.
cipher::Outcome<std::string> encryptWithPhrase(std::string_view text, std::string_view phrase);

} // namespace openpgp
