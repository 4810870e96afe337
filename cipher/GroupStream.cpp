// Finding a group's four characters in the body lines.
#include "cipher/GroupStream.h"

#include "cipher/ArmourFormat.h"

#include <algorithm>

namespace cipher {

std::optional<std::string_view> GroupStream::group(std::int64_t k) const {
    const auto bodyLines = static_cast<std::int64_t>(m_place.checksumLine - m_place.headerLine - 1);
    const std::int64_t lineOffset = k / groupsPerLine;
    if (lineOffset >= bodyLines)
        return std::nullopt;
    const std::string_view line =
        m_lines[m_place.headerLine + 1 + static_cast<std::size_t>(lineOffset)];
    const auto column = static_cast<std::size_t>(1 + charsPerGroup * (k % groupsPerLine));
    if (line.size() < column + charsPerGroup)
        return std::nullopt;
    return line.substr(column, charsPerGroup);
}

std::int64_t GroupStream::capacityFrom(std::int64_t first) const {
    const auto bodyLines = static_cast<std::int64_t>(m_place.checksumLine - m_place.headerLine - 1);
    return std::max<std::int64_t>(0, bodyLines * groupsPerLine - first);
}

} // namespace cipher
