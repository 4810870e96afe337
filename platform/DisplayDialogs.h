// The font and colour dialogs of the display options.
#pragma once

#include <QColor>
#include <QFont>
#include <optional>

class QWidget;

namespace platform {

// Shows the font dialog (objectName "FontDialog1") on the given font. Sizes outside 6 to 32
// points are not accepted, and no effects can be chosen. Answers the chosen face, size,
// bold and italic on OK, and the starting font unchanged on Cancel.
QFont chooseFont(QWidget *owner, const QFont &start);

// Shows the colour dialog (objectName "ColorDialog1") on the given colour. Answers the chosen
// colour on OK and nothing on Cancel.
std::optional<QColor> chooseColor(QWidget *owner, const QColor &start);

} // namespace platform
