// The integer conversion of initialization-file values. Digits are accumulated in 64 bits
// and checked after each one, so no text, however long, can overflow.
#include "platform/ProfileInteger.h"

#include <limits>

namespace platform {

namespace {

constexpr qint64 maxDecimal = std::numeric_limits<qint32>::max();
constexpr qint64 maxHexadecimal = std::numeric_limits<quint32>::max();

// The value of one digit in the base, or -1 when the character is none.
int digitValue(QChar c, int base) {
    const char16_t u = c.unicode();
    int value = -1;
    if (u >= u'0' && u <= u'9')
        value = u - u'0';
    else if (u >= u'a' && u <= u'f')
        value = u - u'a' + 10;
    else if (u >= u'A' && u <= u'F')
        value = u - u'A' + 10;
    return value < base ? value : -1;
}

// One or more digits and nothing else, no greater than the limit.
std::optional<qint64> unsignedNumber(QStringView digits, int base, qint64 limit) {
    if (digits.isEmpty())
        return std::nullopt;
    qint64 value = 0;
    for (const QChar c : digits) {
        const int digit = digitValue(c, base);
        if (digit < 0)
            return std::nullopt;
        value = value * base + digit;
        if (value > limit)
            return std::nullopt;
    }
    return value;
}

std::optional<qint32> hexadecimal(QStringView digits) {
    const auto value = unsignedNumber(digits, 16, maxHexadecimal);
    if (!value)
        return std::nullopt;
    return static_cast<qint32>(static_cast<quint32>(*value));
}

std::optional<qint32> decimal(QStringView text) {
    const bool negative = text.startsWith(u'-');
    if (negative || text.startsWith(u'+'))
        text = text.sliced(1);
    const auto value = unsignedNumber(text, 10, maxDecimal);
    if (!value)
        return std::nullopt;
    return static_cast<qint32>(negative ? -*value : *value);
}

} // namespace

std::optional<qint32> profileInteger(QStringView text) {
    const bool cPrefix = text.size() > 2 && text[0] == u'0' && (text[1] == u'x' || text[1] == u'X');
    if (cPrefix)
        return hexadecimal(text.sliced(2));
    while (text.startsWith(u' '))
        text = text.sliced(1);
    return text.startsWith(u'$') ? hexadecimal(text.sliced(1)) : decimal(text);
}

} // namespace platform
