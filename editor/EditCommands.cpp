// The editing commands New, Undo, Cut, Copy, Paste, Delete and Select All. Menu items are
// never disabled, so each command checks its own precondition and refuses when there is
// nothing for it to do.
#include "editor/TextEditor.h"
#include "editor/MainWindow.h"

#include "platform/MessageBox.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

void MainWindow::refuse(const QString &text) {
    platform::beepAndShowMessageBox(this, text, platform::MessageKind::Error, platform::Ok);
}

void MainWindow::btn_NewClick() {
    if (txt_SPad->byteLength() > 0) {
        // Only No keeps the text; closing the box any other way lets it go.
        if (platform::beepAndShowMessageBox(this, QStringLiteral("Clear text for new document?"),
                                            platform::MessageKind::Confirmation,
                                            platform::Yes | platform::No) == platform::No)
            return;
    }
    txt_SPad->setBytes({});
    UpdateStatus();
}

void MainWindow::btn_UndoClick() {
    if (!txt_SPad->canUndo()) {
        refuse(QStringLiteral("No action can be undone at this time."));
        return;
    }
    txt_SPad->undoLastEdit();
    UpdateStatus();
}

void MainWindow::btn_CutClick() {
    if (txt_SPad->selectionByteLength() == 0)
        refuse(QStringLiteral("You must select some text to cut to the clipboard."));
    else
        txt_SPad->cut();
}

void MainWindow::btn_CopyClick() {
    if (txt_SPad->selectionByteLength() == 0)
        refuse(QStringLiteral("You must select some text to copy to the clipboard."));
    else
        txt_SPad->copy();
}

void MainWindow::btn_PasteClick() {
    const QMimeData *clipboard = QGuiApplication::clipboard()->mimeData();
    if (clipboard == nullptr || !clipboard->hasText())
        refuse(QStringLiteral("The clipboard contains no text that can be pasted."));
    else
        txt_SPad->paste();
}

void MainWindow::btn_DeleteClick() {
    if (txt_SPad->selectionByteLength() == 0)
        refuse(QStringLiteral("You must select some text to delete."));
    else
        txt_SPad->removeSelection();
}

void MainWindow::btn_SelectAllClick() {
    txt_SPad->selectAll();
    UpdateStatus();
}
