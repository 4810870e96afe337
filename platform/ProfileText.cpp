// The initialization-file format held in memory: one pass over the lines finds the key's line
// or the place for a new one; every byte outside the one changed line is copied unchanged.
#include "platform/ProfileText.h"

#include "plaintext/ByteOrderMark.h"
#include "plaintext/Lines.h"

namespace platform {

namespace {

// One line of the content: its text runs from begin to textEnd, its line break (if any) from
// textEnd to end.
struct Line {
    qsizetype begin = 0;
    qsizetype textEnd = 0;
    qsizetype end = 0;
};

std::string_view bytesOf(QByteArrayView content) {
    return {content.data(), std::size_t(content.size())};
}

QByteArrayView lineText(QByteArrayView content, const Line &line) {
    return content.sliced(line.begin, line.textEnd - line.begin);
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

QByteArrayView withoutBlanks(QByteArrayView text) {
    while (!text.isEmpty() && isBlank(text.front()))
        text = text.sliced(1);
    while (!text.isEmpty() && isBlank(text.back()))
        text.chop(1);
    return text;
}

bool sameName(QByteArrayView a, QByteArrayView b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// The name of a section header line "[name]", or nothing for any other line.
std::optional<QByteArrayView> sectionName(QByteArrayView text) {
    text = withoutBlanks(text);
    const qsizetype close = text.indexOf(']');
    if (!text.startsWith('[') || close < 0)
        return std::nullopt;
    return withoutBlanks(text.sliced(1, close - 1));
}

bool isKeyLine(QByteArrayView text, QByteArrayView key) {
    const qsizetype equals = text.indexOf('=');
    return equals >= 0 && sameName(withoutBlanks(text.first(equals)), key);
}

// Where the key stands, or where a new line for it would go.
struct KeyPlace {
    std::optional<Line> keyLine;
    // The end of the section's last line that is not blank (its header at least); nothing
    // when the section is missing.
    std::optional<qsizetype> sectionTail;
};

KeyPlace locateKey(QByteArrayView content, QByteArrayView section, QByteArrayView key) {
    KeyPlace place;
    // Lines end at LF or CR LF; a lone CR stays in its line. A file saved by some editors opens
    // with the UTF-8 byte order mark; it is not part of the first line's text.
    plaintext::LineScanner lines(bytesOf(content), plaintext::LineBreaks::Lf);
    const std::string_view mark = plaintext::utf8Mark;
    for (qsizetype begin = bytesOf(content).starts_with(mark) ? qsizetype(mark.size()) : 0;
         begin < content.size();) {
        const plaintext::LineEnd end = lines.lineEnd(std::size_t(begin));
        const Line line{begin, qsizetype(end.textEnd), qsizetype(end.next)};
        begin = line.end;
        const QByteArrayView text = lineText(content, line);
        if (const auto name = sectionName(text)) {
            if (place.sectionTail)
                break; // Later sections of the same name are left alone.
            if (sameName(*name, section))
                place.sectionTail = line.end;
        } else if (place.sectionTail) {
            if (isKeyLine(text, key)) {
                place.keyLine = line;
                break;
            }
            if (!withoutBlanks(text).isEmpty())
                place.sectionTail = line.end;
        }
    }
    return place;
}

// A value ends at a zero byte, as the platform's strings always did.
QByteArrayView valueOfKeyLine(QByteArrayView text) {
    QByteArrayView value = text.sliced(text.indexOf('=') + 1);
    const qsizetype zero = value.indexOf('\0');
    if (zero >= 0)
        value = value.first(zero);
    value = withoutBlanks(value);
    const bool quoted = value.size() >= 2 && value.front() == value.back() &&
                        (value.front() == '"' || value.front() == '\'');
    return quoted ? value.sliced(1, value.size() - 2) : value;
}

QByteArray lineBreakOf(QByteArrayView content) {
    const plaintext::LineEnd first =
        plaintext::LineScanner(bytesOf(content), plaintext::LineBreaks::Lf).lineEnd(0);
    return first.next - first.textEnd == 2 ? QByteArray("\r\n") : QByteArray("\n");
}

QByteArray spliced(QByteArrayView content, qsizetype from, qsizetype to,
                   QByteArrayView replacement) {
    QByteArray result;
    result.reserve(content.size() - (to - from) + replacement.size());
    result.append(content.first(from)).append(replacement).append(content.sliced(to));
    return result;
}

// Inserts whole lines at a line boundary; when that boundary is the end of a last line that
// has no line break, the line break comes first.
QByteArray withLinesInserted(QByteArrayView content, qsizetype position, QByteArray lines,
                             const QByteArray &lineBreak) {
    if (position > 0 && content[position - 1] != '\n')
        lines.prepend(lineBreak);
    return spliced(content, position, position, lines);
}

} // namespace

bool isStorableProfileEntry(QByteArrayView section, QByteArrayView key, QByteArrayView value) {
    const auto breaksLine = [](QByteArrayView text) {
        return text.contains('\n') || text.contains('\r') || text.contains('\0');
    };
    // The reader drops the blanks around a name, and takes a line that opens with "[" and holds
    // a "]" for a section header.
    const auto isName = [&breaksLine](QByteArrayView name) {
        return !name.isEmpty() && withoutBlanks(name) == name && !breaksLine(name);
    };
    return isName(section) && isName(key) && !section.contains(']') && !key.contains('=') &&
           !key.startsWith('[') && !breaksLine(value);
}

std::optional<QByteArray> findProfileValue(QByteArrayView content, QByteArrayView section,
                                           QByteArrayView key) {
    const KeyPlace place = locateKey(content, section, key);
    if (!place.keyLine)
        return std::nullopt;
    return valueOfKeyLine(lineText(content, *place.keyLine)).toByteArray();
}

QByteArray withProfileValue(QByteArrayView content, QByteArrayView section, QByteArrayView key,
                            QByteArrayView value) {
    const QByteArray keyLine = key.toByteArray() + '=' + value.toByteArray();
    const QByteArray lineBreak = lineBreakOf(content);
    const KeyPlace place = locateKey(content, section, key);
    if (place.keyLine)
        return spliced(content, place.keyLine->begin, place.keyLine->textEnd, keyLine);
    if (place.sectionTail)
        return withLinesInserted(content, *place.sectionTail, keyLine + lineBreak, lineBreak);
    const QByteArray header = '[' + section.toByteArray() + ']';
    return withLinesInserted(content, content.size(), header + lineBreak + keyLine + lineBreak,
                             lineBreak);
}

} // namespace platform
