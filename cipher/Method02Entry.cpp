// Method 02 in the table of methods: its phrase rule, its entry and its reading, which proves
// the body intact before it asks for the phrase, so that damage is never taken for a wrong one.
#include "cipher/Method02.h"

#include "cipher/BlockReading.h"
#include "cipher/ComposedWords.h"
#include "cipher/Messages.h"

namespace cipher::method02 {
namespace {

class Method02Session : public DecryptSession {
public:
    explicit Method02Session(SealedBody body)
        : m_body(std::move(body)) {}

    Outcome<DecodedText> open(const PhraseSource &ask) override {
        const std::optional<SecretString> phrase =
            ask({std::string(messages::enterPhrase), phraseRule, messages::enterPhraseHelp});
        if (!phrase)
            return refused<DecodedText>(Reason::Cancelled, {});
        std::optional<std::string> text = method02::open(m_body, *phrase);
        if (!text)
            return refused<DecodedText>(Reason::WrongPhrase, std::string(messages::wrongPhrase));
        return {DecodedText{std::move(*text), Verdict::Verified}, {}};
    }

private:
    SealedBody m_body;
};

OpenedSession openMethod02Block(BlockReading reading) {
    Outcome<SealedBody> body = readBody(reading.lines, *reading.opened.value);
    if (!body)
        return refusedAs<std::unique_ptr<DecryptSession>>(std::move(body));
    return {std::make_unique<Method02Session>(std::move(*body.value)), {}};
}

// Its body exactly as written and its checksum agreeing leave only the phrase to the tag.
bool method02BlockProvesItself(LineList lines, const ArmouredBlock &block) {
    return static_cast<bool>(readBody(lines, block));
}

std::vector<std::string> writeMethod02(std::string_view text, std::string_view phrase) {
    return write(text, phrase, freshSealInputs());
}

// Method 02 in a block of format version 2.00 or later: an older version's block naming method
// 02 is none that was ever written.
bool namesMethod02(const Header &header) {
    return header.method == headerMethod && header.version >= headerVersion;
}

constexpr std::size_t maxPhraseCharacters = 64;
constexpr ComposedWords<64> newPhrasePrompt{messages::newPhraseOfLengthPrompt, maxPhraseCharacters};
constexpr ComposedWords<80> phraseNeeded{messages::phraseOfLengthNeeded, maxPhraseCharacters};

constinit const BlockShape shape{headerVersion, Letters, namesMethod02, method02BlockProvesItself,
                                 openMethod02Block};

} // namespace

constinit const PhraseRule phraseRule{PhraseRule::Characters::AsTyped,
                                      1,
                                      maxPhraseCharacters,
                                      newPhrasePrompt.view(),
                                      phraseNeeded.view(),
                                      messages::newPhraseHelp};

constinit const Method method{
    "Method 02",
    TRANSLATABLE("Words", "Strong protection.  Requires version 2.00 or higher to decrypt."),
    "2",
    phraseRule,
    writeMethod02,
    &shape};

} // namespace cipher::method02
