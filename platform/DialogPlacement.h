// Where dialogs stand: the common dialogs (file, font, colour) centred across the screen with
// the space above them half the space below them; the program's own boxes centred.
#pragma once

class QWidget;

namespace platform {

// Installs the placement on a dialog; it applies at every showing.
void placeLikeCommonDialog(QWidget *dialog);

// Centres a shown window on its screen (message boxes and the program's own dialogs).
void centreOnScreen(QWidget *window);

} // namespace platform
