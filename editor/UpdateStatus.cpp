// The refresh of the status panels and the tool buttons that follow the text, and the editor
// events that run it.
#include "editor/MainWindow.h"
#include "editor/SPadEditor.h"
#include "editor/StatusText.h"

#include <QLabel>
#include <QToolButton>

void Tfrm_SPad::UpdateStatus() {
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

bool Tfrm_SPad::IsEncryptedText() const {
    return txt_SPad->tagLineCount() >= 2;
}

void Tfrm_SPad::txt_SPadChange() {
    UpdateStatus();
}

void Tfrm_SPad::txt_SPadKeyUp() {
    UpdateStatus();
}

void Tfrm_SPad::txt_SPadMouseMove() {
    UpdateStatus();
}
