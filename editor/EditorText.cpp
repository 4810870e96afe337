// Conversions between the editor's characters and its bytes.
#include "editor/EditorText.h"

#include "platform/CodePage.h"

namespace editor_text {

namespace {

// One pass over text entering the editor: every character the code page cannot hold (and the
// zero character) becomes "?", a surrogate pair counting as one character; with
// `joinLineBreaks`, every CR LF and lone CR becomes one LF.
QString convert(QStringView text, bool joinLineBreaks) {
    QString result(text.size(), Qt::Uninitialized);
    QChar *out = result.data();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const bool more = i + 1 < text.size();
        if (joinLineBreaks && c == u'\r') {
            if (more && text[i + 1] == u'\n')
                ++i;
            *out++ = u'\n';
            continue;
        }
        if (c.isHighSurrogate() && more && text[i + 1].isLowSurrogate())
            ++i;
        const bool held = c != QChar(0) && platform::cp1252::isRepresentable(c);
        *out++ = held ? c : QChar(u'?');
    }
    result.truncate(out - result.constData());
    return result;
}

} // namespace

QString representable(QStringView text) {
    return convert(text, false);
}

QString admissible(QStringView text) {
    const qsizetype zero = text.indexOf(QChar(0));
    return convert(zero < 0 ? text : text.left(zero), true);
}

QString fromBytes(std::string_view bytes) {
    bytes = bytes.substr(0, bytes.find('\0'));
    std::string lines;
    lines.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\r') {
            lines += bytes[i];
            continue;
        }
        if (i + 1 < bytes.size() && bytes[i + 1] == '\n')
            ++i;
        lines += '\n';
    }
    return platform::cp1252::decode(lines);
}

} // namespace editor_text
