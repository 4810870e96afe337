// Keeps the counts that the status refresh reads up to date as the text changes: the tag lines
// (lines that begin with "QvL/", the tag of an armoured block's header and checksum lines) and
// the bytes the text takes in UTF-8 beyond one per character, so that no refresh ever has to
// walk the whole text.
#pragma once

#include <QObject>
#include <QString>

class QTextBlock;
class QTextDocument;

class TextCounter : public QObject {
public:
    explicit TextCounter(QTextDocument *document);
    ~TextCounter() override;
    TextCounter(const TextCounter &) = delete;
    TextCounter &operator=(const TextCounter &) = delete;

    int tagLines() const;

    // The bytes beyond one per UTF-16 unit that the whole text takes in UTF-8.
    qint64 utf8Extra() const;
    // The same for the characters between two positions of the document (line breaks count
    // none). Reads the counts kept for whole lines, walking the shorter side of the text; a range
    // near the last one is found from the last answer, which edits before, after or inside it
    // carry along.
    qint64 utf8Extra(int from, int to) const;

    // The bytes beyond one per UTF-16 unit that these characters take in UTF-8.
    static qint64 utf8ExtraOf(QStringView text);

    // The text about to replace the whole document (lines broken by '\n'), or none: that change
    // is counted from the text itself, line by line beside the document's blocks, instead of
    // from every line read back out of the document.
    void expectText(const QString &text);

private:
    // Held also by every line's mark, so that marks destroyed with the document's blocks, even
    // after this counter is gone, always have counts to take themselves off.
    struct Counts;
    class Mark;
    struct RangeAnswer {
        quint64 change = 0;
        int from = -1;
        int to = -1;
        qint64 extra = 0;
    };

    void recheck(int position, int charsRemoved, int charsAdded);
    void countLines(QTextBlock block, const QTextBlock &last);
    bool countExpectedText(int position, int charsAdded);
    void carryLastRange(int position, int charsRemoved, int charsAdded, qint64 extraAdded);
    bool growWithinLine(int position, int charsRemoved, int charsAdded);
    void setMark(QTextBlock block, bool tag, qint64 extra);
    qint64 rangeExtra(int from, int to) const;
    qint64 signedExtra(int from, int to) const;
    qint64 extraBetween(const QTextBlock &first, const QTextBlock &last) const;

    QTextDocument *m_document;
    Counts *m_counts;
    QString m_expectedText;
    quint64 m_change = 0;
    qint64 m_extraAfterLastChange = 0;
    mutable RangeAnswer m_lastRange;
};
