// Pieces that the passphrase and encoding-method dialogs share: their fonts and their
// buttons with pictures.
#pragma once

#include <QFont>
#include <QStyle>

class QDialog;
class QPushButton;
class QRadioButton;
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

// The row at the foot of both dialogs: Help at the left, Cancel and the default OK at the
// right, appended to the dialog's layout. A click on Help leaves the focus where it was.
struct ButtonRow {
    QPushButton *help;
    QPushButton *cancel;
    QPushButton *ok;
};
ButtonRow addButtonRow(QDialog *dialog, const QString &helpName, const QString &cancelName,
                       const QString &okName);

// A group of choices has one tab stop, the selected choice (the first while none is
// selected): Tab reaches the group there, and the arrow keys move between its choices.
void makeSelectedChoiceTheTabStop(const QList<QRadioButton *> &choices);

} // namespace dialogs
