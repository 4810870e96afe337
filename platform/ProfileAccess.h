// Reading and writing one key of an initialization file on disk; each call opens and closes
// the file, so nothing is cached and the file is never held open between calls.
#pragma once

#include <QString>

namespace platform {

// At most this many characters of a value are read.
inline constexpr qsizetype maxProfileValueLength = 1023;

// The key's value in the section, or defaultText when the file, the section or the key is
// missing or the file cannot be read. Never creates the file. Values are UTF-8; a value that
// is not valid UTF-8 (one written on the original platform) is read as Windows-1252, so any
// bytes read as some text.
QString getProfileString(const QString &path, const QString &section, const QString &key,
                         const QString &defaultText);

// Stores the value as UTF-8, creating the folder, the file, the section and the key as
// needed and leaving every other line as it was. False when the file cannot be written (a
// read-only file, an unreadable or oversized one, a folder that cannot be made, a full disk)
// or the entry would not fit on one line; the file is then left exactly as it was.
[[nodiscard]] bool putProfileString(const QString &path, const QString &section, const QString &key,
                                    const QString &value);

} // namespace platform
