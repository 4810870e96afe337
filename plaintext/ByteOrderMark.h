// The UTF-8 byte-order mark, with which some editors begin a UTF-8 file.
#pragma once

#include <string_view>

namespace plaintext {

// EF BB BF.
inline constexpr std::string_view utf8Mark = "\xEF\xBB\xBF";

} // namespace plaintext
