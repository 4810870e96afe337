// Signing with the user's own key through GnuPG, and checking a clear-signed text: the engine's
// calls for them, in the table's own types.
#pragma once

#include "cipher/Method.h"
#include "openpgp/SignedTextFinding.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace openpgp {

// The user's own key for signing: the secret key gpg.conf's default-key names, else the first
// secret key that can sign, else the first secret key. When that key cannot sign (it expired,
// was revoked or has no signing subkey) the refusal names it; a keyring without a secret key
// gives no key, with words saying so.
cipher::SigningKey ownSigningKey();

// The message to the recipients (as encryptToKeys() takes them), signed by the own key, as
// its armour; or the refusal: Reason::NoKey naming a recipient or the
// own key, Reason::Cancelled when `ask` gave no phrase, Reason::WrongPhrase for a wrong one.
cipher::Outcome<std::string> writeSignedToKeys(std::string_view text,
                                               const std::vector<std::string> &keys,
                                               const cipher::PhraseSource &ask);

// The text clear-signed by the own key (readable, its signature below it), refused as above.
cipher::Outcome<std::string> clearSign(std::string_view text, const cipher::PhraseSource &ask);

// A session that checks the signed text: its text (without the armour, dash-escaped lines back
// as they were signed, in UTF-8 with the breaks GnuPG gives) when every signature is good or no
// signature is bad; the repaired reading only when each of its signatures is good. A bad or
// unchecked signature refuses the text, with the report as the words and its signatures in the
// session's report.
std::unique_ptr<cipher::DecryptSession> openSignedTextSession(FoundSignedText found);

} // namespace openpgp
