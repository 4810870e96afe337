// Exact reading first, the mail repair second, and the choice between them.
#include "cipher/BlockReading.h"

#include "cipher/ArmourDecoder.h"
#include "cipher/CheckedInt.h"

namespace cipher {
namespace {

// Whether every text group stands in the body and the checksum line states their sum. A body
// whose sum passes 32 bits proves nothing.
bool isProven(LineList lines, const Outcome<ArmouredBlock> &opened) {
    if (!opened)
        return false;
    try {
        return bodyVerdict(lines, *opened.value) == Verdict::Verified;
    } catch (const IntegerOverflow &) {
        return false;
    }
}

// Whether the repair may be tried: no block was found, or the block found ends early or its
// checksum is absent or differs. A refused header or method stands as it is.
bool worthRepairing(LineList lines, const Outcome<ArmouredBlock> &exact,
                    const std::optional<BlockPlace> &place) {
    return !place || (exact && !isProven(lines, exact));
}

} // namespace

BlockReading readBlock(LineList lines) {
    BlockReading exact{lines, openBlock(lines), nullptr};
    const std::optional<BlockPlace> place = locateBlock(lines);
    if (!worthRepairing(lines, exact.opened, place))
        return exact;
    std::unique_ptr<const RepairedLines> repair = undoMailChanges(lines);
    if (!repair)
        return exact;
    Outcome<ArmouredBlock> opened = openBlock(repair->lines());
    // Repaired lines always hold a header and a checksum line, so they always find a block.
    const bool taken = !place || (repair->sourceHeaderLine() == place->headerLine &&
                                  isProven(repair->lines(), opened));
    if (!taken)
        return exact;
    return {repair->lines(), std::move(opened), std::move(repair)};
}

} // namespace cipher
