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

// Whether two lines begin with the tag once the spaces, tabs and quote marks that mail puts
// before a line are passed over: a block is there, but changed beyond what the repair undoes
// (a reply typed inside a quoted block, say).
bool holdsChangedBlock(LineList lines) {
    int tagged = 0;
    for (const std::string_view line : lines) {
        const std::size_t text = line.find_first_not_of(" \t>|");
        if (text != std::string_view::npos && beginsWithTag(line.substr(text)) && ++tagged == 2)
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
            if (holdsChangedBlock(lines))
                return refused<std::unique_ptr<DecryptSession>>(
                    Reason::Damaged, std::string(messages::blockChanged));
        }
        return refusedAs<std::unique_ptr<DecryptSession>>(std::move(reading.opened));
    }
    const Method *method = methodOfHeader(reading.opened.value->header, known);
    std::string repairs = reading.isRepaired() ? describe(reading.repair->undone()) : std::string();
    OpenedSession session = method->openBlock(std::move(reading));
    if (session)
        (*session.value)->setRepairs(std::move(repairs));
    return session;
}

} // namespace cipher
