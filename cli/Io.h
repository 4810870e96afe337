// qvl's input and output: a bounded read of a file or standard input, raw bytes out.
#pragma once

#include "cipher/SecretString.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace qvl {

// The most input qvl reads: far above any mail that carries a block (the block of the longest
// text is about 31 KB), and small enough to hold in memory.
inline constexpr std::size_t maxInputBytes = 16 * 1024 * 1024;

// The whole file's bytes, or standard input's when the name is empty or "-". A file that
// cannot be read, or one over maxInputBytes, throws CliError; no more than the limit and one
// chunk is ever read.
std::string readInput(const std::optional<std::string> &path);

// The file's bytes up to its first line break (CR or LF, not included). Reading stops at the
// break or after `bound` bytes; `cut` tells that the line runs on beyond the bound.
struct FirstLine {
    cipher::SecretString bytes; // a phrase: wiped when it goes
    bool cut = false;
};
FirstLine readFirstLine(const std::string &path, std::size_t bound);

// Writes the bytes to standard output as they are; a failed write throws CliError.
void writeOutput(std::string_view bytes);

} // namespace qvl
