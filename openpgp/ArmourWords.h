// A text read as the words of its lines, each line without its quote marks and indent: what
// mail keeps of an armour when it quotes it, re-flows it (joining and breaking its lines at
// other places) or spreads it with blank lines.
#pragma once

#include "plaintext/Lines.h"

#include <optional>
#include <string_view>

namespace openpgp {

struct ArmourWord {
    std::string_view text;
    std::string_view restOfLine; // from the word to its line's end, without blanks at the end
    std::size_t lineStart = 0;   // where the word's line begins in the text
    bool startsLine = false;     // no other word stands before it on its line
    bool afterBlankLine = false; // a line without words stands between it and the word before
};

// Reads the words front to back, each line once; a copy reads on from the same place, so that
// a reader may look ahead. Words are cut at spaces, tabs and lone CRs; a line ends at LF (with or
// without a CR before it). Quote marks (">", "|") before a line's first word, and words made
// only of them (mail's marks that re-flowing moved inside a line), are no words.
class ArmourWords {
public:
    explicit ArmourWords(std::string_view text);

    // The next word; nothing once the text has no more.
    std::optional<ArmourWord> next();

private:
    std::string_view line() const;
    void nextLine();

    std::string_view m_text;
    plaintext::LineScanner m_lines;
    std::size_t m_lineStart = 0;
    plaintext::LineEnd m_lineEnd;
    std::size_t m_at;              // where the next word is looked for in the line
    bool m_lineHasWords = false;   // a word of the line has been read
    bool m_blankSinceWord = false; // a line without words was read since the last word
};

// Whether the words, from `first` on (read already) and then as `words` gives them, spell the
// armour line `line` ("-----END PGP MESSAGE-----", say), its blanks wherever mail broke it;
// `words` then stands after them. Otherwise `words` is left where it was.
bool spells(std::string_view line, const ArmourWord &first, ArmourWords &words);

// Whether `word` begins the armour line `line` at the start of its line, as an armour's begin
// line stands, its words read on from `words` as spells() does.
bool opensArmour(std::string_view line, const ArmourWord &word, ArmourWords &words);

} // namespace openpgp
