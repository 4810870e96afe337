// OpenPGP's entry: the table's writer, key list and message finder, each handing its work to
// GnuPG's side, asked for when first needed.
#include "openpgp/OpenPgpMethod.h"
#include "openpgp/Words.h"

#include "cipher/Lines.h"
#include "openpgp/OtherContent.h"

#include <stdexcept>

namespace openpgp {
namespace {

constexpr std::string_view newPhrasePrompt =
    TRANSLATABLE("Words", "Enter a phrase to protect the OpenPGP message:");
constexpr std::string_view phraseNeeded = TRANSLATABLE(
    "Words", "An OpenPGP message protected by a phrase needs a phrase.  Enter a phrase.");

EngineSource engineSource = nullptr;

cipher::Outcome<const Engine *> engine() {
    if (engineSource == nullptr)
        return cipher::refused<const Engine *>(
            cipher::Reason::Failed, TRANSLATABLE("Words", "OpenPGP was not added to the methods."));
    return engineSource();
}

// The armour's lines without their CR LF breaks, as the table's writers give them.
std::vector<std::string> linesOf(const std::string &armour) {
    std::vector<std::string> lines;
    for (const std::string_view line : cipher::splitLines(armour))
        lines.emplace_back(line);
    if (!lines.empty() && lines.back().empty())
        lines.pop_back();
    return lines;
}

// The lines of the armour GnuPG wrote, or its refusal.
cipher::Outcome<std::vector<std::string>> linesOrRefusal(cipher::Outcome<std::string> &&written) {
    if (!written)
        return cipher::refusedAs<std::vector<std::string>>(std::move(written));
    return {linesOf(*written.value), {}};
}

std::vector<std::string> writeWithPhrase(std::string_view text, std::string_view phrase) {
    const cipher::Outcome<const Engine *> gnupg = engine();
    if (!gnupg)
        throw std::runtime_error(gnupg.refusal);
    const cipher::Outcome<std::string> written = (*gnupg.value)->writeWithPhrase(text, phrase);
    if (!written)
        throw std::runtime_error(written.refusal);
    return linesOf(*written.value);
}

cipher::Outcome<std::vector<std::string>> writeToKeys(std::string_view text,
                                                      const std::vector<std::string> &keys) {
    cipher::Outcome<const Engine *> gnupg = engine();
    if (!gnupg)
        return cipher::refusedAs<std::vector<std::string>>(std::move(gnupg));
    return linesOrRefusal((*gnupg.value)->writeToKeys(text, keys));
}

// Without GnuPG there are no keys to offer; writing with a phrase then says why.
std::vector<cipher::RecipientKey> recipientKeys() {
    const cipher::Outcome<const Engine *> gnupg = engine();
    return gnupg ? (*gnupg.value)->recipientKeys() : std::vector<cipher::RecipientKey>{};
}

// A clear-signed text is checked by GnuPG; without it, the words say why it cannot be.
cipher::OpenedSession openSignedText(FoundSignedText found) {
    cipher::Outcome<const Engine *> gnupg = engine();
    if (!gnupg)
        return cipher::refusedAs<std::unique_ptr<cipher::DecryptSession>>(std::move(gnupg));
    return {(*gnupg.value)->openSignedText(std::move(found)), {}};
}

std::optional<cipher::OpenedSession> findSession(cipher::LineList lines) {
    // The lines joined once, in a string of the exact size: a text of many short lines would
    // otherwise cost its growth's slack beside the line list.
    std::size_t size = lines.size();
    for (const std::string_view line : lines)
        size += line.size();
    std::string text;
    text.reserve(size);
    for (const std::string_view line : lines)
        (text += line) += '\n';
    std::optional<FoundMessage> found = findMessage(text);
    if (!found) {
        if (std::optional<FoundSignedText> signedText = findSignedText(text))
            return openSignedText(std::move(*signedText));
        const std::optional<OtherContent> other = findOtherContent(text);
        if (!other)
            return std::nullopt;
        return cipher::refused<std::unique_ptr<cipher::DecryptSession>>(other->reason,
                                                                        std::string(other->words));
    }
    cipher::Outcome<const Engine *> gnupg = engine();
    if (!gnupg)
        return cipher::refusedAs<std::unique_ptr<cipher::DecryptSession>>(std::move(gnupg));
    return cipher::OpenedSession{(*gnupg.value)->openSession(std::move(*found)), {}};
}

// The user's own signing key; without GnuPG there is none, and the words say why.
cipher::SigningKey signingKey() {
    const cipher::Outcome<const Engine *> gnupg = engine();
    return gnupg ? (*gnupg.value)->signingKey() : cipher::SigningKey{{}, gnupg.refusal};
}

cipher::Outcome<std::vector<std::string>> writeSignedToKeys(std::string_view text,
                                                            const std::vector<std::string> &keys,
                                                            const cipher::PhraseSource &ask) {
    cipher::Outcome<const Engine *> gnupg = engine();
    if (!gnupg)
        return cipher::refusedAs<std::vector<std::string>>(std::move(gnupg));
    return linesOrRefusal((*gnupg.value)->writeSignedToKeys(text, keys, ask));
}

cipher::Outcome<std::vector<std::string>> signText(std::string_view text,
                                                   const cipher::PhraseSource &ask) {
    cipher::Outcome<const Engine *> gnupg = engine();
    if (!gnupg)
        return cipher::refusedAs<std::vector<std::string>>(std::move(gnupg));
    return linesOrRefusal((*gnupg.value)->signText(text, ask));
}

} // namespace

// A message without a recipient needs a phrase.
constinit const cipher::PhraseRule phraseRule{cipher::PhraseRule::Characters::AsTyped,
                                              1,
                                              longestPhrase,
                                              newPhrasePrompt,
                                              phraseNeeded,
                                              phraseHelp};

constinit const cipher::Method method{
    .name = "OpenPGP",
    .note = TRANSLATABLE("Words", "For people who use OpenPGP: to their keys or a phrase."),
    .cliName = {},
    .phraseRule = phraseRule,
    .writeBlock = writeWithPhrase,
    .recipientKeys = recipientKeys,
    .writeToKeys = writeToKeys,
    .findMessage = findSession,
    .carriesUtf8 = true,
    .signingKey = signingKey,
    .writeSignedToKeys = writeSignedToKeys,
    .signText = signText};

void addToMethods(EngineSource source) {
    engineSource = source;
    static const bool added = (cipher::addMethod(method), true);
    (void)added;
}

} // namespace openpgp
