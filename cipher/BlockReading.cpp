// Exact reading first, the mail repair second, and the choice between them.
#include "cipher/BlockReading.h"

#include "cipher/ArmourDecoder.h"
#include "cipher/CheckedInt.h"
#include "cipher/Method02.h"

namespace cipher {
namespace {

// Whether the repair may be tried: no block was found, or the block found ends early or its
// checksum is absent or differs. A refused header or method stands as it is.
bool worthRepairing(LineList lines, const Outcome<ArmouredBlock> &exact,
                    const std::optional<BlockPlace> &place) {
    return !place || (exact && !provesItself(lines, exact));
}

} // namespace

bool provesItself(LineList lines, const Outcome<ArmouredBlock> &opened) {
    if (!opened)
        return false;
    if (opened.value->header.isMethod02())
        return static_cast<bool>(method02::readBody(lines, *opened.value));
    try {
        return bodyVerdict(lines, *opened.value) == Verdict::Verified;
    } catch (const IntegerOverflow &) {
        return false;
    }
}

BlockReading readBlock(LineList lines, KnownMethods known) {
    BlockReading exact{lines, openBlock(lines, known), nullptr};
    const std::optional<BlockPlace> place = locateBlock(lines);
    if (!worthRepairing(lines, exact.opened, place))
        return exact;
    std::unique_ptr<const RepairedLines> repair = undoMailChanges(lines);
    if (!repair)
        return exact;
    Outcome<ArmouredBlock> opened = openBlock(repair->lines(), known);
    // Repaired lines always hold a header and a checksum line, so they always find a block.
    const bool taken = !place || (repair->sourceHeaderLine() == place->headerLine &&
                                  provesItself(repair->lines(), opened));
    if (!taken)
        return exact;
    return {repair->lines(), std::move(opened), std::move(repair)};
}

} // namespace cipher
