// Writing a block: the passphrase block and the text share one stream of groups, cut into
// body lines of 16 groups, and the text groups are summed into the checksum line.
#include "cipher/ArmourWriter.h"

#include "cipher/ArmourFormat.h"
#include "cipher/BodyLines.h"
#include "cipher/CheckedInt.h"
#include "cipher/GroupCodec.h"
#include "cipher/Keystream.h"
#include "cipher/Messages.h"
#include "cipher/Method02.h"

#include <stdexcept>

namespace cipher {
namespace {

std::string headerLine(int method, std::size_t phraseLength, std::size_t textLength) {
    return std::string(armourTag) + std::string(writtenVersion) + "0" + std::to_string(method) +
           "/" + std::to_string(phraseLength) + "/" + std::to_string(textLength);
}

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
void writePhraseBlock(BodyLines &body, std::string_view phrase, int method) {
    Keystream keys = keystreamFor(phrase);
    const auto phraseByte = [phrase](std::size_t i) {
        return static_cast<std::uint8_t>(phrase[i]);
    };
    for (std::size_t i = 0; i < phrase.size(); i += bytesPerGroup)
        body.append(encipherGroup(i, phrase.size(), keys, phraseByte), method);
}

// The text groups, the zero byte after the text included where its group has room for it;
// answers the body checksum.
std::int32_t writeText(BodyLines &body, std::string_view text, std::string_view phrase,
                       int method) {
    Keystream keys = keystreamFor(phrase);
    const auto textByte = [text](std::size_t i) {
        return i < text.size() ? static_cast<std::uint8_t>(text[i]) : std::uint8_t{0};
    };
    std::int32_t checksum = 0;
    for (std::size_t i = 0; i < text.size(); i += bytesPerGroup) {
        const Group group = encipherGroup(i, text.size() + 1, keys, textByte);
        body.breakIfFull();
        body.append(group, method);
        checksum = checkedAdd(checksum, WeightedSum(group));
    }
    return checksum;
}

void checkWriterInput(std::string_view text, std::string_view passphrase, int method) {
    if (const auto refusal = encryptRefusal(text))
        throw std::invalid_argument(std::string(*refusal));
    if (passphrase.size() > maxPhraseLength)
        throw std::invalid_argument("ArmourWriter: the passphrase is longer than 16 characters");
    if (method != 0 && method != 1)
        throw std::invalid_argument("ArmourWriter: method must be 0, 1 or 2");
}

} // namespace

std::optional<std::string_view> encryptRefusal(std::string_view text) {
    return encryptRefusal(text.size());
}

std::optional<std::string_view> encryptRefusal(std::size_t textLength) {
    if (textLength == 0)
        return messages::noTextToEncrypt;
    if (textLength > maxTextLength)
        return messages::textTooLong;
    return std::nullopt;
}

std::vector<std::string> ArmourWriter(std::string_view text, std::string_view passphrase,
                                      int method) {
    if (method == method02Number)
        return method02::write(text, passphrase, method02::freshSealInputs());
    checkWriterInput(text, passphrase, method);
    const auto groups = groupsFor(static_cast<std::int64_t>(passphrase.size())) +
                        groupsFor(static_cast<std::int64_t>(text.size()));
    std::vector<std::string> lines;
    lines.reserve(static_cast<std::size_t>(groups / groupsPerLine) + 5);
    lines.emplace_back(startLine);
    lines.push_back(headerLine(method, passphrase.size(), text.size()));
    BodyLines body(lines);
    writePhraseBlock(body, passphrase, method);
    const std::int32_t checksum = writeText(body, text, passphrase, method);
    body.finish();
    lines.push_back(checksumLine(checksum));
    lines.emplace_back(endLine);
    return lines;
}

} // namespace cipher
