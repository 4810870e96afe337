// Saving onto a device or a pipe: written in place, opened without waiting for a reader, and
// never left waiting for ever on a reader that takes nothing.
#pragma once

#include <QString>
#include <chrono>
#include <string_view>

namespace platform {

// How long a reader may take nothing before a save gives up.
inline constexpr std::chrono::milliseconds defaultStallLimit{5000};
// Sets that time for every later save; the program keeps the default, tests that save onto a
// stalled pipe make it short.
void setStallLimit(std::chrono::milliseconds limit);

// Fails with "Cannot create file %s" when the target cannot be opened (a pipe that nobody
// reads among them), and with "Stream write error" when not every byte is taken: the device
// is full, the reader went away, or it took nothing for the stall limit.
void writeInPlace(const QString &path, std::string_view bytes);

} // namespace platform
