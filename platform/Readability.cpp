// Luminance and contrast of colours as accessibility guidelines define them, and the nearest
// readable colour of the same hue.
#include "platform/Readability.h"

#include <algorithm>
#include <cmath>

namespace platform {

namespace {

double linear(double channel) {
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double luminance(const QColor &colour) {
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) +
           0.0722 * linear(rgb.blueF());
}

} // namespace

double contrastRatio(const QColor &a, const QColor &b) {
    const double first = luminance(a);
    const double second = luminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

bool isDarkPalette(const QPalette &palette, QPalette::ColorRole ground) {
    const QPalette::ColorRole text =
        ground == QPalette::Base ? QPalette::Text : QPalette::WindowText;
    return luminance(palette.color(text)) > luminance(palette.color(ground));
}

QColor readableOn(const QColor &colour, const QColor &ground) {
    const QColor hsl = colour.toHsl();
    const bool lighten = luminance(ground) < 0.18;
    // A hundred steps of lightness from the colour's own towards white or black; the last
    // step is white or black itself, which reads on any ground that needs it.
    constexpr int steps = 100;
    const double from = hsl.lightnessF();
    const double to = lighten ? 1.0 : 0.0;
    for (int step = 0; step <= steps; ++step) {
        const QColor candidate = QColor::fromHslF(hsl.hslHueF(), hsl.hslSaturationF(),
                                                  from + (to - from) * step / steps);
        if (contrastRatio(candidate, ground) >= readableContrast)
            return candidate.toRgb();
    }
    return lighten ? QColor(Qt::white) : QColor(Qt::black);
}

} // namespace platform
