// Test helpers for building blocks and decrypting them as the editor does.
#include "BlockText.h"

#include "cipher/ArmourWriter.h"
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
Decryption decryptMethod02(const BlockText &text, const cipher::ArmouredBlock &block,
                           std::string_view phrase) {
    const auto body = cipher::method02::readBody(text.lines(), block);
    if (!body)
        return {body.refusal, {}, {}};
    auto opened = cipher::method02::open(*body.value, phrase);
    if (!opened)
        return {std::string(cipher::messages::wrongPhrase), {}, {}};
    return {{}, std::move(*opened), cipher::Verdict::Verified};
}

} // namespace

Decryption decrypt(const BlockText &text, std::string_view phrase) {
    const auto block = cipher::openBlock(text.lines());
    if (!block)
        return {block.refusal, {}, {}};
    if (block.value->header.isMethod02())
        return decryptMethod02(text, *block.value, phrase);
    if (block.value->isProtected() && !cipher::phraseMatches(text.lines(), *block.value, phrase))
        return {std::string(cipher::messages::wrongPhrase), {}, {}};
    auto decoded = cipher::decodeText(text.lines(), *block.value, phrase);
    return {{}, std::move(decoded.bytes), decoded.verdict};
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
