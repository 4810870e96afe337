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

// Whether a block opened among the known methods proves itself without a phrase, as its
// method judges: every part of its body there and the checksum line stating them.
bool provesItself(LineList lines, const Outcome<ArmouredBlock> &opened,
                  std::span<const Method *const> known);

// Reads the lines exactly. Only when that finds no block, or a block that ends early or whose
// checksum is absent or different, reads them once more with mail's changes undone. Where the
// exact reading found a block, the repaired one is taken only when it is the same block and
// passes every check (a valid header, every text group, the checksum line present and equal);
// where it found none, the repaired one is taken when it proves itself, or else when it finds a
// block in shape (the START line right before a header its method accepts, and a checksum
// line), with its own outcome. Otherwise the exact reading stands as it was. The repair reads
// whole lines first, then paragraphs.
// `known` names the methods the reader opens, as openBlock takes it; every method of the table
// when not given.
BlockReading readBlock(LineList lines, std::span<const Method *const> known);
BlockReading readBlock(LineList lines);
// The exact reading views the lines it is given, so they must outlive it.
BlockReading readBlock(std::vector<std::string_view> &&lines) = delete;

} // namespace cipher
