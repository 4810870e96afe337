// Finding a block that mail has quoted, indented, re-wrapped or re-flowed, and giving back its
// lines as the writer made them. Group characters are never blanks, so taking blanks off is safe.
#include "cipher/MailRepair.h"

#include "cipher/ArmourFormat.h"
#include "cipher/GroupCodec.h"
#include "cipher/Method.h"

#include <algorithm>
#include <array>
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

// Where the header stands: its line, where the quote prefix ends in it and where its tag
// begins. In whole lines the tag begins the line's text; in paragraphs it begins any word.
struct HeaderPlace {
    std::size_t line = 0;
    std::size_t prefixEnd = 0;
    std::size_t tag = 0;
};

std::size_t tagInWords(std::string_view line, std::size_t from) {
    for (std::size_t at = line.find(armourTag, from); at != std::string_view::npos;
         at = line.find(armourTag, at + 1))
        if (at == from || blanks.find(line[at - 1]) != std::string_view::npos)
            return at;
    return std::string_view::npos;
}

std::optional<HeaderPlace> findHeader(LineList lines, RepairReading reading) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::size_t prefixEnd =
            std::min(lines[i].find_first_not_of(prefixCharacters), lines[i].size());
        const std::size_t tag = reading == RepairReading::WholeLines
                                    ? tagAfterPrefix(lines[i])
                                    : tagInWords(lines[i], prefixEnd);
        if (tag != std::string_view::npos)
            return HeaderPlace{i, prefixEnd, tag};
    }
    return std::nullopt;
}

std::vector<std::string_view> wordsOf(std::string_view text) {
    std::vector<std::string_view> words;
    for (std::size_t at = skipBlanks(text, 0); at < text.size();) {
        const std::size_t end = std::min(text.find_first_of(blanks, at), text.size());
        words.push_back(text.substr(at, end - at));
        at = skipBlanks(text, end);
    }
    return words;
}

// Whether the START line's words stand right before the header, on the header's own line and
// the lines above it (blank lines between them allowed).
bool framedByStartLine(LineList lines, const HeaderPlace &header, std::string_view marks) {
    const std::vector<std::string_view> startWords = wordsOf(startLine);
    std::vector<std::string_view> before =
        wordsOf(lines[header.line].substr(header.prefixEnd, header.tag - header.prefixEnd));
    for (std::size_t i = header.line; i-- > 0 && before.size() < startWords.size();) {
        const std::vector<std::string_view> words = wordsOf(strip(lines[i], marks).text);
        before.insert(before.begin(), words.begin(), words.end());
    }
    return before.size() >= startWords.size() &&
           std::equal(startWords.begin(), startWords.end(), before.end() - startWords.size());
}

// The digits of the alphabet a block's body is written in, as the header's method names it.
const std::array<std::int16_t, 256> *bodyAlphabet(std::string_view headerText) {
    const Outcome<Header> header = readHeader(headerText);
    if (!header)
        return nullptr;
    const BlockShape &shape = *methodOfHeader(*header.value, methods())->block;
    return &codec::digits[static_cast<std::size_t>(shape.alphabet)];
}

// Whether a line carries the quote marks before its text, each with the blanks after it.
bool carriesMarks(std::string_view line, std::string_view marks) {
    std::size_t at = skipBlanks(line, 0);
    for (const char mark : marks) {
        if (at == line.size() || line[at] != mark)
            return false;
        at = skipBlanks(line, at + 1);
    }
    return true;
}

// Gathers the pieces after the header up to the checksum piece, undoing mail's changes.
class BlockGathering {
public:
    BlockGathering(RepairReading reading, std::string marks,
                   const std::array<std::int16_t, 256> &alphabet, MailChanges &undone)
        : m_reading(reading)
        , m_marks(std::move(marks))
        , m_alphabet(alphabet)
        , m_undone(undone) {}

