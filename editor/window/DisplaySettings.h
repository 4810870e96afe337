// The display settings as the settings file keeps them, and their reading at start-up and
// writing at shutdown.
#pragma once

#include "platform/ColorValue.h"

#include <QString>

namespace platform {
class ProfileFile;
}

inline constexpr const char *settingsFileName = "QVL.INI";
inline constexpr const char *settingsSection = "Shroud-a-Pad";

// Font sizes outside this range (in points) are unusable: no size at all, or characters
// taller than any screen. The editor draws with its default size in place of such a stored
// size, and writes the stored size back unchanged.
inline constexpr qint32 smallestUsableFontSize = 1;
inline constexpr qint32 largestUsableFontSize = 1000;
bool isUsableFontSize(qint32 size);

// The editor's look as stored; the defaults are the window's own when it is created.
struct DisplaySettings {
    QString fontName = QStringLiteral("Fixedsys");
    qint32 fontSize = 10; // points
    qint32 fontColor = 0; // colour value: explicit black
    bool bold = false;
    bool italic = false;
    bool wordWrap = false;
    qint32 backColor = static_cast<qint32>(platform::windowColorValue);

    friend bool operator==(const DisplaySettings &, const DisplaySettings &) = default;
};

// Reads the seven keys in order over the current settings, each current value being the
// default of its key:
// - FontName cut to 31 characters; an empty value leaves the name as it is;
// - FontSize as read, whatever its range;
// - FontColor as read;
// - FontBold, FontItalic and WordWrap only turn their option on (at start-up the window turns
//   word wrap on by running its Word Wrap command once);
// - BackColor as read, except that -6 leaves the background as it is.
void readDisplaySettings(const platform::ProfileFile &file, DisplaySettings &current);

// Writes the seven keys in order, each by its own call; the first write that fails throws
// its Failure and the keys after it are not written.
void writeDisplaySettings(platform::ProfileFile &file, const DisplaySettings &settings);
