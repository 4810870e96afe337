// The block Decrypt reads: the exact reading of the text's lines, or, when that finds no block
// or a damaged one, the reading with mail's changes undone, taken only when the block's own
// checks prove it.
#pragma once

#include "cipher/ArmourReader.h"
#include "cipher/MailRepair.h"

#include <memory>
#include <string_view>
#include <vector>

namespace cipher {

struct BlockReading {
    // The lines the chosen reading reads from: the text's own, or the repaired ones.
    LineList lines;
    // The block, or the words that refuse it.
    Outcome<ArmouredBlock> opened;
    // The repaired lines, when the reading undid mail's changes; they hold what `lines` views.
    std::unique_ptr<const RepairedLines> repair;

    bool isRepaired() const { return repair != nullptr; }
};

// Reads the lines exactly. Only when that finds no block, or a block that ends early or whose
// checksum is absent or different, reads them once more with mail's changes undone. Where the
// exact reading found a block, the repaired one is taken only when it is the same block and
// passes every check (a valid header, every text group, the checksum line present and equal);
// where it found none, the repaired one is taken whenever it finds a block, with its own
// outcome. Otherwise the exact reading stands as it was.
BlockReading readBlock(LineList lines);
// The exact reading views the lines it is given, so they must outlive it.
BlockReading readBlock(std::vector<std::string_view> &&lines) = delete;

} // namespace cipher
