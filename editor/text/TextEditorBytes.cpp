// The editor's text seen as bytes of the document's encoding: sizes from the document's and
// the counter's counts, lines from its blocks, the whole text built from the blocks' own
// characters.
#include "editor/text/EditorText.h"
#include "editor/text/TextCounter.h"
#include "editor/text/TextEditor.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace {

std::string joinedBytes(const QTextDocument &document, cipher::Encoding encoding,
                        std::string_view lineBreak, std::size_t size) {
    std::string result;
    result.reserve(size);
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block != document.begin())
            result += lineBreak;
        result += editor_text::toBytes(block.text(), encoding);
    }
    return result;
}

} // namespace

void TextEditor::setFormat(const DocumentFormat &format) {
    m_format = format;
}

std::string TextEditor::bytes() const {
    return joinedBytes(*document(), m_format.encoding, editor_text::lineBreak,
                       std::size_t(byteLength()));
}

std::string TextEditor::fileBytes() const {
    const std::string_view mark = m_format.byteOrderMark ? cipher::utf8Mark : std::string_view();
    const std::string_view lineBreak =
        m_format.lineBreaks == LineBreaks::Lf ? std::string_view("\n") : editor_text::lineBreak;
    return std::string(mark) +
           joinedBytes(*document(), m_format.encoding, lineBreak, std::size_t(byteLength()));
}

std::string TextEditor::utf8Text() const {
    return joinedBytes(*document(), cipher::Encoding::Utf8, "\n", std::size_t(byteLength()));
}

void TextEditor::setBytes(std::string_view bytes) {
    const DocumentFormat format = formatOfDecryptedText(bytes);
    editor_text::DecodedText text =
        editor_text::fromBytes(withoutMark(bytes, format), format.encoding);
    replaceText(text.characters, format, std::move(text.lines));
}

// One edit block: the document keeps the text it replaces for Undo. Marked unmodified, the
// next edit is a step of its own.
void TextEditor::setBytesAsEdit(std::string_view bytes, bool carriedAsUtf8) {
    const DocumentFormat before = m_format;
    m_format = formatOfDecryptedText(bytes, carriedAsUtf8);
    editor_text::DecodedText text =
        editor_text::fromBytes(withoutMark(bytes, m_format), m_format.encoding);
    m_counter->expectText(text.characters, std::move(text.lines));
    QTextCursor whole(document());
    whole.select(QTextCursor::Document);
    whole.insertText(text.characters);
    m_counter->expectText({});
    document()->setModified(false);
    m_undone = false;
    m_formatAcross = before;
    moveCursor(QTextCursor::Start);
}

bool TextEditor::loadText(const QString &text, const DocumentFormat &format, LineCounts lines) {
    if (holdsText(text)) {
        m_format = format;
        return false;
    }
    replaceText(text, format, std::move(lines));
    return true;
}

// The format is taken first, so that the change event already shows it. The counter counts the
// new lines from the text itself, or takes their counts as given, which it holds only meanwhile.
void TextEditor::replaceText(const QString &text, const DocumentFormat &format, LineCounts lines) {
    m_format = format;
    m_formatAcross.reset();
    m_counter->expectText(text, std::move(lines));
    setPlainText(text);
    m_counter->expectText({});
}

// Compares line by line, building no copy of the editor's whole text.
bool TextEditor::holdsText(QStringView text) const {
    if (text.size() != document()->characterCount() - 1)
        return false;
    qsizetype at = 0;
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        const QString line = block.text();
        if (text.mid(at, line.size()) != line)
            return false;
        at += line.size();
        if (block.next().isValid() && text[at++] != u'\n')
            return false;
    }
    return true;
}

QString TextEditor::firstOutsideWindows1252() const {
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        const QString line = block.text();
        const qsizetype at = editor_text::firstOutsideWindows1252(line);
        if (at >= 0)
            return line.mid(at, line[at].isHighSurrogate() ? 2 : 1);
    }
    return {};
}

int TextEditor::lineCount() const {
    return document()->blockCount();
}

std::string TextEditor::line(int index) const {
    return editor_text::toBytes(document()->findBlockByNumber(index).text(), m_format.encoding);
}

// The document counts one character per line break plus one after the last line; UTF-8 adds
// the bytes its characters take beyond one.
qint64 TextEditor::byteLength() const {
    const QTextDocument &text = *document();
    const qint64 extra = m_format.encoding == cipher::Encoding::Utf8 ? m_counter->utf8Extra() : 0;
    return qint64(text.characterCount() - 1) + (text.blockCount() - 1) + extra;
}

qint64 TextEditor::selectionByteLength() const {
    const QTextCursor cursor = textCursor();
    if (!cursor.hasSelection())
        return 0;
    const QTextDocument &text = *document();
    const int start = cursor.selectionStart();
    const int end = cursor.selectionEnd();
    const int lineBreaks = text.findBlock(end).blockNumber() - text.findBlock(start).blockNumber();
    const qint64 extra =
        m_format.encoding == cipher::Encoding::Utf8 ? m_counter->utf8Extra(start, end) : 0;
    return qint64(end - start) + lineBreaks + extra;
}

int TextEditor::tagLineCount() const {
    return m_counter->tagLines();
}

bool TextEditor::holdsMessageLines() const {
    return m_counter->holdsMessageLines();
}
