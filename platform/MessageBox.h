// The program's own modal message box: fixed titles, icons, button captions and order,
// Enter and Escape rules, centred on the screen.
#pragma once

#include <QString>

class QWidget;

namespace platform {

enum class MessageKind { Warning, Error, Information, Confirmation };

// One bit per button the program's boxes use; a box shows the buttons it is given in this
// order, left to right.
enum MessageButton : unsigned {
    Yes = 1u << 0,
    No = 1u << 1,
    Ok = 1u << 2,
    Cancel = 1u << 3,
    Retry = 1u << 4,
};
using MessageButtons = unsigned;

// Shows the box modally and answers with the button pressed. Enter presses OK, else Yes,
// else Retry; Escape presses Cancel, else No, else OK; closing the frame answers Cancel. A
// Yes/No question (No without Cancel) has no close button, and a close request answers No.
// Buttons carry the objectNames "msg_Yes", "msg_No", "msg_OK", "msg_Cancel" and "msg_Retry";
// the text label is "msg_Text".
MessageButton showMessageBox(QWidget *parent, const QString &text, MessageKind kind,
                             MessageButtons buttons);

// The beep that belongs to the kind of box (the stop beep before an error, the question beep
// before a confirmation, the exclamation beep before a warning; none before a note), then the
// box as showMessageBox shows it.
MessageButton beepAndShowMessageBox(QWidget *parent, const QString &text, MessageKind kind,
                                    MessageButtons buttons);

} // namespace platform
