// Finding what a text holds and the method that reads it.
#include "cipher/DecryptSession.h"

#include "cipher/BlockReading.h"
#include "cipher/Messages.h"
#include "cipher/Method.h"

namespace cipher {
namespace {

// A message of a method with a shape of its own, where the lines hold no armoured block.
std::optional<OpenedSession> otherMessage(LineList lines, std::span<const Method *const> known) {
    for (const Method *method : known)
        if (method->findMessage != nullptr)
            if (std::optional<OpenedSession> found = method->findMessage(lines))
                return found;
    return std::nullopt;
}

// The START line's words, which stay whole however mail re-flows its stars.
constexpr std::string_view startWords = "START  Shroud-a-Pad";

// A line's text behind the spaces, tabs and quote marks that mail puts before it.
std::string_view behindQuoting(std::string_view line) {
    const std::size_t text = line.find_first_not_of(" \t>|");
    return text == std::string_view::npos ? std::string_view() : line.substr(text);
}

// Whether a block in shape stands behind quote marks or blanks: the START line, right after it
// a header line that a known method reads, and a later line that begins with the tag. The block
// is there, but changed beyond what the repair undoes (a reply typed inside it, say).
bool holdsChangedBlock(LineList lines, std::span<const Method *const> known) {
    for (std::size_t start = 0; start + 1 < lines.size(); ++start) {
        const std::string_view header = behindQuoting(lines[start + 1]);
        if (behindQuoting(lines[start]).find(startWords) == std::string_view::npos ||
            !beginsWithTag(header) || !readHeader(header, known))
            continue;
        for (std::size_t line = start + 2; line < lines.size(); ++line)
            if (beginsWithTag(behindQuoting(lines[line])))
                return true;
    }
    return false;
}

} // namespace

OpenedSession openDecryptSession(LineList lines) {
    return openDecryptSession(lines, methods());
}

OpenedSession openDecryptSession(LineList lines, std::span<const Method *const> known) {
    BlockReading reading = readBlock(lines, known);
    if (!reading.opened) {
        if (reading.opened.reason == Reason::NoBlock) {
            if (std::optional<OpenedSession> found = otherMessage(lines, known))
                return std::move(*found);
            if (holdsChangedBlock(lines, known))
                return refused<std::unique_ptr<DecryptSession>>(
                    Reason::Damaged, std::string(messages::blockChanged));
        }
        return refusedAs<std::unique_ptr<DecryptSession>>(std::move(reading.opened));
    }
    const Method *method = methodOfHeader(reading.opened.value->header, known);
    std::string repairs = reading.isRepaired() ? describe(reading.repair->undone()) : std::string();
    OpenedSession session = method->block->openBlock(std::move(reading));
    if (session)
        (*session.value)->setRepairs(std::move(repairs));
    return session;
}

} // namespace cipher
