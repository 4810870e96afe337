// IsEncryptedText: whether a text holds an armoured block, that is, whether at least two of
// its lines begin with "QvL/". Cheap enough to run on every key release.
#pragma once

#include "cipher/ArmourFormat.h"
#include "cipher/ArmourReader.h"

#include <cstddef>
#include <string_view>

namespace cipher {

// lineAt(i) gives line i (0-based) or just its first four characters, as anything that
// converts to std::string_view. Looks at no more than the first four characters of each line
// and stops at the second line that begins with the tag.
template <class LineAt> bool IsEncryptedText(std::size_t lineCount, LineAt &&lineAt) {
    int tagLines = 0;
    for (std::size_t i = 0; i < lineCount; ++i)
        if (beginsWithTag(std::string_view(lineAt(i))) && ++tagLines == 2)
            return true;
    return false;
}

inline bool IsEncryptedText(LineList lines) {
    return IsEncryptedText(lines.size(), [lines](std::size_t i) { return lines[i]; });
}

} // namespace cipher
