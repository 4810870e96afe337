// Where group k of a block's stream stands: body line k div 16, columns 2 + 4 (k mod 16) to
// 5 + 4 (k mod 16), counting lines from the one after the header line.
#pragma once

#include "cipher/ArmourFormat.h"
#include "cipher/ArmourReader.h"

#include <algorithm>
#include <optional>
#include <string_view>

namespace cipher {

class GroupStream {
public:
    GroupStream(LineList lines, const BlockPlace &place)
        : m_lines(lines)
        , m_place(place) {}

    // The group's four characters; empty when it would come from the checksum line or beyond,
    // or when its line is too short to hold it. Anything after column 65 is never read.
    // Inline, as it runs for every group.
    std::optional<std::string_view> group(std::int64_t k) const {
        const std::int64_t lineOffset = k / groupsPerLine;
        if (lineOffset >= bodyLines())
            return std::nullopt;
        const std::string_view line =
            m_lines[m_place.headerLine + 1 + static_cast<std::size_t>(lineOffset)];
        const auto column = static_cast<std::size_t>(1 + charsPerGroup * (k % groupsPerLine));
        if (line.size() < column + charsPerGroup)
            return std::nullopt;
        return line.substr(column, charsPerGroup);
    }

private:
    std::int64_t bodyLines() const {
        return static_cast<std::int64_t>(m_place.checksumLine - m_place.headerLine - 1);
    }

    LineList m_lines;
    BlockPlace m_place;
};

} // namespace cipher
