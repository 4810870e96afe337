// Colour values as the settings keep them: 32-bit numbers naming either an explicit colour
// 0x00BBGGRR (red in the lowest byte) or, as 0x80000000 plus n, the system colour n.
#pragma once

#include <QColor>
#include <QPalette>

namespace platform {

inline constexpr quint32 systemColorFlag = 0x80000000;
inline constexpr quint32 largestExplicitColorValue = 0x00FFFFFF;
// System colour 5, the background of windows (of the editor, among others).
inline constexpr quint32 windowColorValue = systemColorFlag + 5;
// System colour 8, the text of windows.
inline constexpr quint32 windowTextColorValue = systemColorFlag + 8;

// The colour the value names: an explicit colour as it is, a system colour from the
// palette role that stands for it. An invalid QColor for any other value (a value above
// 0x00FFFFFF without the system-colour flag, or an unknown system colour number); the caller
// then draws with its own colour while keeping the value.
QColor colorFromValue(quint32 value, const QPalette &palette);

// The explicit colour value of a colour (its alpha is ignored).
quint32 valueFromColor(const QColor &color);

} // namespace platform
