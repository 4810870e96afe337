// Conversions between the editor's characters and its bytes.
#include "editor/text/EditorText.h"

#include "cipher/ArmourFormat.h"
#include "platform/CodePage.h"

#include <algorithm>
#include <optional>

namespace editor_text {

namespace {

using cipher::Encoding;

bool isSurrogatePair(QStringView text, qsizetype i) {
    return text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
}

// One pass over text entering the editor: every character the encoding cannot hold becomes
// "?", the paragraph separator a line break; with `joinLineBreaks`, every CR LF and lone CR
// becomes one LF.
QString convert(QStringView text, bool joinLineBreaks, Encoding encoding) {
    QString result(text.size(), Qt::Uninitialized);
    QChar *out = result.data();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (joinLineBreaks && c == u'\r') {
            if (i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            *out++ = u'\n';
        } else if (c == QChar::ParagraphSeparator) {
            *out++ = u'\n';
        } else if (isSurrogatePair(text, i)) {
            ++i;
            if (encoding == Encoding::Utf8) {
                *out++ = c;
                *out++ = text[i];
            } else {
                *out++ = u'?';
            }
        } else {
            const bool held = c != QChar(0) && !c.isSurrogate() &&
                              (encoding == Encoding::Utf8 || platform::cp1252::isRepresentable(c));
            *out++ = held ? c : QChar(u'?');
        }
    }
    result.truncate(out - result.constData());
    return result;
}

} // namespace

bool holdsArmouredBlock(QStringView text) {
    const QLatin1String tag(cipher::armourTag.data(), qsizetype(cipher::armourTag.size()));
    int tagLines = 0;
    for (const QStringView line : text.tokenize(u'\n'))
        if (line.startsWith(tag) && ++tagLines == 2)
            return true;
    return false;
}

qsizetype firstOutsideWindows1252(QStringView text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!platform::cp1252::isRepresentable(text[i]))
            return i;
    }
    return -1;
}

bool needsUtf8(QStringView text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (isSurrogatePair(text, i))
            return true;
        if (c != QChar(0) && c != QChar::ParagraphSeparator && !c.isSurrogate() &&
            !platform::cp1252::isRepresentable(c))
            return true;
    }
    return false;
}

QString representable(QStringView text, Encoding encoding) {
    return convert(text, false, encoding);
}

QString admissible(QStringView text, Encoding encoding) {
    const qsizetype zero = text.indexOf(QChar(0));
    return convert(zero < 0 ? text : text.left(zero), true, encoding);
}

DecodedText fromBytes(std::string_view bytes, Encoding encoding) {
    bytes = bytes.substr(0, bytes.find('\0'));
    if (encoding == Encoding::Utf8) {
        // A mark left after the document's own is a character of the text, and stays.
        if (std::optional<DecodedText> text = decodeUtf8(bytes))
            return *std::move(text);
    }
    std::string lines(bytes);
    joinLineBreaks(lines);
    return {platform::cp1252::decode(lines), {}};
}

void joinLineBreaks(std::string &bytes) {
    std::size_t out = bytes.find('\r');
    // Each CR starts a line break; the bytes up to the next CR move up behind it in one block.
    for (std::size_t in = out; in < bytes.size();) {
        in += bytes.compare(in, 2, "\r\n") == 0 ? 2 : 1;
        bytes[out++] = '\n';
        const std::size_t nextCr = std::min(bytes.find('\r', in), bytes.size());
        std::copy(bytes.begin() + qsizetype(in), bytes.begin() + qsizetype(nextCr),
                  bytes.begin() + qsizetype(out));
        out += nextCr - in;
        in = nextCr;
    }
    bytes.resize(std::min(out, bytes.size()));
}

std::string toBytes(QStringView text, Encoding encoding) {
    if (encoding == Encoding::Windows1252)
        return platform::cp1252::encode(text);
    const QByteArray bytes = text.toUtf8();
    return std::string(bytes.constData(), std::size_t(bytes.size()));
}

} // namespace editor_text
