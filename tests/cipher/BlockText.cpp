// Test helpers for building blocks and decrypting them as the editor does.
#include "BlockText.h"

#include "cipher/ArmourWriter.h"
#include "cipher/BlockReading.h"
#include "cipher/Lines.h"
#include "cipher/Messages.h"
#include "cipher/Method02.h"

namespace testing_cipher {

BlockText::BlockText(std::string text)
    : m_text(std::move(text))
    , m_lines(cipher::splitLines(m_text)) {}

BlockText::BlockText(const std::vector<std::string> &lines)
    : BlockText(cipher::joinLines(lines)) {}

namespace {

// A Method 02 block: its body proved intact first, then opened with the phrase.
Decryption decryptMethod02(cipher::LineList lines, const cipher::ArmouredBlock &block,
                           std::string_view phrase) {
    const auto body = cipher::method02::readBody(lines, block);
    if (!body)
        return {body.refusal, {}, {}, {}};
    auto opened = cipher::method02::open(*body.value, phrase);
    if (!opened)
        return {std::string(cipher::messages::wrongPhrase), {}, {}, {}};
    return {{}, std::move(*opened), cipher::Verdict::Verified, {}};
}

Decryption decryptBlock(cipher::LineList lines, const cipher::Outcome<cipher::ArmouredBlock> &block,
                        std::string_view phrase) {
    if (!block)
        return {block.refusal, {}, {}, {}};
    if (block.value->header.isMethod02())
        return decryptMethod02(lines, *block.value, phrase);
    if (block.value->isProtected() && !cipher::phraseMatches(lines, *block.value, phrase))
        return {std::string(cipher::messages::wrongPhrase), {}, {}, {}};
    auto decoded = cipher::decodeText(lines, *block.value, phrase);
    return {{}, std::move(decoded.bytes), decoded.verdict, {}};
}

} // namespace

Decryption decrypt(const BlockText &text, std::string_view phrase) {
    const cipher::BlockReading reading = cipher::readBlock(text.lines());
    Decryption result = decryptBlock(reading.lines, reading.opened, phrase);
    if (reading.isRepaired())
        result.undone = cipher::describe(reading.repair->undone());
    return result;
}

Decryption decryptExactly(const BlockText &text, std::string_view phrase) {
    return decryptBlock(text.lines(), cipher::openBlock(text.lines()), phrase);
}

std::vector<std::string> armour(std::string_view text, std::string_view phrase, int method) {
    return cipher::ArmourWriter(text, phrase, method);
}

std::string everyByte() {
    std::string bytes;
    for (int value = 1; value <= 255; ++value)
        bytes += static_cast<char>(value);
    return bytes;
}

} // namespace testing_cipher
