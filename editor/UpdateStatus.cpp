// The refresh of the status panels and the tool buttons that follow the text, and the editor
// events that run it.
#include "editor/MainWindow.h"
#include "editor/TextEditor.h"
#include "editor/StatusText.h"

#include <QLabel>
#include <QToolButton>

void MainWindow::UpdateStatus() {
    const bool canUndo = txt_SPad->canUndo();
    const qint64 length = txt_SPad->byteLength();
    const qint64 selected = txt_SPad->selectionByteLength();
    for (QToolButton *button : {btn_Encrypt, btn_Decrypt, btn_Save})
        button->setEnabled(length > 0);
    for (QToolButton *button : {btn_Cut, btn_Copy, btn_Delete})
        button->setEnabled(selected > 0);
    btn_SelectAll->setEnabled(length > 0);
    btn_Undo->setEnabled(canUndo);
    const QString size = status_text::sizeCaption(length, selected);
    if (pan_Bytes->text() != size)
        pan_Bytes->setText(size);
    const QString format = status_text::formatCaption(txt_SPad->format());
    if (pan_Format->text() != format)
        pan_Format->setText(format);
    pan_TextType->setText(status_text::textTypeCaption(IsEncryptedText()));
}

bool MainWindow::IsEncryptedText() const {
    return txt_SPad->tagLineCount() >= 2;
}

void MainWindow::txt_SPadChange() {
    UpdateStatus();
}

void MainWindow::txt_SPadKeyUp() {
    UpdateStatus();
}

void MainWindow::txt_SPadMouseMove() {
    UpdateStatus();
}
