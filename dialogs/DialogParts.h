// Pieces that the passphrase and encoding-method dialogs share: their fonts, their buttons
// with pictures, and their place in the middle of the screen.
#pragma once

#include <QFont>
#include <QStyle>

class QPushButton;
class QWidget;

namespace dialogs {

// The dialogs' form font: MS Sans Serif, 8 point, bold.
QFont formFont();

// The form font without bold, for prompts, notes and buttons.
QFont plainFont();

// A button of at least 70 x 27 pixels in the plain font, with a picture from the style and
// its objectName set.
QPushButton *pictureButton(QWidget *parent, const QString &objectName, const QString &caption,
                           QStyle::StandardPixmap picture);

// Moves a window (its frame included) to the middle of its screen's available area.
void centreOnScreen(QWidget *window);

} // namespace dialogs
