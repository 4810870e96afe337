// Conversions between the editor's characters and its bytes in the document's encoding,
// Windows-1252 or UTF-8: every line break the two bytes CR LF, no zero byte.
#pragma once

#include "cipher/TextEncoding.h"
#include "editor/text/Utf8Decoding.h"

#include <QString>
#include <QStringView>
#include <string>
#include <string_view>

namespace editor_text {

inline constexpr std::string_view lineBreak = "\r\n";

// True when the text holds a character that Windows-1252 cannot hold and UTF-8 can: a
// character the text would lose unless the document becomes UTF-8. The paragraph separator
// enters as a line break, so it needs neither.
bool needsUtf8(QStringView text);

// The position of the first character of the text that Windows-1252 cannot hold, or -1.
qsizetype firstOutsideWindows1252(QStringView text);

// The text with every character that the encoding cannot hold turned into "?": for UTF-8 the
// zero character and a lone half of a surrogate pair, for Windows-1252 also every character
// outside its table (a surrogate pair counting as one). The paragraph separator becomes a line
// break; the no-break space is kept.
QString representable(QStringView text, cipher::Encoding encoding);

// Text as it enters the editor from outside (clipboard, a drop, a replaced text): cut at the
// first zero character, every CR LF, lone CR and lone LF one line break ('\n'), and every
// character the encoding cannot hold turned into "?".
QString admissible(QStringView text, cipher::Encoding encoding);

// The editor's text for these bytes: cut at the first zero byte, decoded from the encoding (bytes
// that are not well-formed UTF-8 as Windows-1252), line breaks as in admissible(); with the
// counts of its lines when decoded from UTF-8.
DecodedText fromBytes(std::string_view bytes, cipher::Encoding encoding);

// Every CR LF and lone CR of the bytes becomes one LF, in place.
void joinLineBreaks(std::string &bytes);

// Whether the text (lines broken by '\n') holds an armoured block: two of its lines begin with
// the block's tag, as the status bar counts them.
bool holdsArmouredBlock(QStringView text);

// The characters as bytes of the encoding; a character Windows-1252 cannot hold becomes "?".
std::string toBytes(QStringView text, cipher::Encoding encoding);

} // namespace editor_text
