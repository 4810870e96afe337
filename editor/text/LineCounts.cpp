// Counting lines for the status bar: a line's counts from its characters, and the counts of many
// lines replaced at once when an edit changes them.
#include "editor/text/LineCounts.h"

#include "editor/text/MessageLines.h"

#include "cipher/ArmourFormat.h"

#include <QString>
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <numeric>

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

// The elements of a gap from `gapStart`, `gapLength` of them, moved to start at `to`: the elements
// between the old place and the new cross it.
template <class Value>
void moveGapIn(std::vector<Value> &values, qsizetype gapStart, qsizetype gapLength, qsizetype to) {
    const auto kept = values.begin();
    if (to < gapStart)
        std::copy_backward(kept + to, kept + gapStart, kept + gapStart + gapLength);
    else
        std::copy(kept + gapStart + gapLength, kept + to + gapLength, kept + gapStart);
}

} // namespace

LineCounts LineCounts::of(QStringView text) {
    LineCounts lines;
    for (qsizetype start = 0; start <= text.size();) {
        qsizetype end = text.indexOf(u'\n', start);
        end = end < 0 ? text.size() : end;
        const QStringView line = text.sliced(start, end - start);
        lines.append(utf8ExtraOf(line), kindOf(line));
        start = end + 1;
    }
    return lines;
}

qint64 LineCounts::utf8ExtraOf(QStringView text) {
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

quint8 LineCounts::kindOf(QStringView line) {
    const bool tag = line.size() >= tagLength &&
                     line.first(tagLength) == QLatin1String(cipher::armourTag.data(), tagLength);
    return quint8((tag ? Tag : 0) | (message_lines::opensMessage(line) ? OpensMessage : 0) |
                  (message_lines::closesMessage(line) ? ClosesMessage : 0));
}

void LineCounts::Kinds::add(quint8 kind, int count) {
    tags += (kind & Tag) != 0 ? count : 0;
    opening += (kind & OpensMessage) != 0 ? count : 0;
    closing += (kind & ClosesMessage) != 0 ? count : 0;
}

void LineCounts::Kinds::add(const Kinds &other, int sign) {
    tags += sign * other.tags;
    opening += sign * other.opening;
    closing += sign * other.closing;
}

// Calls `visit` with the places of the kept counts of the lines from `first` up to `last`: those
// before the gap, then those after it.
template <class Visit>
void LineCounts::visitKept(qsizetype first, qsizetype last, Visit visit) const {
    const qsizetype beforeEnd = std::min(last, m_gapStart);
    if (first < beforeEnd)
        visit(first, beforeEnd);
    const qsizetype afterStart = std::max(first, m_gapStart);
    if (afterStart < last)
        visit(afterStart + m_gapLength, last + m_gapLength);
}

qint64 LineCounts::utf8Extra(qsizetype first, qsizetype last) const {
    qint64 extra = 0;
    visitKept(first, last, [&](qsizetype from, qsizetype to) {
        extra = std::accumulate(m_extras.begin() + from, m_extras.begin() + to, extra);
    });
    return extra;
}

// Lines of no kind are by far the most: only the others are looked at further.
LineCounts::Kinds LineCounts::kindsBetween(qsizetype first, qsizetype last) const {
    Kinds kinds;
    visitKept(first, last, [&](qsizetype from, qsizetype to) {
        for (auto kind = m_kinds.begin() + from; kind != m_kinds.begin() + to; ++kind)
            if (*kind != 0)
                kinds.add(*kind, 1);
    });
    return kinds;
}

bool LineCounts::operator==(const LineCounts &other) const {
    if (size() != other.size())
        return false;
    for (qsizetype line = 0; line < size(); ++line) {
        if (utf8Extra(line) != other.utf8Extra(line) || kind(line) != other.kind(line))
            return false;
    }
    return true;
}

void LineCounts::moveGap(qsizetype to) {
    if (m_gapLength != 0) {
        moveGapIn(m_extras, m_gapStart, m_gapLength, to);
        moveGapIn(m_kinds, m_gapStart, m_gapLength, to);
    }
    m_gapStart = to;
}

// A gap too narrow grows by the length asked for and a sixteenth of the lines, so that many
// lines added one after another move the lines after them seldom.
void LineCounts::widenGap(qsizetype length) {
    if (m_gapLength >= length)
        return;
    const qsizetype growth = length - m_gapLength + size() / 16;
    const qsizetype gapEnd = m_gapStart + m_gapLength;
    m_extras.insert(m_extras.begin() + gapEnd, std::size_t(growth), 0);
    m_kinds.insert(m_kinds.begin() + gapEnd, std::size_t(growth), 0);
    m_gapLength += growth;
}

// Lines counted one after another grow the arrays as any array grows, with no gap after them.
void LineCounts::append(qint64 extra, quint8 kind) {
    if (m_gapLength != 0) {
        moveGap(size());
        m_extras.resize(std::size_t(m_gapStart));
        m_kinds.resize(std::size_t(m_gapStart));
        m_gapLength = 0;
    }
    m_extras.push_back(quint32(extra));
    m_kinds.push_back(kind);
    m_utf8Extra += extra;
    m_kindCounts.add(kind, 1);
}

void LineCounts::set(qsizetype line, qint64 extra, quint8 kind) {
    const std::size_t kept = at(line);
    m_utf8Extra += extra - m_extras[kept];
    m_kindCounts.add(m_kinds[kept], -1);
    m_kindCounts.add(kind, 1);
    m_extras[kept] = quint32(extra);
    m_kinds[kept] = kind;
}

// The replaced lines join the gap, and the new ones fill it from its start.
void LineCounts::replace(qsizetype first, qsizetype count, const LineCounts &lines) {
    m_utf8Extra += lines.m_utf8Extra - utf8Extra(first, first + count);
    m_kindCounts.add(lines.m_kindCounts, 1);
    m_kindCounts.add(kindsBetween(first, first + count), -1);
    moveGap(first);
    m_gapLength += count;
    widenGap(lines.size());
    for (qsizetype line = 0; line < lines.size(); ++line) {
        m_extras[std::size_t(m_gapStart)] = quint32(lines.utf8Extra(line));
        m_kinds[std::size_t(m_gapStart)] = lines.kind(line);
        ++m_gapStart;
        --m_gapLength;
    }
}
