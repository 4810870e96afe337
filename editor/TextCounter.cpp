// Counting as the text changes: each line that begins with the tag or holds characters beyond
// ASCII carries a mark in its user data that adds its counts on creation and takes them off
// when the line goes, so an edit needs to look only at the lines it touched.
#include "editor/TextCounter.h"

#include "cipher/ArmourFormat.h"

#include <QTextBlock>
#include <QTextBlockUserData>
#include <QTextDocument>
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <utility>

namespace {

constexpr int tagLength = int(cipher::armourTag.size());

// Bytes beyond the first that one UTF-16 unit takes in UTF-8: each half of a surrogate pair
// takes one more, so the pair's four bytes are its two units and two.
// Without branches, so that the compiler can count many units at once.
int unitExtra(char16_t unit) {
    return int(unit > 0x7F) + int(unit > 0x7FF) - int((unit & 0xF800) == 0xD800);
}

// Where the first unit beyond ASCII may be: runs of ASCII, the most common text, are passed four
// units at a time.
qsizetype firstBeyondAscii(QStringView text) {
    constexpr std::uint64_t beyondAscii = 0xFF80FF80FF80FF80;
    qsizetype at = 0;
    for (std::uint64_t four = 0; at + 4 <= text.size(); at += 4) {
        std::memcpy(&four, text.utf16() + at, sizeof four);
        if ((four & beyondAscii) != 0)
            break;
    }
    return at;
}

bool beginsWithTag(QStringView line) {
    return line.size() >= tagLength &&
           line.first(tagLength) == QLatin1String(cipher::armourTag.data(), tagLength);
}

// Looks at no more than the first four characters, however long the line.
bool beginsWithTag(const QTextDocument &document, const QTextBlock &block) {
    if (block.length() <= tagLength) // the length counts the line break
        return false;
    for (int i = 0; i < tagLength; ++i) {
        if (document.characterAt(block.position() + i) !=
            QLatin1Char(cipher::armourTag[std::size_t(i)]))
            return false;
    }
    return true;
}

} // namespace

// Held by the counter and by every mark; the last of them to go deletes it.
struct TextCounter::Counts {
    int holders = 1;
    int tagLines = 0;
    qint64 utf8Extra = 0;

    void release() {
        if (--holders == 0)
            delete this;
    }
};

// Small (24 bytes), as a text of many lines beyond ASCII has one for every line. A line's extra
// bytes fit 32 bits: the document counts its characters in an int, and a unit adds at most two.
class TextCounter::Mark : public QTextBlockUserData {
public:
    Mark(Counts *counts, bool tag, qint64 extra)
        : m_counts(counts)
        , m_extra(quint32(extra))
        , m_tag(tag) {
        ++m_counts->holders;
        m_counts->tagLines += m_tag ? 1 : 0;
        m_counts->utf8Extra += m_extra;
    }
    ~Mark() override {
        m_counts->tagLines -= m_tag ? 1 : 0;
        m_counts->utf8Extra -= m_extra;
        m_counts->release();
    }
    Mark(const Mark &) = delete;
    Mark &operator=(const Mark &) = delete;

    bool tag() const { return m_tag; }
    qint64 extra() const { return m_extra; }

private:
    Counts *m_counts;
    quint32 m_extra;
    bool m_tag;
};

TextCounter::TextCounter(QTextDocument *document)
    : QObject(document)
    , m_document(document)
    , m_counts(new Counts) {
    connect(document, &QTextDocument::contentsChange, this, &TextCounter::recheck);
    recheck(0, 0, document->characterCount());
}

TextCounter::~TextCounter() {
    m_counts->release();
}

int TextCounter::tagLines() const {
    return m_counts->tagLines;
}

qint64 TextCounter::utf8Extra() const {
    return m_counts->utf8Extra;
}

qint64 TextCounter::utf8ExtraOf(QStringView text) {
    const char16_t *units = text.utf16();
    qsizetype at = firstBeyondAscii(text);
    qint64 extra = 0;
    // Sixteen units at a time: a loop of a fixed count, which the compiler turns into a few
    // vector instructions.
    constexpr int chunk = 16;
    for (; at + chunk <= text.size(); at += chunk) {
        int chunkExtra = 0;
        for (int i = 0; i < chunk; ++i)
            chunkExtra += unitExtra(units[at + i]);
        extra += chunkExtra;
    }
    for (; at < text.size(); ++at)
        extra += unitExtra(units[at]);
    return extra;
}

void TextCounter::expectText(const QString &text) {
    m_expectedText = text;
}

