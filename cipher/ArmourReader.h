// Reading an armoured block, cut into the steps that Decrypt runs between its dialogs:
// locate the block, read its header, test a phrase, decode the text.
#pragma once

#include "cipher/ArmourFormat.h"
#include "cipher/Outcome.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace cipher {

// The text's own lines (split at its line breaks, not as wrapped on screen), each without
// its line break.
using LineList = std::span<const std::string_view>;

// 0-based numbers of the header line (the first line that begins with "QvL/") and of the
// checksum line (the second); the body lines stand between them.
struct BlockPlace {
    std::size_t headerLine = 0;
    std::size_t checksumLine = 0;
};

// The four numbers of a valid header line "QvL/" V "/" M "/" P "/" T.
struct Header {
    std::int32_t version = 0;
    std::int32_t method = 0;
    std::int32_t phraseLength = 0;
    std::int32_t textLength = 0;
};

// A block that passed the header checks, ready for the phrase test and decoding.
struct ArmouredBlock {
    BlockPlace place;
    Header header;
    // The number on the checksum line, 0 when it holds none; empty when it is beyond 32 bits.
    std::optional<std::int32_t> statedChecksum;
};

// The header and checksum lines; empty when fewer than two lines begin with "QvL/".
std::optional<BlockPlace> locateBlock(LineList lines);

struct Method;

// The header's numbers, or "The header line is not valid ..." (shorter than 15 characters,
// not exactly four "/", or a number beyond 32 bits) or the method refusal (a method none of
// `known` reads, with the block's version: "... Try using Shroud-a-Pad 2.00.").
Outcome<Header> readHeader(std::string_view headerLine, std::span<const Method *const> known);
// The same among every method of the table.
Outcome<Header> readHeader(std::string_view headerLine);

// The number after the checksum line's first "/", read leniently.
std::optional<std::int32_t> readStatedChecksum(std::string_view checksumLine);

// locateBlock, readHeader and readStatedChecksum together; the refusal is the first that
// applies, "The header and footer lines are not present ..." when there is no block.
Outcome<ArmouredBlock> openBlock(LineList lines, std::span<const Method *const> known);
Outcome<ArmouredBlock> openBlock(LineList lines);

} // namespace cipher
