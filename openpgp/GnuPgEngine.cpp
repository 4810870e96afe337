// GnuPG's side of the OpenPGP entry: the engine's calls behind the entry's writer, key list and
// decrypt session.
#include "openpgp/Engine.h"
#include "openpgp/OpenPgp.h"
#include "openpgp/Signing.h"

#include "cipher/Lines.h"

#include <stdexcept>

namespace openpgp {

constinit const cipher::PhraseRule askedPhrase{cipher::PhraseRule::Characters::AsTyped, 0, longestPhrase,
                                     {}, {}};

std::vector<std::string> linesOf(const std::string &armour) {
    std::vector<std::string> lines;
    for (const std::string_view line : cipher::splitLines(armour))
        lines.emplace_back(line);
    if (!lines.empty() && lines.back().empty())
        lines.pop_back();
    return lines;
}

namespace {

std::vector<std::string> writeWithPhrase(std::string_view text, std::string_view phrase) {
    const Encryption written = encryptWithPhrase(text, phrase);
    if (!written.ok)
        throw std::runtime_error(written.error);
    return linesOf(written.armour);
}

cipher::Outcome<std::vector<std::string>> writeToKeys(std::string_view text,
                                                      const std::vector<std::string> &keys) {
    const Encryption written = encryptToKeys(text, keys);
    if (!written.ok)
        return cipher::refused<std::vector<std::string>>(cipher::Reason::NoKey, written.error);
    return {linesOf(written.armour), {}};
}

std::vector<cipher::RecipientKey> recipientKeys() {
    std::vector<cipher::RecipientKey> keys;
    for (KeyEntry &key : encryptionKeys())
        keys.push_back(
            {std::move(key.fingerprint), std::move(key.userIds), key.ownKey, key.validity});
    return keys;
}

cipher::Reason reasonOf(Refusal refusal) {
    switch (refusal) {
    case Refusal::None:
        return cipher::Reason::None;
    case Refusal::NoSecretKey:
        return cipher::Reason::NoKey;
    case Refusal::WrongPhrase:
        return cipher::Reason::WrongPhrase;
    case Refusal::Cancelled:
        return cipher::Reason::Cancelled;
    case Refusal::Damaged:
    case Refusal::Unprotected:
        return cipher::Reason::Damaged;
    case Refusal::TooLarge:
    case Refusal::Failed:
        break;
    }
    return cipher::Reason::Failed;
}

// A found message: GnuPG asks for the phrase of the key or of the message when it needs one,
// and each signature, if any, is reported after the text; the worst one decides whether the
// report warns.
class OpenPgpSession : public cipher::DecryptSession {
public:
    explicit OpenPgpSession(FoundMessage message)
        : m_session(std::move(message)) {}

    cipher::Outcome<cipher::DecodedText> open(const cipher::PhraseSource &ask) override {
        Decryption decrypted = m_session.attempt(
            [&ask](const PhraseRequest &request) { return ask({request.prompt, askedPhrase}); },
            longestText());
        if (decrypted.refusal != Refusal::None)
            return cipher::refused<cipher::DecodedText>(reasonOf(decrypted.refusal),
                                                        std::move(decrypted.words));
        m_signatures = std::move(decrypted.signatures);
        // An OpenPGP message carries its text as UTF-8, with the line breaks GnuPG gives it.
        return {cipher::DecodedText{std::move(decrypted.text), cipher::Verdict::Verified, true},
                {}};
    }
    std::string report() const override { return describe(m_signatures); }
    bool reportWarns() const override { return warns(m_signatures); }

private:
    openpgp::DecryptSession m_session;
    std::vector<SignatureReport> m_signatures;
};

std::unique_ptr<cipher::DecryptSession> openSession(FoundMessage message) {
    const bool repaired = message.repaired;
    auto session = std::make_unique<OpenPgpSession>(std::move(message));
    if (repaired)
        session->setRepairs("the OpenPGP message's quoting, blanks and line breaks");
    return session;
}

constinit const Engine gnupg{writeWithPhrase, writeToKeys,       recipientKeys,
                             openSession,     ownSigningKey,     writeSignedToKeys,
                             clearSign,       openSignedTextSession};

} // namespace

cipher::Outcome<const Engine *> linkedEngine() {
    return {&gnupg, {}};
}

} // namespace openpgp
