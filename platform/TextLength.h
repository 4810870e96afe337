// Cutting a text to a limit of characters, as the platform's fixed-size string buffers did.
#pragma once

#include <QString>

namespace platform {

// The first count UTF-16 code units of the text, one fewer when the cut would split a
// surrogate pair, so that no half of a character is left behind.
QString leftCharacters(const QString &text, qsizetype count);

} // namespace platform
