// Finding bytes above 7F, the bytes that are not ASCII, a machine word of bytes at a time.
#pragma once

#include <cstdint>
#include <cstring>
#include <string_view>

namespace plaintext {

// The position of the first byte above 7F at or after `from`, or the size when there is none.
// Runs of ASCII are passed eight bytes at a time.
inline std::size_t nextHighByte(std::string_view bytes, std::size_t from = 0) {
    constexpr std::uint64_t highBits = 0x8080808080808080;
    for (; from + sizeof highBits <= bytes.size(); from += sizeof highBits) {
        std::uint64_t word = 0;
        std::memcpy(&word, bytes.data() + from, sizeof word);
        if ((word & highBits) != 0)
            break;
    }
    while (from < bytes.size() && static_cast<unsigned char>(bytes[from]) < 0x80)
        ++from;
    return from;
}

} // namespace plaintext
