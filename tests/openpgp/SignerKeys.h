// Signers of every kind that a signature report tells apart, and messages without integrity
// protection, made in the shared GnuPG home the first time a test asks for them. Their keys
// only sign, so the keys that can encrypt stay the home's own.
#pragma once

#include <string>
#include <string_view>

namespace testing_openpgp {

inline constexpr std::string_view friendUser = "Friend <friend@example.org>";

struct SignerMessages {
    std::string friendFingerprint;   // Friend's own key, made in 2020, ultimately trusted
    std::string impostorFingerprint; // a second key with Friend's user ID that nobody certified
    std::string revokedFingerprint;
    std::string expiredFingerprint;

    std::string byFriend;            // signed by Friend
    std::string byImpostor;          // to Nopass, signed by the impostor
    std::string byRevoked;           // signed by a key its owner revoked afterwards
    std::string clearByRevoked;      // clear-signed by that key before it was revoked
    std::string byExpiredKey;        // signed in 2020 by a key that expired a day later
    std::string expired;             // signed by Friend in 2020, the signature expiring a day later
    std::string secondBad;           // signed by Friend, then by Nopass whose signature was changed
    std::string unprotectedToKey;    // to Nopass, without integrity protection (gpg --rfc2440)
    std::string unprotectedToPhrase; // to unprotectedPhrase, without integrity protection
};

inline constexpr std::string_view unprotectedPhrase = "Old habits";
// The text that every one of these messages carries.
inline constexpr std::string_view signedText = "Signed, sealed, delivered.\n";

// Sets how far the keyring trusts the key's owner to certify others (GnuPG's owner trust); a
// key made in the home is trusted ultimately, one never certified and trusted "undefined" is of
// unknown validity.
enum class OwnerTrust { Undefined = 2, Ultimate = 6 };
void setOwnerTrust(const std::string &fingerprint, OwnerTrust trust);

// The messages, their keys made in the home on the first call.
const SignerMessages &signerMessages();

// While it lives, the home's gpg.conf also holds ignore-mdc-error, so that GnuPG itself reads
// a message without integrity protection; then gpg.conf is as before.
class IgnoringMdcErrors {
public:
    IgnoringMdcErrors();
    ~IgnoringMdcErrors();
    IgnoringMdcErrors(const IgnoringMdcErrors &) = delete;
    IgnoringMdcErrors &operator=(const IgnoringMdcErrors &) = delete;

private:
    std::string m_before;
};

} // namespace testing_openpgp
