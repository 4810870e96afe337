// Undoing what mail does to a block on the way: a quote prefix before every line, spaces and
// tabs at line ends, blank lines inside the block, body lines broken at another width, and
// short lines joined into paragraphs.
#pragma once

#include "cipher/ArmourReader.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace cipher {

// Which of mail's changes a repair undid.
struct MailChanges {
    std::string quotePrefix; // as it stood before the header's tag, e.g. "> "; empty when none
    bool edgeBlanks = false; // spaces and tabs before or after a line's text
    bool blankLines = false; // blank lines between the header and the checksum line
    bool rebroken = false;   // body lines cut again into lines of 65 characters
    bool reflowed = false;   // the block's pieces joined into paragraphs, blanks between them

    bool any() const {
        return !quotePrefix.empty() || edgeBlanks || blankLines || rebroken || reflowed;
    }
};

// The changes in words, joined by commas, e.g.
// "the quote prefix "> ", blank lines inside the block".
std::string describe(const MailChanges &changes);

// A block's lines with mail's changes undone: its header line, its body lines as the writer
// cut them, and its checksum line; nothing before or after them.
class RepairedLines {
public:
    RepairedLines(std::vector<std::string> lines, MailChanges undone, std::size_t sourceHeader,
                  bool framed);
    RepairedLines(const RepairedLines &) = delete;
    RepairedLines &operator=(const RepairedLines &) = delete;

    LineList lines() const { return m_views; }
    const MailChanges &undone() const { return m_undone; }
    // Which of the text's own lines (0-based) held the header line.
    std::size_t sourceHeaderLine() const { return m_sourceHeader; }
    // Whether the START line's words stood right before the header: a block in shape, not
    // two stray lines that happen to hold the tag.
    bool framed() const { return m_framed; }

private:
    std::vector<std::string> m_lines;
    std::vector<std::string_view> m_views;
    MailChanges m_undone;
    std::size_t m_sourceHeader;
    bool m_framed;
};

// How the repair takes the text's lines apart.
enum class RepairReading {
    // Each line is one piece of the block, as a mail program that quotes, indents or wraps
    // long lines leaves it. A line that holds a blank inside its text, a character that no
    // body line of the block's method holds, or, in a quoted block, no quote marks (a reply
    // typed in, even one of the method's characters) is never taken as body: the repair fails.
    WholeLines,
    // The block's pieces are the blank-separated words of its lines, as a mail program that
    // re-flows quoted text into paragraphs leaves them: the START line's words may share the
    // header's line and body lines may share one line. Every word of the body must be made of
    // the method's characters, and in a quoted block every line but a blank one carries the
    // quote marks, so an inline reply never slips into the body.
    Paragraphs,
};

// The block of the text's lines with mail's changes undone. Its header is the first piece that
// begins with "QvL/" after spaces, tabs and quote marks (">" or "|"); its checksum line the
// next piece that does so once the header's quote prefix is taken off. Empty when there are
// not two such pieces, when the header is not one a reader accepts, when a line cannot be body
// (see RepairReading), or when there was nothing to undo. Looks at each line once.
std::unique_ptr<RepairedLines> undoMailChanges(LineList lines, RepairReading reading);

} // namespace cipher
