// The Windows-1252 table: bytes 80..9F hold typographic characters; the five bytes the code
// page leaves unassigned stand for the control characters of the same number.
#include "platform/CodePage.h"

#include <array>

namespace platform::cp1252 {

namespace {

constexpr std::array<char16_t, 32> high = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, //
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, //
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, //
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, //
};

} // namespace

QChar toChar(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F)
        return QChar(high[byte - 0x80]);
    return QChar(byte);
}

int toByte(QChar c) {
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return u;
    for (std::size_t i = 0; i < high.size(); ++i) {
        if (high[i] == u)
            return int(0x80 + i);
    }
    return -1;
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
