// The code page's characters as QChar and QString, from the one Windows-1252 table that the
// editor and the qvl tool share (a header of standard C++ that links nothing).
#include "platform/CodePage.h"

#include "plaintext/Windows1252.h"

namespace platform::cp1252 {

QChar toChar(unsigned char byte) {
    return QChar(static_cast<char16_t>(plaintext::windows1252::toCharacter(byte)));
}

int toByte(QChar c) {
    return plaintext::windows1252::toByte(c.unicode());
}

QString decode(std::string_view bytes) {
    QString text(qsizetype(bytes.size()), Qt::Uninitialized);
    QChar *out = text.data();
    for (const char b : bytes)
        *out++ = toChar(static_cast<unsigned char>(b));
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
