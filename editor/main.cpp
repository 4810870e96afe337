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
    QApplication::setApplicationName(QLatin1String(platform::applicationTitle));
    QApplication::setApplicationDisplayName(QLatin1String(platform::applicationTitle));
    QApplication::setFont(userInterfaceFont());
    Tfrm_SPad window;
    window.show();
    return QApplication::exec();
}
