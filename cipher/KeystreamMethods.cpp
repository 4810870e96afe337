// Methods 00 and 01. Writing a block: the passphrase block and the text share one stream of
// groups, cut into body lines of 16 groups, and the text groups are summed into the checksum
// line. Reading one: the phrase checked against the passphrase block, then the text decoded.
#include "cipher/KeystreamMethods.h"

#include "cipher/ArmourFormat.h"
#include "cipher/BlockReading.h"
#include "cipher/BlockWriter.h"
#include "cipher/BodyLines.h"
#include "cipher/CheckedInt.h"
#include "cipher/GroupCodec.h"
#include "cipher/Keystream.h"
#include "cipher/Messages.h"

#include <stdexcept>

namespace cipher {
namespace {

// Every copy reads Methods 00 and 01; their headers carry the format version 1.22, which wrote
// them.
constexpr std::int32_t headerVersion = 122;

// Positions 0..limit-1 of the group starting at `start` are enciphered from byteAt; the rest
// keep the filler, unenciphered, and draw nothing.
template <class ByteAt>
Group encipherGroup(std::size_t start, std::size_t limit, Keystream &keys, ByteAt byteAt) {
    Group group = {groupFiller, groupFiller, groupFiller};
    for (std::size_t j = 0; j < group.size() && start + j < limit; ++j)
        group[j] = keys.nextByte() ^ byteAt(start + j);
    return group;
}

// The passphrase groups; at most six, so they always fit on the first body line.
void writePhraseBlock(BodyLines &body, std::string_view phrase, BodyAlphabet alphabet) {
    Keystream keys = keystreamFor(phrase);
    const auto phraseByte = [phrase](std::size_t i) {
        return static_cast<std::uint8_t>(phrase[i]);
    };
    for (std::size_t i = 0; i < phrase.size(); i += bytesPerGroup)
        body.append(encipherGroup(i, phrase.size(), keys, phraseByte), alphabet);
}

// The text groups, the zero byte after the text included where its group has room for it;
// answers the body checksum.
std::int32_t writeText(BodyLines &body, std::string_view text, std::string_view phrase,
                       BodyAlphabet alphabet) {
    Keystream keys = keystreamFor(phrase);
    const auto textByte = [text](std::size_t i) {
        return i < text.size() ? static_cast<std::uint8_t>(text[i]) : std::uint8_t{0};
    };
    std::int32_t checksum = 0;
    for (std::size_t i = 0; i < text.size(); i += bytesPerGroup) {
        const Group group = encipherGroup(i, text.size() + 1, keys, textByte);
        body.breakIfFull();
        body.append(group, alphabet);
        checksum = checkedAdd(checksum, WeightedSum(group));
    }
    return checksum;
}

void checkWriterInput(std::string_view text, std::string_view passphrase, int method) {
    if (const auto refusal = encryptRefusal(text))
        throw std::invalid_argument(std::string(*refusal));
    if (passphrase.size() > keystreamPhrase.maxCharacters)
        throw std::invalid_argument("the passphrase is longer than the method takes");
    if (method != 0 && method != 1)
        throw std::invalid_argument("the keystream methods are 0 and 1");
}

// The text of the block, or a refusal where its checksum runs past 32 bits: a body that long
// was never written by a copy of this program, and a sum that overflowed proves nothing.
Outcome<DecodedText> decodeOrRefuse(LineList lines, const ArmouredBlock &block,
                                    std::string_view phrase) {
    try {
        return {decodeText(lines, block, phrase), {}};
    } catch (const IntegerOverflow &) {
        return refused<DecodedText>(Reason::Damaged, std::string(messages::checksumOverflows));
    }
}

// A block of Method 00 or 01, read: the phrase is tested against its passphrase block, the text
// decoded with the phrase's keystream.
class KeystreamSession : public DecryptSession {
public:
    explicit KeystreamSession(BlockReading reading)
        : m_reading(std::move(reading)) {}

