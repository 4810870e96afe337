// Saving onto a device or a pipe: written in place, opened without waiting for a reader, and
// never left waiting for ever on a reader that takes nothing.
#pragma once

#include <QString>
#include <string_view>

namespace platform {

// Fails with "Cannot create file %s" when the target cannot be opened (a pipe that nobody
// reads among them), and with "Stream write error" when not every byte is taken: the device
// is full, the reader went away, or it took nothing for several seconds.
void writeInPlace(const QString &path, std::string_view bytes);

} // namespace platform
