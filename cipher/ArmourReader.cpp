// Finding a block's header and checksum lines and reading the header's four numbers.
#include "cipher/ArmourReader.h"

#include "cipher/ArmourFormat.h"
#include "cipher/LenientNumber.h"
#include "cipher/Messages.h"

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

Outcome<Header> refused(std::string message) {
    return {std::nullopt, std::move(message)};
}

bool methodKnown(const Header &header, KnownMethods known) {
    if (header.method <= 1)
        return true;
    return known == KnownMethods::UpToMethod02 && header.isMethod02();
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

Outcome<Header> readHeader(std::string_view headerLine, KnownMethods known) {
    const std::size_t tagEnd = headerLine.find('/');
    if (headerLine.size() < minHeaderLength || tagEnd == std::string_view::npos)
        return refused(std::string(messages::invalidHeader));
    const auto fields = headerFields(headerLine.substr(tagEnd + 1));
    const auto header = fields ? headerNumbers(*fields) : std::nullopt;
    if (!header)
        return refused(std::string(messages::invalidHeader));
    if (!methodKnown(*header, known))
        return refused(messages::unknownMethod(header->version));
    return {header, {}};
}

std::optional<std::int32_t> readStatedChecksum(std::string_view checksumLine) {
    const std::size_t slash = checksumLine.find('/');
    return readLenientNumber(slash == std::string_view::npos ? std::string_view{}
                                                             : checksumLine.substr(slash + 1));
}

Outcome<ArmouredBlock> openBlock(LineList lines, KnownMethods known) {
    const auto place = locateBlock(lines);
    if (!place)
        return {std::nullopt, std::string(messages::noBlock)};
    auto header = readHeader(lines[place->headerLine], known);
    if (!header)
        return {std::nullopt, std::move(header.refusal)};
    return {ArmouredBlock{*place, *header.value, readStatedChecksum(lines[place->checksumLine])},
            {}};
}

} // namespace cipher
