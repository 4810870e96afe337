// How well one colour reads on another, whether a palette is a dark theme, and a colour of the
// same hue moved just far enough to read on a given ground.
#pragma once

#include <QColor>
#include <QPalette>

namespace platform {

// The contrast ratio at which ordinary text reads, as accessibility guidelines measure it.
inline constexpr double readableContrast = 4.5;

// The contrast ratio of two colours: 1 for equal luminance up to 21 for black on white.
double contrastRatio(const QColor &a, const QColor &b);

// Whether the palette draws its text lighter than the ground beneath it: a dark theme, on which
// the dark colours that the layouts fix would not read. The ground is the window's (text
// WindowText) or, with QPalette::Base, an editor's (text Text).
[[nodiscard]] bool isDarkPalette(const QPalette &palette,
                                 QPalette::ColorRole ground = QPalette::Window);

// The colour itself when it reads on the ground; else the same hue, lighter on a dark ground
// and darker on a light one, just as far as it takes to read.
QColor readableOn(const QColor &colour, const QColor &ground);

} // namespace platform
