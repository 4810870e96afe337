// The two encodings a text can have, Windows-1252 and UTF-8: telling them apart from the bytes,
// and a Windows-1252 text rewritten as UTF-8. Standard C++ only, so the qvl tool shares it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace cipher {

enum class Encoding { Windows1252, Utf8 };

// The UTF-8 byte-order mark, EF BB BF.
inline constexpr std::string_view utf8Mark = "\xEF\xBB\xBF";

// True when the bytes are well-formed UTF-8: no overlong form, no surrogate, nothing above
// U+10FFFF, no sequence cut short.
bool isValidUtf8(std::string_view bytes);

// The characters of well-formed UTF-8, or nothing when the bytes are not well-formed.
std::optional<std::u32string> decodeUtf8(std::string_view bytes);

// UTF-8 when the bytes are valid UTF-8 holding at least one byte above 7F; any other text is
// Windows-1252. Pure ASCII reads the same either way, so it stays Windows-1252.
Encoding encodingOf(std::string_view bytes);

// The Windows-1252 bytes as UTF-8, each byte the character the editor's code page gives it.
std::string windows1252ToUtf8(std::string_view bytes);

} // namespace cipher
