// Counting as the text changes: the counter keeps each line's counts in the order of the lines,
// and an edit recounts only the lines it touched, in place of as many lines as the document's
// count of lines says it replaced.
#include "editor/text/TextCounter.h"

#include <QTextBlock>
#include <QTextDocument>
#include <algorithm>
#include <cstdlib>
#include <utility>

TextCounter::TextCounter(QTextDocument *document)
    : QObject(document)
    , m_document(document) {
    connect(document, &QTextDocument::contentsChange, this, &TextCounter::recheck);
    recheck(0, 0, document->characterCount());
}

int TextCounter::tagLines() const {
    return m_lines.tagLines();
}

bool TextCounter::holdsMessageLines() const {
    return m_lines.kinds().opening > 0 && m_lines.kinds().closing > 0;
}

qint64 TextCounter::utf8Extra() const {
    return m_lines.utf8Extra();
}

void TextCounter::expectText(const QString &text, LineCounts lines) {
    m_expectedText = text;
    m_expectedLines = std::move(lines);
}

void TextCounter::recheck(int position, int charsRemoved, int charsAdded) {
    const qint64 extraBefore = m_lines.utf8Extra();
    if (!countExpectedText(position, charsAdded) &&
        !growWithinLine(position, charsRemoved, charsAdded))
        recountChangedLines(position, charsAdded);
    carryLastRange(position, charsRemoved, charsAdded, m_lines.utf8Extra() - extraBefore);
}

// Reads the lines from `block` to `last` out of the document.
LineCounts TextCounter::countLines(QTextBlock block, const QTextBlock &last) const {
    LineCounts lines;
    for (; block.isValid(); block = block.next()) {
        const QString line = block.text();
        lines.append(LineCounts::utf8ExtraOf(line), LineCounts::kindOf(line));
        if (block == last)
            break;
    }
    return lines;
}

// The lines from the one that holds the change's start to the one that holds the end of what it
// added are all the change touched: the lines before and after them are as they were, so these
// took the place of as many lines as the count of the document's lines grew less.
void TextCounter::recountChangedLines(int position, int charsAdded) {
    const QTextBlock first = m_document->findBlock(position);
    const QTextBlock last =
        m_document->findBlock(std::min(position + charsAdded, m_document->characterCount() - 1));
    const LineCounts lines = countLines(first, last);
    const qsizetype replaced = lines.size() - (m_document->blockCount() - m_lines.size());
    // Counts that do not add up (a change the document never announced) are not patched: every
    // line is counted afresh, so that no answer goes wrong or out of range.
    if (replaced < 0 || first.blockNumber() + replaced > m_lines.size()) {
        m_lines = countLines(m_document->begin(), m_document->lastBlock());
        return;
    }
    m_lines.replace(first.blockNumber(), replaced, lines);
}

// The expected text, when the change put it in place of the whole document, gives the counts of
// its lines, unless they came with it. The document also breaks lines at characters such as the
// paragraph separator: when it holds more lines than the text, every line is read out of it
// instead.
bool TextCounter::countExpectedText(int position, int charsAdded) {
    if (position != 0 || charsAdded != m_document->characterCount() ||
        m_expectedText.size() + 1 != charsAdded)
        return false;
    const QString text = std::exchange(m_expectedText, QString());
    LineCounts lines = std::exchange(m_expectedLines, LineCounts());
    if (lines.size() == 0)
        lines = LineCounts::of(text);
    m_lines = lines.size() == m_document->blockCount()
                  ? std::move(lines)
                  : countLines(m_document->begin(), m_document->lastBlock());
    return true;
}

// An edit wholly after the last range leaves its answer as it was; one wholly before moves the
// range; one wholly inside changes its answer by what the edit added. Any other edit makes the
// next range count afresh.
void TextCounter::carryLastRange(int position, int charsRemoved, int charsAdded,
                                 qint64 extraAdded) {
    RangeAnswer &range = m_lastRange;
    if (range.change != m_change++ || position >= range.to)
        return;
    const int moved = charsAdded - charsRemoved;
    const int removedEnd = position + charsRemoved;
    if (removedEnd <= range.from) {
        range.from += moved;
        range.to += moved;
    } else if (position >= range.from && removedEnd <= range.to) {
        range.to += moved;
        range.extra += extraAdded;
    } else {
        return;
    }
    range.change = m_change;
}

// Typing adds characters within one line and removes none: the line's UTF-8 count grows by what
// came in; its kind is read from that line alone.
bool TextCounter::growWithinLine(int position, int charsRemoved, int charsAdded) {
    if (charsRemoved != 0 || charsAdded <= 0 ||
        position + charsAdded >= m_document->characterCount())
        return false;
    const QTextBlock block = m_document->findBlock(position);
    if (m_document->findBlock(position + charsAdded) != block)
        return false;
    const int line = block.blockNumber();
    qint64 extra = m_lines.utf8Extra(line);
    for (int i = position; i < position + charsAdded; ++i) {
        const QChar unit = m_document->characterAt(i);
        extra += LineCounts::utf8ExtraOf(QStringView(&unit, 1));
    }
    m_lines.set(line, extra, LineCounts::kindOf(block.text()));
    return true;
}

// A selection mostly moves one end at a time: the last answer and the characters between the
// old ends and the new give the new answer without reading the range again.
qint64 TextCounter::utf8Extra(int from, int to) const {
    if (m_lines.utf8Extra() == 0 || from >= to)
        return 0;
    const RangeAnswer &last = m_lastRange;
    const bool fromLast =
        last.change == m_change && std::abs(from - last.from) + std::abs(to - last.to) < to - from;
    const qint64 extra = fromLast
                             ? last.extra + signedExtra(from, last.from) + signedExtra(last.to, to)
                             : rangeExtra(from, to);
    m_lastRange = {m_change, from, to, extra};
    return extra;
}

// The extra bytes from one position to another, negative when the second comes first.
qint64 TextCounter::signedExtra(int from, int to) const {
    if (from == to)
        return 0;
    return from < to ? rangeExtra(from, to) : -rangeExtra(to, from);
}

// A range over more than half of the lines is counted as the whole text less the two sides.
qint64 TextCounter::rangeExtra(int from, int to) const {
    const QTextBlock first = m_document->findBlock(from);
    const QTextBlock last = m_document->findBlock(to);
    const int textStart = first.position();
    if (first == last)
        return LineCounts::utf8ExtraOf(QStringView(first.text()).mid(from - textStart, to - from));
    if (2 * (last.blockNumber() - first.blockNumber()) > m_document->blockCount()) {
        const int end = m_document->characterCount() - 1;
        return m_lines.utf8Extra() - rangeExtra(0, from) - rangeExtra(to, end);
    }
    return LineCounts::utf8ExtraOf(QStringView(first.text()).mid(from - textStart)) +
           m_lines.utf8Extra(first.blockNumber() + 1, last.blockNumber()) +
           LineCounts::utf8ExtraOf(QStringView(last.text()).first(to - last.position()));
}
