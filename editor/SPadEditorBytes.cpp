// The editor's text seen as bytes: sizes from the document's counts, lines from its blocks,
// the whole text built from the blocks' own characters.
#include "editor/EditorText.h"
#include "editor/SPadEditor.h"
#include "editor/TagLineCounter.h"

#include "platform/CodePage.h"

#include <QTextBlock>
#include <QTextDocument>

std::string SPadEditor::bytes() const {
    std::string result;
    result.reserve(static_cast<std::size_t>(byteLength()));
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        if (block != document()->begin())
            result += editor_text::lineBreak;
        result += platform::cp1252::encode(block.text());
    }
    return result;
}

void SPadEditor::setBytes(std::string_view bytes) {
    setPlainText(editor_text::fromBytes(bytes));
}

int SPadEditor::lineCount() const {
    return document()->blockCount();
}

std::string SPadEditor::line(int index) const {
    return platform::cp1252::encode(document()->findBlockByNumber(index).text());
}

// The document counts one character per line break plus one after the last line.
qint64 SPadEditor::byteLength() const {
    const QTextDocument &text = *document();
    return qint64(text.characterCount() - 1) + (text.blockCount() - 1);
}

qint64 SPadEditor::selectionByteLength() const {
    const QTextCursor cursor = textCursor();
    if (!cursor.hasSelection())
        return 0;
    const QTextDocument &text = *document();
    const int lineBreaks = text.findBlock(cursor.selectionEnd()).blockNumber() -
                           text.findBlock(cursor.selectionStart()).blockNumber();
    return qint64(cursor.selectionEnd() - cursor.selectionStart()) + lineBreaks;
}

int SPadEditor::tagLineCount() const {
    return m_tagLines->count();
}
