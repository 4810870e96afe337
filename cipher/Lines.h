// Cutting a byte text into its lines and joining a block's lines into text.
#pragma once

#include "plaintext/Lines.h"

#include <string>
#include <string_view>
#include <vector>

namespace cipher {

// The lines of a text, CR LF, a lone CR and a lone LF each ending one: the readers' view of
// the text a block is looked for in.
using plaintext::splitLines;

// The lines, each followed by CR LF, as Encrypt puts the block into the editor.
std::string joinLines(const std::vector<std::string> &lines);

} // namespace cipher
