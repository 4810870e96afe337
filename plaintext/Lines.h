// Cutting a byte text into its lines: where each line's text ends and the next line begins,
// with every CR and LF searched for once, a block of bytes at a time.
#pragma once

#include <algorithm>
#include <string_view>
#include <vector>

namespace plaintext {

// Which bytes end a line. Any: CR LF, a lone CR and a lone LF (the editor's and the armour's
// rule). Lf: only LF, a CR right before it belonging to the break; a lone CR stays in its line
// (the settings file's and OpenPGP's rule).
enum class LineBreaks { Any, Lf };

// A line's text runs from where it begins to textEnd, its line break from textEnd to next.
// The last line has no break: its textEnd and next are both the text's size.
struct LineEnd {
    std::size_t textEnd = 0;
    std::size_t next = 0;
    bool last() const { return textEnd == next; }
};

// Walks a text's lines front to back; each search for the next CR or LF runs only once the
// lines have passed the one found before, so the whole walk reads each byte about once.
class LineScanner {
public:
    explicit LineScanner(std::string_view text, LineBreaks breaks = LineBreaks::Any)
        : m_text(text)
        , m_breaks(breaks)
        , m_cr(breaks == LineBreaks::Any ? text.find('\r') : std::string_view::npos)
        , m_lf(text.find('\n')) {}

    // The end of the line that begins at `start`; `start` never goes back between calls.
    LineEnd lineEnd(std::size_t start) {
        if (m_lf < start)
            m_lf = m_text.find('\n', start);
        if (m_breaks == LineBreaks::Lf) {
            if (m_lf == std::string_view::npos)
                return {m_text.size(), m_text.size()};
            const bool crLf = m_lf > start && m_text[m_lf - 1] == '\r';
            return {crLf ? m_lf - 1 : m_lf, m_lf + 1};
        }
        if (m_cr < start)
            m_cr = m_text.find('\r', start);
        const std::size_t lineBreak = std::min({m_cr, m_lf, m_text.size()});
        if (lineBreak == m_text.size())
            return {lineBreak, lineBreak};
        return {lineBreak, lineBreak == m_cr && m_lf == m_cr + 1 ? m_lf + 1 : lineBreak + 1};
    }

private:
    std::string_view m_text;
    LineBreaks m_breaks;
    // The first CR and LF at or after the last line's start, as far as found.
    std::size_t m_cr;
    std::size_t m_lf;
};

// How many lines splitLines cuts the text into: one more than it holds line breaks.
inline std::size_t lineCount(std::string_view text, LineBreaks breaks = LineBreaks::Any) {
    std::size_t count = 1;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool loneCr = breaks == LineBreaks::Any && text[i] == '\r' &&
                            (i + 1 == text.size() || text[i + 1] != '\n');
        count += text[i] == '\n' || loneCr ? 1 : 0;
    }
    return count;
}

// The lines of a text, without their breaks. Like the editor's line list, a text of n line
// breaks has n + 1 lines (an empty text has one empty line, a text ending with a break has an
// empty last line). The views point into text. The list is counted before it is filled, so a
// text of many short lines costs its 16 bytes a line once, never a doubled list in growing.
inline std::vector<std::string_view> splitLines(std::string_view text,
                                                LineBreaks breaks = LineBreaks::Any) {
    std::vector<std::string_view> lines;
    lines.reserve(lineCount(text, breaks));
    LineScanner scanner(text, breaks);
    for (std::size_t start = 0;;) {
        const LineEnd end = scanner.lineEnd(start);
        lines.push_back(text.substr(start, end.textEnd - start));
        if (end.last())
            return lines;
        start = end.next;
    }
}

} // namespace plaintext
