// Reading and writing a text file whole, as the editor's bytes: saving replaces the file only
// once every byte has been written.
#pragma once

#include <QString>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// The file's bytes, from the first to its end, whatever size it states; nothing when it states
// or holds more than `limit` bytes (nothing read when it states more). Fails with "Cannot open file
// %s" when it cannot be opened or read.
std::optional<std::string> readWholeFile(const QString &path, qint64 limit);

// Writes the bytes and nothing else, atomically: the old file stays whole when any step
// fails. Fails with "Cannot create file %s" or "Stream write error".
void saveWholeFile(const QString &path, std::string_view bytes);

} // namespace platform
