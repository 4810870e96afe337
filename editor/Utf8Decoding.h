// UTF-8 decoded into the editor's UTF-16 characters while it is checked well-formed, in one pass.
#pragma once

#include <QString>
#include <optional>
#include <string_view>

namespace editor_text {

// The characters of the bytes when they are well-formed UTF-8 (no overlong form, no surrogate,
// nothing above U+10FFFF, no sequence cut short), a byte-order mark among them a character too;
// nothing when they are not.
std::optional<QString> decodeUtf8(std::string_view bytes);

} // namespace editor_text
