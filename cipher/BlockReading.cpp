// Exact reading first, the mail repair second, and the choice between them.
#include "cipher/BlockReading.h"

#include "cipher/Method.h"

namespace cipher {
namespace {

// Whether the repair may be tried: no block was found, or the block found ends early or its
// checksum is absent or differs. A refused header or method stands as it is.
bool worthRepairing(LineList lines, const Outcome<ArmouredBlock> &exact,
                    const std::optional<BlockPlace> &place, std::span<const Method *const> known) {
    return !place || (exact && !provesItself(lines, exact, known));
}

} // namespace

bool provesItself(LineList lines, const Outcome<ArmouredBlock> &opened,
                  std::span<const Method *const> known) {
    return opened &&
           methodOfHeader(opened.value->header, known)->block->provesItself(lines, *opened.value);
}

BlockReading readBlock(LineList lines) {
    return readBlock(lines, methods());
}

BlockReading readBlock(LineList lines, std::span<const Method *const> known) {
    BlockReading exact{lines, openBlock(lines, known), nullptr};
    const std::optional<BlockPlace> place = locateBlock(lines);
    if (!worthRepairing(lines, exact.opened, place, known))
        return exact;
    // Where the exact reading found no block, a repair in shape that does not prove itself
    // still speaks (its damage is worth the user's knowing), unless another reading proves.
    std::optional<BlockReading> inShape;
    for (const RepairReading reading : {RepairReading::WholeLines, RepairReading::Paragraphs}) {
        std::unique_ptr<const RepairedLines> repair = undoMailChanges(lines, reading);
        if (!repair)
            continue;
        Outcome<ArmouredBlock> opened = openBlock(repair->lines(), known);
        const bool sameBlock = !place || repair->sourceHeaderLine() == place->headerLine;
        if (sameBlock && provesItself(repair->lines(), opened, known))
            return {repair->lines(), std::move(opened), std::move(repair)};
        if (!place && !inShape && opened && repair->framed())
            inShape = BlockReading{repair->lines(), std::move(opened), std::move(repair)};
    }
    return inShape ? std::move(*inShape) : std::move(exact);
}

} // namespace cipher
