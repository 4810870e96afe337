// Colour values to colours and back. The system colours of the original platform are stood
// in for by the palette roles nearest to them in meaning.
#include "platform/ColorValue.h"

#include <array>
#include <optional>

namespace platform {

namespace {

struct PaletteEntry {
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

constexpr PaletteEntry active(QPalette::ColorRole role) {
    return {QPalette::Active, role};
}
constexpr PaletteEntry inactive(QPalette::ColorRole role) {
    return {QPalette::Inactive, role};
}

// Indexed by system colour number; number 25 has no colour.
constexpr std::array<std::optional<PaletteEntry>, 31> systemColors = {{
    active(QPalette::Button),                         // 0 scroll bar
    active(QPalette::Window),                         // 1 desktop
    active(QPalette::Highlight),                      // 2 active caption
    inactive(QPalette::Highlight),                    // 3 inactive caption
    active(QPalette::Window),                         // 4 menu
    active(QPalette::Base),                           // 5 window background
    active(QPalette::Dark),                           // 6 window frame
    active(QPalette::WindowText),                     // 7 menu text
    active(QPalette::Text),                           // 8 window text
    active(QPalette::HighlightedText),                // 9 caption text
    active(QPalette::Window),                         // 10 active border
    inactive(QPalette::Window),                       // 11 inactive border
    active(QPalette::Mid),                            // 12 application workspace
    active(QPalette::Highlight),                      // 13 highlight
    active(QPalette::HighlightedText),                // 14 highlighted text
    active(QPalette::Button),                         // 15 button face
    active(QPalette::Dark),                           // 16 button shadow
    PaletteEntry{QPalette::Disabled, QPalette::Text}, // 17 grey (disabled) text
    active(QPalette::ButtonText),                     // 18 button text
    inactive(QPalette::HighlightedText),              // 19 inactive caption text
    active(QPalette::Light),                          // 20 button highlight
    active(QPalette::Shadow),                         // 21 dark 3D shadow
    active(QPalette::Midlight),                       // 22 light 3D face
    active(QPalette::ToolTipText),                    // 23 tooltip text
    active(QPalette::ToolTipBase),                    // 24 tooltip background
    std::nullopt,                                     // 25 unused
    active(QPalette::Link),                           // 26 hot-tracked item
    active(QPalette::Highlight),                      // 27 active caption gradient
    inactive(QPalette::Highlight),                    // 28 inactive caption gradient
    active(QPalette::Highlight),                      // 29 highlighted menu item
    active(QPalette::Window),                         // 30 menu bar
}};

QColor systemColor(quint32 number, const QPalette &palette) {
    if (number >= systemColors.size() || !systemColors[number])
        return QColor();
    return palette.color(systemColors[number]->group, systemColors[number]->role);
}

} // namespace

QColor colorFromValue(quint32 value, const QPalette &palette) {
    if (value & systemColorFlag)
        return systemColor(value & ~systemColorFlag, palette);
    if (value > largestExplicitColorValue)
        return QColor();
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

quint32 valueFromColor(const QColor &color) {
    const QColor rgb = color.toRgb();
    return quint32(rgb.red()) | quint32(rgb.green()) << 8 | quint32(rgb.blue()) << 16;
}

} // namespace platform
