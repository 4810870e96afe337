// Cutting a byte text into its lines and joining a block's lines into text.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace cipher {

// The lines of a text, without their breaks; CR LF, a lone CR and a lone LF each end a line.
// Like the editor's line list, a text of n line breaks has n + 1 lines (an empty text has one
// empty line, a text ending with a break has an empty last line). The views point into text.
std::vector<std::string_view> splitLines(std::string_view text);

// The lines, each followed by CR LF, as Encrypt puts the block into the editor.
std::string joinLines(const std::vector<std::string> &lines);

} // namespace cipher
