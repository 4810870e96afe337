// The initialization-file format held in memory: finding a key's value in a section and
// replacing or adding one key line while every other byte of the file stays as it was.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <optional>

namespace platform {

// The value of the key in the section, with the blanks around it and one pair of enclosing
// quotation marks removed, or nothing when the section or the key is missing.
//
// A section starts at a line "[name]" and runs to the next such line. Section names and keys
// are matched without regard to ASCII case, and the blanks (spaces, tabs) around them are
// ignored. Where a section name appears twice only its first section counts, and where a key
// appears twice in it only its first line counts; lines without "=" (comments, stray text)
// never match. Lines end with LF or CR LF.
std::optional<QByteArray> findProfileValue(QByteArrayView content, QByteArrayView section,
                                           QByteArrayView key);

// False when the entry could not be read back as written: a line break or zero byte in any
// part, an empty section or key, blanks at the edges of the section or the key, "]" in the
// section, "=" in the key, or "[" at the start of the key (its line could read as a section).
[[nodiscard]] bool isStorableProfileEntry(QByteArrayView section, QByteArrayView key,
                                          QByteArrayView value);

// The content with the key's first line in the section's first occurrence replaced by
// "key=value"; when the key is missing, the line is added after the last line of the
// section that is not blank, and when the section is missing, its header line and the key
// line are added at the end. The line ending of a replaced line is kept; new lines end the
// way the content's first line does, or with LF when the content has no line break.
QByteArray withProfileValue(QByteArrayView content, QByteArrayView section, QByteArrayView key,
                            QByteArrayView value);

} // namespace platform
