// Points and pixels of a font, in exact integer arithmetic so that halves round the same way
// on every machine. A screen that reports no pixels per inch counts as 96.
#include "editor/FontSize.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace {

constexpr int pointsPerInch = 72;
constexpr int usualDotsPerInch = 96;

// numerator / denominator for a positive denominator, halves away from zero, kept within
// the range of a 32-bit number.
qint32 roundedQuotient(qint64 numerator, qint64 denominator) {
    const qint64 absolute = std::abs(numerator);
    const qint64 magnitude = absolute / denominator + (absolute % denominator * 2 >= denominator);
    const qint64 quotient = numerator < 0 ? -magnitude : magnitude;
    return static_cast<qint32>(std::clamp<qint64>(quotient, std::numeric_limits<qint32>::min(),
                                                  std::numeric_limits<qint32>::max()));
}

int usableDotsPerInch(int dotsPerInch) {
    return dotsPerInch > 0 ? dotsPerInch : usualDotsPerInch;
}

} // namespace

qint32 characterHeightFromPoints(qint32 points, int dotsPerInch) {
    return roundedQuotient(qint64(points) * usableDotsPerInch(dotsPerInch), pointsPerInch);
}

qint32 pointsFromCharacterHeight(qint32 pixels, int dotsPerInch) {
    return roundedQuotient(qint64(pixels) * pointsPerInch, usableDotsPerInch(dotsPerInch));
}
