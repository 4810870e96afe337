// UTF-8 decoded into the editor's UTF-16 characters while it is checked well-formed, its line
// breaks joined and its lines counted, in one pass.
#pragma once

#include "editor/text/LineCounts.h"

#include <QString>
#include <optional>
#include <string_view>

namespace editor_text {

struct DecodedText {
    QString characters;
    LineCounts lines;
};

// The characters of the bytes, every CR LF and lone CR one '\n' as every lone LF, and the counts
// of their lines, when the bytes are well-formed UTF-8 (no overlong form, no surrogate, nothing
// above U+10FFFF, no sequence cut short), a byte-order mark among them a character too; nothing
// when they are not.
std::optional<DecodedText> decodeUtf8(std::string_view bytes);

} // namespace editor_text
