// The code page's characters as QChar and QString, from the one Windows-1252 table that the
// editor and the qvl tool share (a header of standard C++ that links nothing).
#include "platform/CodePage.h"

#include "plaintext/HighBytes.h"
#include "plaintext/Windows1252.h"

namespace platform::cp1252 {

QChar toChar(unsigned char byte) {
    return QChar(static_cast<char16_t>(plaintext::windows1252::toCharacter(byte)));
}

int toByte(QChar c) {
    return plaintext::windows1252::toByte(c.unicode());
}

QString decode(std::string_view bytes) {
    // Every byte but 80..9F is the character of the same number, as in Latin-1, which the
    // toolkit converts many bytes at a time; the bytes above 7F are then looked up one by one.
    QString text = QString::fromLatin1(bytes.data(), qsizetype(bytes.size()));
    QChar *characters = text.data();
    for (std::size_t i = plaintext::nextHighByte(bytes); i < bytes.size();
         i = plaintext::nextHighByte(bytes, i + 1))
        characters[i] = toChar(static_cast<unsigned char>(bytes[i]));
    return text;
}

std::string encode(QStringView text) {
    std::string bytes(std::size_t(text.size()), '?');
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int b = toByte(text[i]);
        if (b >= 0)
            bytes[std::size_t(i)] = static_cast<char>(b);
    }
    return bytes;
}

} // namespace platform::cp1252
