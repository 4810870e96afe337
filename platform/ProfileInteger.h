// The integer conversion of initialization-file values: decimal or hexadecimal text to a
// signed 32-bit number.
#pragma once

#include <QStringView>
#include <optional>

namespace platform {

// The number the text holds, or nothing when it holds none. Accepted are optional leading
// spaces, then either an optional "+" or "-" and decimal digits in -2147483647..2147483647,
// or "$" and hexadecimal digits of at most 32 bits taken as a two's-complement pattern.
// A text longer than two characters that starts with "0x" or "0X" counts as starting with
// "$". Nothing may follow the digits, not even a space.
std::optional<qint32> profileInteger(QStringView text);

} // namespace platform
