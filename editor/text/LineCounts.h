// The counts kept for each line of the editor's text, a few bytes a line beside the document: the
// bytes beyond one per UTF-16 unit that the line takes in UTF-8, and its kind: whether it begins
// with the tag, and whether it opens or closes an OpenPGP message.
#pragma once

#include <QStringView>
#include <vector>

class LineCounts {
public:
    // What a line shows, as flags.
    enum Kind : quint8 {
        // The line begins with "QvL/", the tag of an armoured block's header and checksum lines.
        Tag = 1,
        OpensMessage = 2,  // see message_lines::opensMessage()
        ClosesMessage = 4, // see message_lines::closesMessage()
    };
    // How many lines of each kind.
    struct Kinds {
        int tags = 0;
        int opening = 0;
        int closing = 0;

        void add(quint8 kind, int count);
        void add(const Kinds &other, int sign);
    };

    // The counts of each line of the text, lines broken by '\n'.
    static LineCounts of(QStringView text);
    // The bytes beyond one per UTF-16 unit that these characters take in UTF-8.
    static qint64 utf8ExtraOf(QStringView text);
    // The line's kind.
    static quint8 kindOf(QStringView line);

    qsizetype size() const { return qsizetype(m_extras.size()) - m_gapLength; }
    const Kinds &kinds() const { return m_kindCounts; }
    int tagLines() const { return m_kindCounts.tags; }
    qint64 utf8Extra() const { return m_utf8Extra; }
    qint64 utf8Extra(qsizetype line) const { return m_extras[at(line)]; }
    quint8 kind(qsizetype line) const { return m_kinds[at(line)]; }
    // The sum over the lines from `first` up to, not including, `last`.
    qint64 utf8Extra(qsizetype first, qsizetype last) const;

    // The same counts for the same lines.
    bool operator==(const LineCounts &other) const;

    // A line's UTF-8 extra is below 2^32: the document counts its characters in an int, and a
    // unit adds at most two.
    void append(qint64 extra, quint8 kind);
    void set(qsizetype line, qint64 extra, quint8 kind);
    // The `count` lines from `first` on become `lines`.
    void replace(qsizetype first, qsizetype count, const LineCounts &lines);

private:
    // Where a line's counts are kept: past the gap when the line comes after it.
    std::size_t at(qsizetype line) const {
        return std::size_t(line < m_gapStart ? line : line + m_gapLength);
    }
    template <class Visit> void visitKept(qsizetype first, qsizetype last, Visit visit) const;
    Kinds kindsBetween(qsizetype first, qsizetype last) const;
    void moveGap(qsizetype to);
    void widenGap(qsizetype length);

    // Kept in the order of the lines with a gap where the last lines were replaced, so that an
    // edit near the last one moves only the counts of the lines between them, not all after it.
    std::vector<quint32> m_extras;
    std::vector<quint8> m_kinds;
    qsizetype m_gapStart = 0;
    qsizetype m_gapLength = 0;
    qint64 m_utf8Extra = 0;
    Kinds m_kindCounts;
};
