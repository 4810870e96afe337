// Finding a block that mail has quoted, indented or re-wrapped, and giving back its lines as
// the writer made them. Group characters are never blanks, so taking blanks off is safe.
#include "cipher/MailRepair.h"

#include "cipher/ArmourFormat.h"

#include <optional>

namespace cipher {
namespace {

constexpr std::string_view blanks = " \t";
// Blanks and the marks a mail program puts before quoted lines.
constexpr std::string_view prefixCharacters = " \t>|";

std::size_t skipBlanks(std::string_view line, std::size_t at) {
    return std::min(line.find_first_not_of(blanks, at), line.size());
}

// Where the tag begins after a prefix of blanks and quote marks; npos when the line's first
// other character does not begin it.
std::size_t tagAfterPrefix(std::string_view line) {
    const std::size_t start = line.find_first_not_of(prefixCharacters);
    return start != std::string_view::npos && line.substr(start).starts_with(armourTag)
               ? start
               : std::string_view::npos;
}

std::string withoutBlanks(std::string_view text) {
    std::string kept;
    for (const char c : text)
        if (blanks.find(c) == std::string_view::npos)
            kept += c;
    return kept;
}

// A line's text once blanks and the quote marks are taken off, and whether blanks at its ends
// were taken with them (blanks after a mark belong to the quote prefix).
struct StrippedLine {
    std::string_view text;
    bool edgeBlanks = false;
};

// Takes off leading blanks, then the marks in order, each with the blanks after it, as far as
// the line carries them, then trailing blanks.
StrippedLine strip(std::string_view line, std::string_view marks) {
    std::size_t begin = skipBlanks(line, 0);
    const bool leading = begin > 0;
    for (const char mark : marks) {
        if (begin == line.size() || line[begin] != mark)
            break;
        begin = skipBlanks(line, begin + 1);
    }
    std::size_t end = line.size();
    while (end > begin && blanks.find(line[end - 1]) != std::string_view::npos)
        --end;
    const std::string_view text = line.substr(begin, end - begin);
    return {text, !text.empty() && (leading || end < line.size())};
}

// The joined body cut into the writer's lines: every piece 65 characters beginning with "C",
// the last one shorter or as long. Empty when the text does not cut so.
std::optional<std::vector<std::string>> cutAsWritten(std::string_view joined) {
    std::vector<std::string> pieces;
    for (std::size_t at = 0; at < joined.size(); at += bodyLineLength) {
        const std::string_view piece = joined.substr(at, bodyLineLength);
        if (piece.front() != 'C')
            return std::nullopt;
        pieces.emplace_back(piece);
    }
    return pieces;
}

bool sameLengths(const std::vector<std::string> &pieces,
                 const std::vector<std::string_view> &body) {
    if (pieces.size() != body.size())
        return false;
    for (std::size_t i = 0; i < body.size(); ++i)
        if (pieces[i].size() != body[i].size())
            return false;
    return true;
}

// The body lines as the writer cut them when the joined body cuts so and they stand otherwise;
// else the lines as they are.
std::vector<std::string> bodyAsWritten(const std::vector<std::string_view> &body,
                                       MailChanges &undone) {
    std::string joined;
    for (const std::string_view line : body)
        joined += line;
    auto pieces = cutAsWritten(joined);
    if (pieces && !sameLengths(*pieces, body)) {
        undone.rebroken = true;
        return std::move(*pieces);
    }
    return {body.begin(), body.end()};
}

// The first line that begins with the tag after blanks and quote marks, with where its tag
// begins.
std::optional<std::pair<std::size_t, std::size_t>> findQuotedHeader(LineList lines) {
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (const std::size_t tag = tagAfterPrefix(lines[i]); tag != std::string_view::npos)
            return std::pair{i, tag};
    return std::nullopt;
}

// The header line, the body lines as the writer cut them and the checksum line; empty when
// nothing was undone, as the exact reading then read the same lines.
std::unique_ptr<RepairedLines> assemble(std::string_view header,
                                        const std::vector<std::string_view> &body,
                                        std::string_view checksum, MailChanges undone,
                                        std::size_t sourceHeader) {
    std::vector<std::string> repaired{std::string(header)};
    for (std::string &piece : bodyAsWritten(body, undone))
        repaired.push_back(std::move(piece));
    repaired.emplace_back(checksum);
    if (!undone.any())
        return nullptr;
    return std::make_unique<RepairedLines>(std::move(repaired), std::move(undone), sourceHeader);
}

} // namespace

std::string describe(const MailChanges &changes) {
    std::string words;
    const auto add = [&words](std::string_view change) {
        words += words.empty() ? "" : ", ";
        words += change;
    };
    if (!changes.quotePrefix.empty())
        add("the quote prefix \"" + changes.quotePrefix + "\"");
    if (changes.edgeBlanks)
        add("leading and trailing spaces and tabs");
    if (changes.blankLines)
        add("blank lines inside the block");
    if (changes.rebroken)
        add("body lines broken at another width");
    return words;
}

RepairedLines::RepairedLines(std::vector<std::string> lines, MailChanges undone,
                             std::size_t sourceHeader)
    : m_lines(std::move(lines))
    , m_views(m_lines.begin(), m_lines.end())
    , m_undone(std::move(undone))
    , m_sourceHeader(sourceHeader) {}

std::unique_ptr<RepairedLines> undoMailChanges(LineList lines) {
    const auto header = findQuotedHeader(lines);
    if (!header)
        return nullptr;
    const auto [headerLine, tag] = *header;
    const std::string_view source = lines[headerLine];
    const std::size_t quoteStart = skipBlanks(source, 0);
    MailChanges undone;
    undone.quotePrefix = source.substr(quoteStart, tag - quoteStart);
    const std::string marks = withoutBlanks(undone.quotePrefix);

    const StrippedLine headerText = strip(source, marks);
    undone.edgeBlanks = headerText.edgeBlanks;
    std::vector<std::string_view> body;
    for (std::size_t i = headerLine + 1; i < lines.size(); ++i) {
        const StrippedLine line = strip(lines[i], marks);
        undone.edgeBlanks = undone.edgeBlanks || line.edgeBlanks;
        if (beginsWithTag(line.text))
            return assemble(headerText.text, body, line.text, std::move(undone), headerLine);
        if (line.text.empty())
            undone.blankLines = true;
        else
            body.push_back(line.text);
    }
    return nullptr;
}

} // namespace cipher
