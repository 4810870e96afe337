// Finding an armoured OpenPGP message in a text, with mail's changes undone: a quote prefix
// (">" or "|", indented), spaces and tabs at line ends, blank lines inside, body lines broken at
// another width. GnuPG then proves the result by the armour checksum and the integrity check.
#include "openpgp/MessageFinding.h"

#include "plaintext/Lines.h"

#include <vector>

namespace openpgp {

namespace {

constexpr std::string_view beginLine = "-----BEGIN PGP MESSAGE-----";
constexpr std::string_view endLine = "-----END PGP MESSAGE-----";
constexpr std::size_t bodyWidth = 64;

// A line without its quote marks, indent and edge blanks.
std::string_view unquoted(std::string_view line) {
    const auto first = line.find_first_not_of(" \t>|");
    if (first == std::string_view::npos)
        return {};
    line.remove_prefix(first);
    const auto last = line.find_last_not_of(" \t");
    return line.substr(0, last + 1);
}

bool isHeaderField(std::string_view line) { return line.find(": ") != std::string_view::npos; }

bool isBase64(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '+' ||
           c == '/';
}

// Splits the joined body into the data and its checksum "=XXXX", when it ends in one.
std::pair<std::string, std::string> splitChecksum(const std::string &joined) {
    const auto at = joined.rfind('=');
    const bool checksum = at != std::string::npos && joined.size() - at == 5 && at % 4 == 0 &&
                          isBase64(joined[at + 1]) && isBase64(joined[at + 2]) &&
                          isBase64(joined[at + 3]) && isBase64(joined[at + 4]);
    if (!checksum)
        return {joined, {}};
    return {joined.substr(0, at), joined.substr(at)};
}

// The message's lines as GnuPG writes them, from the unquoted lines between its begin and end.
std::vector<std::string> rebuilt(const std::vector<std::string_view> &inner) {
    std::vector<std::string> lines{std::string(beginLine)};
    std::size_t at = 0;
    for (; at < inner.size() && (inner[at].empty() || isHeaderField(inner[at])); ++at)
        if (!inner[at].empty())
            lines.emplace_back(inner[at]);
    lines.emplace_back();
    std::string joined;
    for (; at < inner.size(); ++at)
        joined += inner[at];
    const auto [data, checksum] = splitChecksum(joined);
    for (std::size_t cut = 0; cut < data.size(); cut += bodyWidth)
        lines.push_back(data.substr(cut, bodyWidth));
    if (!checksum.empty())
        lines.push_back(checksum);
    lines.emplace_back(endLine);
    return lines;
}

} // namespace

std::optional<FoundMessage> findMessage(std::string_view text) {
    // A line ends at LF, with or without a CR before it; a lone CR stays in its line.
    const auto lines = plaintext::splitLines(text, plaintext::LineBreaks::Lf);
    std::size_t begin = 0;
    while (begin < lines.size() && !unquoted(lines[begin]).starts_with(beginLine))
        ++begin;
    std::size_t end = begin + 1;
    while (end < lines.size() && !unquoted(lines[end]).starts_with(endLine))
        ++end;
    if (end >= lines.size())
        return std::nullopt;
    std::vector<std::string_view> inner;
    for (std::size_t at = begin + 1; at < end; ++at)
        inner.push_back(unquoted(lines[at]));
    const auto armour = rebuilt(inner);
    FoundMessage found;
    found.repaired = armour.size() != end - begin + 1;
    for (std::size_t at = 0; at < armour.size(); ++at) {
        found.repaired = found.repaired || armour[at] != lines[begin + at];
        found.armour += armour[at] + "\r\n";
    }
    return found;
}

} // namespace openpgp
