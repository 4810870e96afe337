// Where dialogs stand: the common dialogs (file, font, colour) centred across the screen with
// the space above them half the space below them; the program's own boxes centred; a window
// that serves another (the help viewer) beside it.
#pragma once

class QMargins;
class QPoint;
class QRect;
class QSize;
class QWidget;

namespace platform {

// Installs the placement on a dialog; it applies at every showing.
void placeLikeCommonDialog(QWidget *dialog);

// Centres a shown window on its screen (message boxes and the program's own dialogs).
void centreOnScreen(QWidget *window);

// Where the frame of a window of the client size stands when centred on the screen.
QPoint centredFrameTopLeft(const QSize &client, const QMargins &frame, const QRect &screen);

// The frame of a window that stands beside its owner's frame, level with its top: at the right
// when the wanted width fits there, else at the left, else on the side with more room, narrowed
// to that room but not below the narrowest width. Always inside the screen, overlapping the
// owner only where the screen leaves no other room.
QRect besideOwner(const QRect &owner, const QSize &wanted, int narrowest, const QRect &screen);

} // namespace platform
