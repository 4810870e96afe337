// qvl's input and output: whole files or standard input in, raw bytes out.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace qvl {

// The whole file's bytes, or standard input's when the name is empty or "-". A file that
// cannot be read throws CliError with the system's reason.
std::string readInput(const std::optional<std::string> &path);

// Writes the bytes to standard output as they are; a failed write throws CliError.
void writeOutput(std::string_view bytes);

} // namespace qvl
