// Test helpers for building blocks and decrypting them as the editor does.
#include "BlockText.h"

#include "cipher/BlockReading.h"
#include "cipher/BlockWriter.h"
#include "cipher/DecryptSession.h"
#include "cipher/Lines.h"
#include "cipher/Messages.h"
#include "cipher/Method.h"

namespace testing_cipher {

BlockText::BlockText(std::string text)
    : m_text(std::move(text))
    , m_lines(cipher::splitLines(m_text)) {}

BlockText::BlockText(const std::vector<std::string> &lines)
    : BlockText(cipher::joinLines(lines)) {}

namespace {

// The session opened with the given phrase whenever it asks for one.
Decryption decryptIn(cipher::OpenedSession session, std::string_view phrase) {
    if (!session)
        return {session.refusal, {}, {}, {}};
    auto decoded = (*session.value)->open([phrase](const cipher::PhraseRequest &) {
        return cipher::SecretString(phrase);
    });
    if (!decoded)
        return {decoded.refusal, {}, {}, {}};
    return {{}, std::move(decoded.value->bytes), decoded.value->verdict, {}};
}

} // namespace

// The repairs are named whether or not the repaired block then opens.
Decryption decrypt(const BlockText &text, std::string_view phrase) {
    Decryption result = decryptIn(cipher::openDecryptSession(text.lines()), phrase);
    const cipher::BlockReading reading = cipher::readBlock(text.lines());
    if (reading.isRepaired())
        result.undone = cipher::describe(reading.repair->undone());
    return result;
}

Decryption decryptExactly(const BlockText &text, std::string_view phrase) {
    cipher::BlockReading exact{text.lines(), cipher::openBlock(text.lines()), nullptr};
    if (!exact.opened)
        return {exact.opened.refusal, {}, {}, {}};
    const cipher::Method *method =
        cipher::methodOfHeader(exact.opened.value->header, cipher::methods());
    return decryptIn(method->block->openBlock(std::move(exact)), phrase);
}

std::vector<std::string> armour(std::string_view text, std::string_view phrase, int method) {
    return cipher::writeBlock(*cipher::methodNamed(std::to_string(method)), text, phrase);
}

std::string everyByte() {
    std::string bytes;
    for (int value = 1; value <= 255; ++value)
        bytes += static_cast<char>(value);
    return bytes;
}

} // namespace testing_cipher
