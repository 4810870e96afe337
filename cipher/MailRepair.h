// Undoing what mail does to a block on the way: a quote prefix before every line, spaces and
// tabs at line ends, blank lines inside the block, body lines broken at another width.
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

    bool any() const { return !quotePrefix.empty() || edgeBlanks || blankLines || rebroken; }
};

// The changes in words, joined by commas, e.g.
// "the quote prefix "> ", blank lines inside the block".
std::string describe(const MailChanges &changes);

// A block's lines with mail's changes undone: its header line, its body lines as the writer
// cut them, and its checksum line; nothing before or after them.
class RepairedLines {
public:
    RepairedLines(std::vector<std::string> lines, MailChanges undone, std::size_t sourceHeader);
    RepairedLines(const RepairedLines &) = delete;
    RepairedLines &operator=(const RepairedLines &) = delete;

    LineList lines() const { return m_views; }
    const MailChanges &undone() const { return m_undone; }
    // Which of the text's own lines (0-based) held the header line.
    std::size_t sourceHeaderLine() const { return m_sourceHeader; }

private:
    std::vector<std::string> m_lines;
    std::vector<std::string_view> m_views;
    MailChanges m_undone;
    std::size_t m_sourceHeader;
};

// The block of the text's lines with mail's changes undone. Its header line is the first line
// that begins with "QvL/" after spaces, tabs and quote marks (">" or "|"); its checksum line
// the next that does so once the header's quote prefix is taken off. Empty when there are not
// two such lines, or when there was nothing to undo. Looks at each line once.
std::unique_ptr<RepairedLines> undoMailChanges(LineList lines);

} // namespace cipher
