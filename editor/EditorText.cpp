// Conversions between the editor's characters and its bytes.
#include "editor/EditorText.h"

#include "platform/CodePage.h"

namespace editor_text {

QString representable(QStringView text) {
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i; // one character, one "?"
        // Byte 0 never stands in the text.
        const bool admitted = c != QChar(0) && platform::cp1252::isRepresentable(c);
        result.append(admitted ? c : QChar(u'?'));
    }
    return result;
}

QString admissible(QStringView text) {
    const qsizetype zero = text.indexOf(QChar(0));
    if (zero >= 0)
        text = text.left(zero);
    QString lines;
    lines.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\r') {
            if (i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            lines.append(u'\n');
        } else {
            lines.append(c);
        }
    }
    return representable(lines);
}

QString fromBytes(std::string_view bytes) {
    return admissible(platform::cp1252::decode(bytes.substr(0, bytes.find('\0'))));
}

} // namespace editor_text
