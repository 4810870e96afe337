// Counting lines for the status bar: a line's counts from its characters, and the counts of many
// lines replaced at once when an edit changes them.
#include "editor/LineCounts.h"

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

// The elements from `first` on, `count` of them, become those of `with`, moving the rest once.
template <class Value>
void splice(std::vector<Value> &values, qsizetype first, qsizetype count,
            const std::vector<Value> &with) {
    const auto at = values.begin() + first;
    const qsizetype kept = std::min(count, qsizetype(with.size()));
    std::copy(with.begin(), with.begin() + kept, at);
    if (count > kept)
        values.erase(at + kept, at + count);
    else
        values.insert(at + kept, with.begin() + kept, with.end());
}

} // namespace

LineCounts LineCounts::of(QStringView text) {
    LineCounts lines;
    for (qsizetype start = 0; start <= text.size();) {
        qsizetype end = text.indexOf(u'\n', start);
        end = end < 0 ? text.size() : end;
        const QStringView line = text.sliced(start, end - start);
        lines.append(utf8ExtraOf(line), beginsWithTag(line));
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

bool LineCounts::beginsWithTag(QStringView line) {
    return line.size() >= tagLength &&
           line.first(tagLength) == QLatin1String(cipher::armourTag.data(), tagLength);
}

qint64 LineCounts::utf8Extra(qsizetype first, qsizetype last) const {
    return std::accumulate(m_extras.begin() + first, m_extras.begin() + last, qint64(0));
}

int LineCounts::tagsBetween(qsizetype first, qsizetype last) const {
    return int(std::count(m_tags.begin() + first, m_tags.begin() + last, quint8(1)));
}

void LineCounts::append(qint64 extra, bool tag) {
    m_extras.push_back(quint32(extra));
    m_tags.push_back(quint8(tag));
    m_utf8Extra += extra;
    m_tagLines += int(tag);
}

void LineCounts::set(qsizetype line, qint64 extra, bool tag) {
    const auto at = std::size_t(line);
    m_utf8Extra += extra - m_extras[at];
    m_tagLines += int(tag) - m_tags[at];
    m_extras[at] = quint32(extra);
    m_tags[at] = quint8(tag);
}

void LineCounts::replace(qsizetype first, qsizetype count, const LineCounts &lines) {
    m_utf8Extra += lines.m_utf8Extra - utf8Extra(first, first + count);
    m_tagLines += lines.m_tagLines - tagsBetween(first, first + count);
    splice(m_extras, first, count, lines.m_extras);
    splice(m_tags, first, count, lines.m_tags);
}
