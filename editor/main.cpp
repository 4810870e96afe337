// The program's entry: the application, its main window and the event loop.
#include "editor/Unit1.h"
#include "platform/Failure.h"

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

int main(int argc, char *argv[]) {
    QApplication application(argc, argv);
    // The name only: a display name would be appended to every window's title on the desktop
    // ("Error — Shroud-a-Pad"), and the message boxes' titles are fixed.
    QApplication::setApplicationName(QLatin1String(platform::applicationTitle));
    QApplication::setFont(userInterfaceFont());
    Tfrm_SPad window;
    window.show();
    return QApplication::exec();
}
