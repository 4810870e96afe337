// The fixed shape of an armoured block: its frame lines, tag, line geometry and limits.
#pragma once

#include <cstdint>
#include <string_view>

namespace cipher {

inline constexpr std::string_view startLine =
    "********************** START  Shroud-a-Pad **********************";
inline constexpr std::string_view endLine =
    "**********************  END   Shroud-a-Pad **********************";
static_assert(startLine.size() == 65 && endLine.size() == 65);

// Begins the header line and the checksum line; readers look for it at the start of a line.
inline constexpr std::string_view armourTag = "QvL/";

// A body line is "C" and up to 16 groups of four characters: 65 characters when full.
inline constexpr int groupsPerLine = 16;
inline constexpr int charsPerGroup = 4;
inline constexpr int bytesPerGroup = 3;
inline constexpr std::size_t bodyLineLength = 1 + groupsPerLine * charsPerGroup;
static_assert(bodyLineLength == 65);
// Fills the positions of a last group that the stream does not reach: a space, unenciphered.
inline constexpr std::uint8_t groupFiller = 0x20;

// The longest text Encrypt takes, and the longest passphrase the passphrase dialog yields.
inline constexpr std::size_t maxTextLength = 22528;
inline constexpr std::size_t maxPhraseLength = 16;

// The shortest header a reader accepts: "QvL/0122/00/0/1" is 15 characters.
inline constexpr std::size_t minHeaderLength = 15;

// Whether a line counts as a header or checksum line: its first four characters are the tag,
// exactly, case included.
[[nodiscard]] constexpr bool beginsWithTag(std::string_view line) {
    return line.starts_with(armourTag);
}

// Groups needed for n bytes, rounding up; none for n of 0 or less.
constexpr std::int64_t groupsFor(std::int64_t bytes) {
    return bytes > 0 ? (bytes + bytesPerGroup - 1) / bytesPerGroup : 0;
}

} // namespace cipher
