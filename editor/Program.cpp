// The application's settings made before the main window exists.
#include "editor/Program.h"

#include "platform/Failure.h"
#include "platform/Help.h"

#include <QApplication>
#include <QFont>
#include <QIcon>

namespace {

// The user-interface font of the window system the program was made for; the font system
// substitutes the nearest sans-serif face of that size.
QFont userInterfaceFont() {
    QFont font(QStringLiteral("MS Sans Serif"), 8);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

// The program's padlock: the icon that the installed theme holds under the program's name, so
// that the frames, the task bar and the desktop entry show the same picture; else the drawing
// built into the program, sharp at any size.
QIcon programIcon() {
    return QIcon::fromTheme(QStringLiteral("shroud-a-pad"),
                            QIcon(QStringLiteral(":/icons/shroud-a-pad.svg")));
}

} // namespace

void prepareApplication() {
    // The name only: a display name would be appended to every window's title on the desktop
    // ("Error — Shroud-a-Pad"), and the message boxes' titles are fixed.
    QApplication::setApplicationName(QLatin1String(platform::applicationTitle));
    QApplication::setFont(userInterfaceFont());
    // Every window without an icon of its own, dialogs and message boxes included, shows this.
    QApplication::setWindowIcon(programIcon());
    platform::setHelpFile(QStringLiteral("QVL.HLP"));
}
