// Places the common dialogs (file, font, colour) centred across the screen, with the space
// above them half the space below them.
#pragma once

class QWidget;

namespace platform {

// Installs the placement on a dialog; it applies at every showing.
void placeLikeCommonDialog(QWidget *dialog);

} // namespace platform
