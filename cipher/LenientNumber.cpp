// Lenient number reading: blanks, sign, "$" for hexadecimal, digits up to the first stranger.
#include "cipher/LenientNumber.h"

#include <algorithm>
#include <limits>

namespace cipher {
namespace {

int digitValue(char c, bool hexadecimal) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (!hexadecimal)
        return -1;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// Anything beyond this magnitude is out of range whatever its sign; stopping the growth here
// keeps the running value from overflowing however many digits follow.
constexpr std::int64_t magnitudeCap = std::int64_t{1} << 32;

} // namespace

std::optional<std::int32_t> readLenientNumber(std::string_view field) {
    std::size_t i = field.find_first_not_of(' ');
    if (i == std::string_view::npos)
        return 0;
    const bool negative = field[i] == '-';
    if (field[i] == '+' || field[i] == '-')
        ++i;
    const bool hexadecimal = i < field.size() && field[i] == '$';
    if (hexadecimal)
        ++i;
    const int base = hexadecimal ? 16 : 10;
    std::int64_t magnitude = 0;
    for (int digit = 0; i < field.size() && (digit = digitValue(field[i], hexadecimal)) >= 0; ++i)
        magnitude = std::min(magnitude * base + digit, magnitudeCap);
    const bool signCounts = i == field.size() && negative;
    const std::int64_t value = signCounts ? -magnitude : magnitude;
    if (value < std::numeric_limits<std::int32_t>::min() ||
        value > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

} // namespace cipher
