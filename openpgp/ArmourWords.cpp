// Reading a text word by word, its lines' quote marks and indents left out.
#include "openpgp/ArmourWords.h"

namespace openpgp {

namespace {

constexpr std::string_view blanks = " \t\r";
constexpr std::string_view quoteMarks = ">|";
// What stands before a line's first word: blanks and quote marks.
constexpr std::string_view lineLead = " \t\r>|";

std::string_view trimmedAtEnd(std::string_view text) {
    const auto last = text.find_last_not_of(blanks);
    return last == std::string_view::npos ? std::string_view() : text.substr(0, last + 1);
}

} // namespace

ArmourWords::ArmourWords(std::string_view text)
    : m_text(text)
    , m_lines(text, plaintext::LineBreaks::Lf)
    , m_lineEnd(m_lines.lineEnd(0))
    , m_at(line().find_first_not_of(lineLead)) {}

std::string_view ArmourWords::line() const {
    return m_text.substr(m_lineStart, m_lineEnd.textEnd - m_lineStart);
}

void ArmourWords::nextLine() {
    if (!m_lineHasWords)
        m_blankSinceWord = true;
    m_lineStart = m_lineEnd.next;
    m_lineEnd = m_lines.lineEnd(m_lineStart);
    m_at = line().find_first_not_of(lineLead);
    m_lineHasWords = false;
}

std::optional<ArmourWord> ArmourWords::next() {
    for (;;) {
        const std::string_view line = this->line();
        const auto start = line.find_first_not_of(blanks, m_at);
        if (start == std::string_view::npos) {
            if (m_lineEnd.last())
                return std::nullopt;
            nextLine();
            continue;
        }
        const auto stop = std::min(line.find_first_of(blanks, start), line.size());
        m_at = stop;
        const std::string_view word = line.substr(start, stop - start);
        if (word.find_first_not_of(quoteMarks) == std::string_view::npos)
            continue;
        const ArmourWord found{word, trimmedAtEnd(line.substr(start)), m_lineStart, !m_lineHasWords,
                               m_blankSinceWord};
        m_lineHasWords = true;
        m_blankSinceWord = false;
        return found;
    }
}

bool spells(std::string_view line, const ArmourWord &first, ArmourWords &words) {
    auto space = line.find(' ');
    if (first.text != line.substr(0, space))
        return false;
    ArmourWords after = words;
    while (space != std::string_view::npos) {
        line.remove_prefix(space + 1);
        space = line.find(' ');
        const std::optional<ArmourWord> word = after.next();
        if (!word || word->afterBlankLine || word->text != line.substr(0, space))
            return false;
    }
    words = after;
    return true;
}

bool opensArmour(std::string_view line, const ArmourWord &word, ArmourWords &words) {
    return word.startsLine && spells(line, word, words);
}

} // namespace openpgp
