// What a reading found beside its text, as data: each signature as the keyring checked it, and
// the mail changes undone to read it. The editor and qvl each word it in one place of their own;
// which signatures cast a doubt is decided here, beside the types.
#pragma once

#include "cipher/KeyValidity.h"

#include <cstdint>
#include <string>
#include <vector>

namespace cipher {

// What checking one signature found.
enum class SignatureVerdict {
    Good,       // the message is as the key signed it (see the report's other fields)
    Bad,        // the message was changed after signing
    UnknownKey, // the key that signed is not in the keyring
    Unchecked,  // it could not be checked (an algorithm the checker refuses, say)
};

// One signature of a message, as it was checked against the keyring.
struct SignatureReport {
    SignatureVerdict verdict = SignatureVerdict::Good;
    std::string userId;      // the signer's, when known
    std::string fingerprint; // the signer's primary key's, or the key ID given when unknown
    // How far the keyring's trust proves the signer's key; an ultimately trusted key may be
    // counted as Full here.
    KeyValidity validity = KeyValidity::Unknown;
    bool keyRevoked = false;    // its owner revoked the key: the signature could be forged
    bool keyExpired = false;    // the key has expired (a signature it made before holds)
    std::int64_t expiredAt = 0; // when the signature itself expired, seconds since 1970; 0 if not
    std::string problem;        // why it could not be checked, in the checker's words
};

struct ReadingReport {
    std::vector<SignatureReport> signatures; // in the message's order; none when not signed
    // Which of mail's changes were undone to read the text, in the method's words, e.g. "the
    // quote prefix "> ""; empty when it was read as it stood.
    std::string repairs;
};

// Whether the signature casts a doubt on the text: it is bad or could not be checked, its key
// was revoked or is one the keyring's trust denies, or it has expired.
bool warns(const SignatureReport &signature);
bool warns(const std::vector<SignatureReport> &signatures);

} // namespace cipher