void TextCounter::recheck(int position, int charsRemoved, int charsAdded) {
    if (!countExpectedText(position, charsAdded) &&
        !growWithinLine(position, charsRemoved, charsAdded)) {
        const QTextBlock last = m_document->findBlock(
            std::min(position + charsAdded, m_document->characterCount() - 1));
        countLines(m_document->findBlock(position), last);
    }
    // Lines removed by the edit took their counts off before this signal, so the change of the
    // whole count since the last edit is what this edit added.
    carryLastRange(position, charsRemoved, charsAdded,
                   m_counts->utf8Extra - m_extraAfterLastChange);
    m_extraAfterLastChange = m_counts->utf8Extra;
}

// Reads the lines from `block` to `last` out of the document.
void TextCounter::countLines(QTextBlock block, const QTextBlock &last) {
    for (; block.isValid(); block = block.next()) {
        const QString line = block.text();
        setMark(block, beginsWithTag(line), utf8ExtraOf(line));
        if (block == last)
            break;
    }
}

// The expected text, when the change put it in place of the whole document, gives the counts of
// each line from the text itself; only the lines that count for something are looked up in the
// document. The document also breaks lines at characters such as the paragraph separator: when it
// holds more lines than the text, every line is read out of it instead.
bool TextCounter::countExpectedText(int position, int charsAdded) {
    if (position != 0 || charsAdded != m_document->characterCount() ||
        m_expectedText.size() + 1 != charsAdded)
        return false;
    const QString text = std::exchange(m_expectedText, QString());
    QTextBlock block = m_document->begin();
    int blockNumber = 0;
    int lineNumber = 0;
    for (qsizetype start = 0; start <= text.size(); ++lineNumber) {
        qsizetype end = text.indexOf(u'\n', start);
        end = end < 0 ? text.size() : end;
        const QStringView line = QStringView(text).sliced(start, end - start);
        const bool tag = beginsWithTag(line);
        const qint64 extra = utf8ExtraOf(line);
        if (tag || extra != 0) {
            if (lineNumber != blockNumber)
                block = lineNumber == blockNumber + 1 ? block.next()
                                                      : m_document->findBlockByNumber(lineNumber);
            blockNumber = lineNumber;
            setMark(block, tag, extra);
        }
        start = end + 1;
    }
    if (lineNumber != m_document->blockCount())
        countLines(m_document->begin(), m_document->lastBlock());
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

// Typing adds characters within one line and removes none: the line's count grows by what came
// in, without reading the rest of the line.
bool TextCounter::growWithinLine(int position, int charsRemoved, int charsAdded) {
    if (charsRemoved != 0 || charsAdded <= 0 ||
        position + charsAdded >= m_document->characterCount())
        return false;
    const QTextBlock block = m_document->findBlock(position);
    if (m_document->findBlock(position + charsAdded) != block)
        return false;
    const Mark *mark = dynamic_cast<const Mark *>(block.userData());
    qint64 extra = mark != nullptr ? mark->extra() : 0;
    for (int i = position; i < position + charsAdded; ++i)
        extra += unitExtra(m_document->characterAt(i).unicode());
    setMark(block, beginsWithTag(*m_document, block), extra);
    return true;
}

void TextCounter::setMark(QTextBlock block, bool tag, qint64 extra) {
    const Mark *mark = dynamic_cast<const Mark *>(block.userData());
    if (mark != nullptr ? mark->tag() == tag && mark->extra() == extra : !tag && extra == 0)
        return;
    // Replacing the user data deletes the old mark, which takes its counts off.
    block.setUserData(tag || extra != 0 ? new Mark(m_counts, tag, extra) : nullptr);
}

// A selection mostly moves one end at a time: the last answer and the characters between the
// old ends and the new give the new answer without reading the range again.
qint64 TextCounter::utf8Extra(int from, int to) const {
    if (m_counts->utf8Extra == 0 || from >= to)
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
        return utf8ExtraOf(QStringView(first.text()).mid(from - textStart, to - from));
    if (2 * (last.blockNumber() - first.blockNumber()) > m_document->blockCount()) {
        const int end = m_document->characterCount() - 1;
        return m_counts->utf8Extra - rangeExtra(0, from) - rangeExtra(to, end);
    }
    return utf8ExtraOf(QStringView(first.text()).mid(from - textStart)) +
           extraBetween(first.next(), last) +
           utf8ExtraOf(QStringView(last.text()).first(to - last.position()));
}

// The kept counts of the whole lines from `first` up to, not including, `last`.
qint64 TextCounter::extraBetween(const QTextBlock &first, const QTextBlock &last) const {
    qint64 extra = 0;
    for (QTextBlock block = first; block.isValid() && block != last; block = block.next()) {
        if (const auto *mark = dynamic_cast<const Mark *>(block.userData()))
            extra += mark->extra();
    }
    return extra;
}
