// Keeps the counts that the status refresh reads up to date as the text changes: the tag lines
// (lines that begin with "QvL/", the tag of an armoured block's header and checksum lines), the
// lines that open or close an OpenPGP message, and the bytes the text takes in UTF-8 beyond one per
// character, so that no refresh ever has to walk the whole text.
#pragma once

#include "editor/text/LineCounts.h"

#include <QObject>
#include <QString>

class QTextBlock;
class QTextDocument;

class TextCounter : public QObject {
public:
    explicit TextCounter(QTextDocument *document);

    int tagLines() const;
    // Whether a line opens an OpenPGP message and a line closes one (see message_lines).
    bool holdsMessageLines() const;

    // The bytes beyond one per UTF-16 unit that the whole text takes in UTF-8.
    qint64 utf8Extra() const;
    // The same for the characters between two positions of the document (line breaks count
    // none). Reads the counts kept for whole lines, walking the shorter side of the text; a range
    // near the last one is found from the last answer, which edits before, after or inside it
    // carry along.
    qint64 utf8Extra(int from, int to) const;

    // The text about to replace the whole document (lines broken by '\n'), or none, and the
    // counts of its lines when they are known already: that change is counted from the text
    // itself (or taken as given) instead of from every line read back out of the document.
    void expectText(const QString &text, LineCounts lines = {});

private:
    struct RangeAnswer {
        quint64 change = 0;
        int from = -1;
        int to = -1;
        qint64 extra = 0;
    };

    void recheck(int position, int charsRemoved, int charsAdded);
    LineCounts countLines(QTextBlock block, const QTextBlock &last) const;
    void recountChangedLines(int position, int charsAdded);
    bool countExpectedText(int position, int charsAdded);
    void carryLastRange(int position, int charsRemoved, int charsAdded, qint64 extraAdded);
    bool growWithinLine(int position, int charsRemoved, int charsAdded);
    qint64 rangeExtra(int from, int to) const;
    qint64 signedExtra(int from, int to) const;

    QTextDocument *m_document;
    // One entry for each of the document's lines, in their order.
    LineCounts m_lines;
    QString m_expectedText;
    LineCounts m_expectedLines;
    quint64 m_change = 0;
    mutable RangeAnswer m_lastRange;
};
