// OpenPGP's entry: the engine's calls behind the table's writer, key list and decrypt session.
#include "openpgp/OpenPgpMethod.h"

#include "openpgp/OpenPgp.h"

#include "cipher/Lines.h"

#include <stdexcept>

namespace openpgp {
namespace {

// GnuPG sets no limit to a phrase: the most the passphrase entry holds, in characters outside
// the basic plane (two units each).
constexpr std::size_t longestPhrase = 16383;

// The phrase GnuPG asks for, of a key or of a message: an empty one is GnuPG's to refuse.
constinit const cipher::PhraseRule askedPhrase{cipher::PhraseRule::Characters::AsTyped, 0, longestPhrase,
                                     {}, {}};

constexpr std::string_view newPhrasePrompt = "Enter a phrase to protect the OpenPGP message:";
constexpr std::string_view phraseNeeded =
    "An OpenPGP message protected by a phrase needs a phrase.  Enter a phrase.";

// The armour's lines without their CR LF breaks, as the table's writers give them.
std::vector<std::string> linesOf(const std::string &armour) {
    std::vector<std::string> lines;
    for (const std::string_view line : cipher::splitLines(armour))
        lines.emplace_back(line);
    if (!lines.empty() && lines.back().empty())
        lines.pop_back();
    return lines;
}

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
        keys.push_back({std::move(key.fingerprint), std::move(key.userIds), key.hasSecret});
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
        return cipher::Reason::Damaged;
    case Refusal::Failed:
        break;
    }
    return cipher::Reason::Failed;
}

// A found message: GnuPG asks for the phrase of the key or of the message when it needs one,
// and the signature, if any, is reported after the text.
class OpenPgpSession : public cipher::DecryptSession {
public:
    explicit OpenPgpSession(FoundMessage message)
        : m_session(std::move(message)) {}

    cipher::Outcome<cipher::DecodedText> open(const cipher::PhraseSource &ask) override {
        Decryption decrypted = m_session.attempt(
            [&ask](const PhraseRequest &request) { return ask({request.prompt, askedPhrase}); });
        if (decrypted.refusal != Refusal::None)
            return cipher::refused<cipher::DecodedText>(reasonOf(decrypted.refusal),
                                                        std::move(decrypted.words));
        m_signature = decrypted.signature;
        return {cipher::DecodedText{std::move(decrypted.text), cipher::Verdict::Verified}, {}};
    }
    std::string report() const override { return describe(m_signature); }
    bool reportWarns() const override { return m_signature.verdict == SignatureVerdict::Bad; }

private:
    openpgp::DecryptSession m_session;
    SignatureReport m_signature;
};

std::optional<cipher::OpenedSession> findSession(cipher::LineList lines) {
    std::string text;
    for (const std::string_view line : lines)
        (text += line) += '\n';
    std::optional<FoundMessage> found = findMessage(text);
    if (!found)
        return std::nullopt;
    const bool repaired = found->repaired;
    auto session = std::make_unique<OpenPgpSession>(std::move(*found));
    if (repaired)
        session->setRepairs("the OpenPGP message's quoting, blanks and line breaks");
    return cipher::OpenedSession{std::move(session), {}};
}

} // namespace

// A message without a recipient needs a phrase.
constinit const cipher::PhraseRule phraseRule{cipher::PhraseRule::Characters::AsTyped, 1, longestPhrase,
                                    newPhrasePrompt,
                                    phraseNeeded};

constinit const cipher::Method method{.name = "OpenPGP",
                            .note = "For people who use OpenPGP: to their keys or a phrase.",
                            .cliName = {},
                            .phraseRule = phraseRule,
                            .writeBlock = writeWithPhrase,
                            .recipientKeys = recipientKeys,
                            .writeToKeys = writeToKeys,
                            .findMessage = findSession};

void addToMethods() {
    static const bool added = (cipher::addMethod(method), true);
    (void)added;
}

} // namespace openpgp
