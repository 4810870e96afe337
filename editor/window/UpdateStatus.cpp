// The refresh of the status panels and of the tool buttons that follow the text.
#include "editor/text/TextEditor.h"
#include "editor/window/MainWindow.h"
#include "editor/window/StatusText.h"

#include <QLabel>

void MainWindow::updateStatus() {
    const command_table::TextState text{m_editor->byteLength(), m_editor->selectionByteLength(),
                                        m_editor->canUndo()};
    enableButtons(text);
    const QString size = status_text::sizeCaption(text.length, text.selected);
    if (m_sizePanel->text() != size)
        m_sizePanel->setText(size);
    const QString format = status_text::formatCaption(m_editor->format());
    if (m_formatPanel->text() != format)
        m_formatPanel->setText(format);
    // The text type is the armoured block's; a text that holds an OpenPGP message which Decrypt
    // reads is shown as encrypted too.
    const bool encrypted = holdsArmouredBlock() || m_editor->holdsMessageLines();
    m_textTypePanel->setText(status_text::textTypeCaption(encrypted));
}

bool MainWindow::holdsArmouredBlock() const {
    return m_editor->tagLineCount() >= 2;
}
