// The editing commands New, Undo, Cut, Copy, Paste, Delete and Select All. Menu items are
// never disabled, so each command checks its own precondition and refuses when there is
// nothing for it to do.
#include "editor/text/TextEditor.h"
#include "editor/window/MainWindow.h"

#include "platform/MessageBox.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

void MainWindow::refuse(const QString &text) {
    platform::beepAndShowMessageBox(this, text, platform::MessageKind::Error, platform::Ok);
}

void MainWindow::newDocument() {
    if (m_editor->byteLength() > 0) {
        // Only No keeps the text; closing the box any other way lets it go.
        if (platform::beepAndShowMessageBox(this, tr("Clear text for new document?"),
                                            platform::MessageKind::Confirmation,
                                            platform::Yes | platform::No) == platform::No)
            return;
    }
    m_editor->setBytes({});
    updateStatus();
}

void MainWindow::undoLastEdit() {
    if (!m_editor->canUndo()) {
        refuse(tr("No action can be undone at this time."));
        return;
    }
    m_editor->undoLastEdit();
    updateStatus();
}

void MainWindow::cutSelection() {
    editSelection(&TextEditor::cut,
                  QT_TR_NOOP("You must select some text to cut to the clipboard."));
}

void MainWindow::copySelection() {
    editSelection(&TextEditor::copy,
                  QT_TR_NOOP("You must select some text to copy to the clipboard."));
}

void MainWindow::pasteClipboardText() {
    const QMimeData *clipboard = QGuiApplication::clipboard()->mimeData();
    if (clipboard == nullptr || !clipboard->hasText())
        refuse(tr("The clipboard contains no text that can be pasted."));
    else
        m_editor->paste();
}

void MainWindow::deleteSelection() {
    editSelection(&TextEditor::removeSelection, QT_TR_NOOP("You must select some text to delete."));
}

// Cut, Copy and Delete work on the selection, and refuse when nothing is selected, in the
// refusal's translation.
void MainWindow::editSelection(void (TextEditor::*edit)(), const char *refusal) {
    if (m_editor->selectionByteLength() == 0)
        refuse(tr(refusal));
    else
        (m_editor->*edit)();
}

void MainWindow::selectAllText() {
    m_editor->selectAll();
    updateStatus();
}
