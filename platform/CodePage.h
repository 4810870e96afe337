// The editor's code page, Windows-1252: one fixed table from each byte 1..255 to one
// character and back, so blocks written elsewhere decrypt to the same characters here.
#pragma once

#include <QChar>
#include <QString>
#include <QStringView>
#include <string>
#include <string_view>

namespace platform::cp1252 {

// The character that stands for a byte; byte 0 gives QChar(0).
QChar toChar(unsigned char byte);

// The byte that holds a character, or -1 when the code page has none for it.
int toByte(QChar c);

[[nodiscard]] inline bool isRepresentable(QChar c) {
    return toByte(c) >= 0;
}

QString decode(std::string_view bytes);

// Characters the code page cannot hold become "?".
std::string encode(QStringView text);

} // namespace platform::cp1252
