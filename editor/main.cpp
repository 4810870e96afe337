// The program's entry: the application, its main window and the event loop, the settings
// stored on the way out, also when the end is requested from outside. The exit code is always 0.
#include "editor/Unit1.h"
#include "platform/CommandLine.h"
#include "platform/Failure.h"
#include "platform/Help.h"
#include "platform/TerminationRequests.h"

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
    // A logout or `kill` ends the program as Exit does, so the settings are still stored.
    platform::TerminationRequests terminationRequests;
    // Read before the application takes away the options it knows, so that a file named like
    // one of them still arrives.
    const QString commandLineFile = platform::commandLineFileName(argc, argv);
    QApplication application(argc, argv);
    // The name only: a display name would be appended to every window's title on the desktop
    // ("Error — Shroud-a-Pad"), and the message boxes' titles are fixed.
    QApplication::setApplicationName(QLatin1String(platform::applicationTitle));
    QApplication::setFont(userInterfaceFont());
    platform::setHelpFile(QStringLiteral("QVL.HLP"));
    {
        Tfrm_SPad window;
        window.FormCreate(commandLineFile);
        window.show();
        terminationRequests.quitApplicationOnRequest();
        QApplication::exec();
        window.hide();
        window.FormDestroy();
    }
    return 0;
}
