// Where group k of a block's stream stands: body line k div 16, columns 2 + 4 (k mod 16) to
// 5 + 4 (k mod 16), counting lines from the one after the header line.
#pragma once

#include "cipher/ArmourReader.h"

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
    std::optional<std::string_view> group(std::int64_t k) const;

    // How many groups the body lines could hold at most, from group `first` on.
    std::int64_t capacityFrom(std::int64_t first) const;

private:
    LineList m_lines;
    BlockPlace m_place;
};

} // namespace cipher
