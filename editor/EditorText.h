// Conversions between the editor's characters and its bytes: Windows-1252, every line break
// the two bytes CR LF, no zero byte.
#pragma once

#include <QString>
#include <QStringView>
#include <string_view>

namespace editor_text {

inline constexpr std::string_view lineBreak = "\r\n";

// The text with every character that Windows-1252 cannot hold, and the zero character, turned
// into "?" (a character outside the basic plane counts as one). The no-break space is kept.
QString representable(QStringView text);

// Text as it enters the editor from outside (clipboard, a drop, a replaced text): cut at the
// first zero character, every CR LF, lone CR and lone LF one line break ('\n'), and every
// character the code page cannot hold turned into "?".
QString admissible(QStringView text);

// The editor's text for these bytes: cut at the first zero byte, decoded from Windows-1252,
// line breaks as in admissible().
QString fromBytes(std::string_view bytes);

} // namespace editor_text