    Outcome<DecodedText> open(const PhraseSource &ask) override {
        if (block().header.phraseLength <= 0)
            return decodeOrRefuse(m_reading.lines, block(), {});
        const std::optional<SecretString> phrase =
            ask({std::string(messages::enterPhrase), keystreamPhrase, messages::enterPhraseHelp});
        if (!phrase)
            return refused<DecodedText>(Reason::Cancelled, {});
        if (!phraseMatches(m_reading.lines, block(), *phrase))
            return refused<DecodedText>(Reason::WrongPhrase, std::string(messages::wrongPhrase));
        return decodeOrRefuse(m_reading.lines, block(), *phrase);
    }
    // The largest block decodes in about a millisecond.
    bool opensSlowly() const override { return false; }

private:
    const ArmouredBlock &block() const { return *m_reading.opened.value; }

    BlockReading m_reading;
};

OpenedSession openKeystreamBlock(BlockReading reading) {
    return {std::make_unique<KeystreamSession>(std::move(reading)), {}};
}

// A checksum beyond 32 bits proves nothing.
bool keystreamBlockProvesItself(LineList lines, const ArmouredBlock &block) {
    try {
        return bodyVerdict(lines, block) == Verdict::Verified;
    } catch (const IntegerOverflow &) {
        return false;
    }
}

std::vector<std::string> writeMethod00(std::string_view text, std::string_view phrase) {
    return writeKeystreamBlock(text, phrase, 0);
}

std::vector<std::string> writeMethod01(std::string_view text, std::string_view phrase) {
    return writeKeystreamBlock(text, phrase, 1);
}

// Every copy reads Methods 00 and 01, whatever the version; a method number below 0 is read
// as Method 00 is (see keystreamAlphabet).
bool namesMethod00(const Header &header) {
    return header.method <= 0;
}

bool namesMethod01(const Header &header) {
    return header.method == 1;
}

constinit const BlockShape method00Shape{headerVersion, QuestionToTilde, namesMethod00,
                                         keystreamBlockProvesItself, openKeystreamBlock};

constinit const BlockShape method01Shape{headerVersion, Letters, namesMethod01,
                                         keystreamBlockProvesItself, openKeystreamBlock};

} // namespace

constinit const PhraseRule keystreamPhrase{PhraseRule::Characters::Windows1252Capitals,
                                           0,
                                           maxPhraseLength,
                                           messages::enterNewPhrase,
                                           {},
                                           messages::newPhraseHelp};

constinit const Method method00{
    "Method 00",   TRANSLATABLE("Words", "Requires version 1.0 or higher to decrypt."),
    "0",           keystreamPhrase,
    writeMethod00, &method00Shape};

constinit const Method method01{
    "Method 01",   TRANSLATABLE("Words", "Requires version 1.1 or higher to decrypt."),
    "1",           keystreamPhrase,
    writeMethod01, &method01Shape};

BodyAlphabet keystreamAlphabet(std::int32_t method) {
    if (method == 0 || method == 1)
        return method == 0 ? QuestionToTilde : Letters;
    return ZeroBytes;
}

std::vector<std::string> writeKeystreamBlock(std::string_view text, std::string_view passphrase,
                                             int method) {
    checkWriterInput(text, passphrase, method);
    const auto groups = groupsFor(static_cast<std::int64_t>(passphrase.size())) +
                        groupsFor(static_cast<std::int64_t>(text.size()));
    std::vector<std::string> lines;
    lines.reserve(static_cast<std::size_t>(groups / groupsPerLine) + 5);
    lines.emplace_back(startLine);
    lines.push_back(writtenHeaderLine(headerVersion, method, passphrase.size(), text.size()));
    const BodyAlphabet alphabet = keystreamAlphabet(method);
    BodyLines body(lines);
    writePhraseBlock(body, passphrase, alphabet);
    const std::int32_t checksum = writeText(body, text, passphrase, alphabet);
    body.finish();
    lines.push_back(checksumLine(checksum));
    lines.emplace_back(endLine);
    return lines;
}

} // namespace cipher
