// Reading a line's words as the OpenPGP message finder reads them: cut at blanks, quote marks
// before the first word left out, and words made only of quote marks passed over.
#include "editor/text/MessageLines.h"

#include "openpgp/MessageFinding.h"

#include <QLatin1String>
#include <algorithm>
#include <string_view>

namespace message_lines {

namespace {

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\r';
}

bool isQuoteMark(QChar c) {
    return c == u'>' || c == u'|';
}

// What stands before a line's first word: blanks and quote marks.
bool isLead(QChar c) {
    return isBlank(c) || isQuoteMark(c);
}

// The line's next word from `at` on, `at` moved past it; empty at the line's end.
QStringView nextWord(QStringView line, qsizetype &at) {
    for (;;) {
        while (at < line.size() && isBlank(line[at]))
            ++at;
        const qsizetype start = at;
        bool onlyQuoteMarks = true;
        for (; at < line.size() && !isBlank(line[at]); ++at)
            onlyQuoteMarks = onlyQuoteMarks && isQuoteMark(line[at]);
        if (start == at || !onlyQuoteMarks)
            return line.sliced(start, at - start);
    }
}

// Whether the line's words from `at` on (a word stands there) spell the armour line's words, as
// far as the line goes.
bool spellsFrom(QStringView line, qsizetype at, std::string_view armourLine) {
    for (std::size_t start = 0; start < armourLine.size();) {
        const std::size_t end = std::min(armourLine.find(' ', start), armourLine.size());
        const QStringView word = nextWord(line, at);
        if (word.isEmpty())
            return true;
        if (word != QLatin1String(armourLine.data() + start, qsizetype(end - start)))
            return false;
        start = end + 1;
    }
    return true;
}

// Where the line's first word begins: past its lead.
qsizetype firstWordAt(QStringView line) {
    qsizetype at = 0;
    while (at < line.size() && isLead(line[at]))
        ++at;
    return at;
}

} // namespace

bool opensMessage(QStringView line) {
    const qsizetype at = firstWordAt(line);
    return at < line.size() && spellsFrom(line, at, openpgp::messageBeginLine);
}

// Dashes are found many units at a time; only where one begins a word is the end line looked
// for.
bool closesMessage(QStringView line) {
    const std::string_view endLine = openpgp::messageEndLine;
    const QLatin1String firstWord(endLine.data(), qsizetype(endLine.find(' ')));
    const qsizetype lineWordAt = firstWordAt(line);
    for (qsizetype at = line.indexOf(u'-', lineWordAt); at >= 0; at = line.indexOf(u'-', at + 1)) {
        const bool beginsWord = at == lineWordAt || isBlank(line[at - 1]);
        if (beginsWord && line.sliced(at).startsWith(firstWord) && spellsFrom(line, at, endLine))
            return true;
    }
    return false;
}

} // namespace message_lines