    // Takes one line's text after the quote marks; false when it cannot belong to the block.
    bool take(std::string_view text) {
        if (text.empty()) {
            m_undone.blankLines = true;
            return true;
        }
        if (m_reading == RepairReading::WholeLines)
            return takePiece(text, text.find_first_of(blanks) == std::string_view::npos);
        const std::vector<std::string_view> words = wordsOf(text);
        m_undone.reflowed = m_undone.reflowed || words.size() > 1;
        for (const std::string_view word : words)
            if (!m_checksum && !takePiece(word, true))
                return false;
        return true;
    }
    bool takeLine(std::string_view line) {
        const StrippedLine stripped = strip(line, m_marks);
        if (!stripped.text.empty() && !carriesMarks(line, m_marks))
            return false;
        m_undone.edgeBlanks = m_undone.edgeBlanks || stripped.edgeBlanks;
        return take(stripped.text);
    }

    const std::vector<std::string_view> &body() const { return m_body; }
    const std::optional<std::string_view> &checksum() const { return m_checksum; }

private:
    bool takePiece(std::string_view piece, bool wholePiece) {
        if (beginsWithTag(piece)) {
            m_checksum = piece;
            return true;
        }
        if (!wholePiece || !codec::madeOfDigits(piece, m_alphabet))
            return false;
        m_body.push_back(piece);
        return true;
    }

    RepairReading m_reading;
    std::string m_marks;
    const std::array<std::int16_t, 256> &m_alphabet;
    MailChanges &m_undone;
    std::vector<std::string_view> m_body;
    std::optional<std::string_view> m_checksum;
};

// The header line, the body lines as the writer cut them and the checksum line; empty when
// nothing was undone, as the exact reading then read the same lines.
std::unique_ptr<RepairedLines> assemble(std::string_view header,
                                        const std::vector<std::string_view> &body,
                                        std::string_view checksum, MailChanges undone,
                                        std::size_t sourceHeader, bool framed) {
    std::vector<std::string> repaired{std::string(header)};
    for (std::string &piece : bodyAsWritten(body, undone))
        repaired.push_back(std::move(piece));
    repaired.emplace_back(checksum);
    if (!undone.any())
        return nullptr;
    return std::make_unique<RepairedLines>(std::move(repaired), std::move(undone), sourceHeader,
                                           framed);
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
    if (changes.reflowed)
        add("lines joined into paragraphs");
    return words;
}

RepairedLines::RepairedLines(std::vector<std::string> lines, MailChanges undone,
                             std::size_t sourceHeader, bool framed)
    : m_lines(std::move(lines))
    , m_views(m_lines.begin(), m_lines.end())
    , m_undone(std::move(undone))
    , m_sourceHeader(sourceHeader)
    , m_framed(framed) {}

std::unique_ptr<RepairedLines> undoMailChanges(LineList lines, RepairReading reading) {
    const auto header = findHeader(lines, reading);
    if (!header)
        return nullptr;
    const std::string_view source = lines[header->line];
    const std::size_t quoteStart = skipBlanks(source, 0);
    MailChanges undone;
    undone.quotePrefix = source.substr(quoteStart, header->prefixEnd - quoteStart);
    const std::string marks = withoutBlanks(undone.quotePrefix);

    // The header is the tag's word; in paragraphs what follows it on its line is block too.
    const std::string_view fromTag = source.substr(header->tag);
    const std::size_t headerEnd = std::min(fromTag.find_first_of(blanks), fromTag.size());
    const bool wholeLine = reading == RepairReading::WholeLines;
    const StrippedLine sourceText = strip(source, marks);
    const std::string_view headerText = wholeLine ? sourceText.text : fromTag.substr(0, headerEnd);
    const auto *alphabet = bodyAlphabet(headerText);
    if (!alphabet)
        return nullptr;
    undone.edgeBlanks = sourceText.edgeBlanks;
    undone.reflowed = header->tag != header->prefixEnd;
    BlockGathering gathering(reading, marks, *alphabet, undone);
    if (!wholeLine && !gathering.take(strip(fromTag.substr(headerEnd), "").text))
        return nullptr;
    for (std::size_t i = header->line + 1; i < lines.size() && !gathering.checksum(); ++i)
        if (!gathering.takeLine(lines[i]))
            return nullptr;
    if (!gathering.checksum())
        return nullptr;
    return assemble(headerText, gathering.body(), *gathering.checksum(), std::move(undone),
                    header->line, framedByStartLine(lines, *header, marks));
}

} // namespace cipher
