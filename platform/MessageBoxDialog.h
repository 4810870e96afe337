// The dialog behind every message box: an icon, the text, and the buttons in their fixed
// order, with the Enter, Escape and frame-close answers of the program's boxes.
#pragma once

#include "platform/MessageBox.h"

#include <QDialog>
#include <QStyle>

class QPushButton;

namespace platform {

class MessageBoxDialog : public QDialog {
public:
    MessageBoxDialog(QWidget *parent, const QString &title, const QString &text,
                     QStyle::StandardPixmap icon, MessageButtons buttons);

    // Shows the box modally, centred on the screen; the button that answered it.
    MessageButton ask();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void reject() override;
    void showEvent(QShowEvent *event) override;

private:
    void addButtons(MessageButtons buttons);
    void answer(MessageButton button);

    MessageButtons m_buttons;
    MessageButton m_answer = Cancel;
};

} // namespace platform
