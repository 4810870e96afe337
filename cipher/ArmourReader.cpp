// Finding a block's header and checksum lines and reading the header's four numbers.
#include "cipher/ArmourReader.h"

#include "cipher/ArmourFormat.h"
#include "cipher/LenientNumber.h"
#include "cipher/Messages.h"
#include "cipher/Method.h"

#include <array>

namespace cipher {
namespace {

// Cuts the rest of a header line after its tag into its four fields; empty unless it holds
// exactly three more "/".
std::optional<std::array<std::string_view, 4>> headerFields(std::string_view rest) {
    std::array<std::string_view, 4> fields;
    for (std::size_t i = 0; i + 1 < fields.size(); ++i) {
        const std::size_t slash = rest.find('/');
        if (slash == std::string_view::npos)
            return std::nullopt;
        fields[i] = rest.substr(0, slash);
        rest.remove_prefix(slash + 1);
    }
    if (rest.find('/') != std::string_view::npos)
        return std::nullopt;
    fields[3] = rest;
    return fields;
}

// The four numbers, or nothing when a field is beyond 32 bits: such a header is outside the
// format, and taking it as a wrapped number would decode something the writer never wrote.
std::optional<Header> headerNumbers(const std::array<std::string_view, 4> &fields) {
    std::array<std::int32_t, 4> numbers{};
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const auto number = readLenientNumber(fields[i]);
        if (!number)
            return std::nullopt;
        numbers[i] = *number;
    }
    return Header{numbers[0], numbers[1], numbers[2], numbers[3]};
}

Outcome<Header> invalidHeader() {
    return refused<Header>(Reason::InvalidHeader, std::string(messages::invalidHeader));
}

} // namespace

std::optional<BlockPlace> locateBlock(LineList lines) {
    std::optional<std::size_t> header;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (!beginsWithTag(lines[i]))
            continue;
        if (header)
            return BlockPlace{*header, i};
        header = i;
    }
    return std::nullopt;
}

Outcome<Header> readHeader(std::string_view headerLine, std::span<const Method *const> known) {
    const std::size_t tagEnd = headerLine.find('/');
    if (headerLine.size() < minHeaderLength || tagEnd == std::string_view::npos)
        return invalidHeader();
    const auto fields = headerFields(headerLine.substr(tagEnd + 1));
    const auto header = fields ? headerNumbers(*fields) : std::nullopt;
    if (!header)
        return invalidHeader();
    if (methodOfHeader(*header, known) == nullptr)
        return refused<Header>(Reason::LaterVersion, messages::unknownMethod(header->version));
    return {header, {}};
}

Outcome<Header> readHeader(std::string_view headerLine) {
    return readHeader(headerLine, methods());
}

std::optional<std::int32_t> readStatedChecksum(std::string_view checksumLine) {
    const std::size_t slash = checksumLine.find('/');
    return readLenientNumber(slash == std::string_view::npos ? std::string_view{}
                                                             : checksumLine.substr(slash + 1));
}

Outcome<ArmouredBlock> openBlock(LineList lines, std::span<const Method *const> known) {
    const auto place = locateBlock(lines);
    if (!place)
        return refused<ArmouredBlock>(Reason::NoBlock, std::string(messages::noBlock));
    auto header = readHeader(lines[place->headerLine], known);
    if (!header)
        return refusedAs<ArmouredBlock>(std::move(header));
    return {ArmouredBlock{*place, *header.value, readStatedChecksum(lines[place->checksumLine])},
            {}};
}

Outcome<ArmouredBlock> openBlock(LineList lines) {
    return openBlock(lines, methods());
}

} // namespace cipher
