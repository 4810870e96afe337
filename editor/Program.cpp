// The application's settings made before the main window exists.
#include "editor/Program.h"

#include "platform/Failure.h"
#include "platform/Help.h"

#include <QApplication>
#include <QFont>

namespace {

// The user-interface font of the window system the program was made for; the font system
// substitutes the nearest sans-serif face of that size.
QFont userInterfaceFont() {
    QFont font(QStringLiteral("MS Sans Serif"), 8);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

} // namespace

void prepareApplication() {
    // The name only: a display name would be appended to every window's title on the desktop
    // ("Error — Shroud-a-Pad"), and the message boxes' titles are fixed.
    QApplication::setApplicationName(QLatin1String(platform::applicationTitle));
    QApplication::setFont(userInterfaceFont());
    platform::setHelpFile(QStringLiteral("QVL.HLP"));
}
