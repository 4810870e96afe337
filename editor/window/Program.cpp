// The application's settings made before the main window exists.
#include "editor/window/Program.h"

#include "editor/icons/ProgramIcon.h"
#include "platform/Failure.h"
#include "platform/Help.h"

#include <QApplication>
#include <QFont>
#include <cstdio>

namespace {

// The user-interface font of the window system the program was made for; the font system
// substitutes the nearest sans-serif face of that size.
QFont userInterfaceFont() {
    QFont font(QStringLiteral("MS Sans Serif"), 8);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

constexpr const char *usage =
    "Usage: shroud-a-pad [FILE]\n"
    "       shroud-a-pad -- FILE\n"
    "       shroud-a-pad --help | --version\n"
    "A text editor that encrypts its whole text into an armoured block of short lines, and\n"
    "turns such a block back into its text.\n"
    "\n"
    "FILE is opened at start. Every argument is part of its name: the arguments are joined\n"
    "with single spaces. Put -- first to open a file whose name is --help or --version.\n"
    "\n"
    "  --help     show this help and exit\n"
    "  --version  show the version and exit\n";

} // namespace

int printInformation(platform::CommandLine::Request request) {
    if (request == platform::CommandLine::Request::Version)
        std::fputs("shroud-a-pad " SHROUD_VERSION "\n", stdout);
    else
        std::fputs(usage, stdout);
    return std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 1;
}

void prepareApplication() {
    // The name only: a display name would be appended to every window's title on the desktop
    // ("Error — Shroud-a-Pad"), and the message boxes' titles are fixed.
    QApplication::setApplicationName(QLatin1String(platform::applicationTitle));
    QApplication::setFont(userInterfaceFont());
    showProgramIconAfterFirstPaint();
    platform::setHelpFile(QStringLiteral("QVL.HLP"));
}
