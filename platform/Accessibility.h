// What assistive tools (screen readers) are told about widgets whose look alone would mislead
// them: a decorative copy of a text shown beside it, and a message box, which is an alert.
#pragma once

class QString;
class QWidget;

namespace platform {

// Leaves the widget out of what assistive tools read: it stays on the screen, but is reported as
// invisible and nameless, so that a text drawn twice for its look is read once. To be called
// before the widget gets its text.
void hideFromAssistiveTools(QWidget *widget);

// Presents the widget (a message box, or a note that a dialog shows) as an alert: its role is
// the alert's, its name the window title, its value and description the message.
void presentAsAlert(QWidget *window, const QString &message);

} // namespace platform
