// Reading and writing the display settings, key by key in the order the file has them.
#include "editor/window/DisplaySettings.h"

#include "platform/ProfileFile.h"
#include "platform/TextLength.h"

namespace {

// The longest face name the font system of the original platform could hold.
constexpr qsizetype maxFontNameLength = 31;

// A background value that means "keep the background the window has".
constexpr qint32 keepBackground = -6;

const QString section = QString::fromLatin1(settingsSection);

} // namespace

bool isUsableFontSize(qint32 size) {
    return size >= smallestUsableFontSize && size <= largestUsableFontSize;
}

void readDisplaySettings(const platform::ProfileFile &file, DisplaySettings &current) {
    const QString name = file.readText(section, QStringLiteral("FontName"), current.fontName);
    if (!name.isEmpty())
        current.fontName = platform::leftCharacters(name, maxFontNameLength);
    current.fontSize = file.readInteger(section, QStringLiteral("FontSize"), current.fontSize);
    current.fontColor = file.readInteger(section, QStringLiteral("FontColor"), current.fontColor);
    current.bold = file.readFlag(section, QStringLiteral("FontBold"), false) || current.bold;
    current.italic = file.readFlag(section, QStringLiteral("FontItalic"), false) || current.italic;
    current.wordWrap =
        file.readFlag(section, QStringLiteral("WordWrap"), false) || current.wordWrap;
    const qint32 back = file.readInteger(section, QStringLiteral("BackColor"), current.backColor);
    if (back != keepBackground)
        current.backColor = back;
}

void writeDisplaySettings(platform::ProfileFile &file, const DisplaySettings &settings) {
    file.writeText(section, QStringLiteral("FontName"), settings.fontName);
    file.writeInteger(section, QStringLiteral("FontSize"), settings.fontSize);
    file.writeInteger(section, QStringLiteral("FontColor"), settings.fontColor);
    file.writeFlag(section, QStringLiteral("FontBold"), settings.bold);
    file.writeFlag(section, QStringLiteral("FontItalic"), settings.italic);
    file.writeFlag(section, QStringLiteral("WordWrap"), settings.wordWrap);
    file.writeInteger(section, QStringLiteral("BackColor"), settings.backColor);
}
