// The application's settings made before the main window exists.
#include "editor/Program.h"

#include "editor/DeferredIconEngine.h"
#include "platform/Failure.h"
#include "platform/Help.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <cstdio>

namespace {

// The user-interface font of the window system the program was made for; the font system
// substitutes the nearest sans-serif face of that size.
QFont userInterfaceFont() {
    QFont font(QStringLiteral("MS Sans Serif"), 8);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

// The drawing built into the program, read the first time something asks for a picture of it:
// reading it loads the toolkit's SVG support, which a window that shows no icon (or shows it
// later) does not need for its first paint.
class DrawingIconEngine : public DeferredIconEngine {
public:
    QIconEngine *clone() const override { return new DrawingIconEngine; }

private:
    const QIcon &shown(QIcon::Mode) override {
        if (m_drawing.isNull())
            m_drawing = QIcon(QStringLiteral(":/icons/shroud-a-pad.svg"));
        return m_drawing;
    }

    QIcon m_drawing;
};

// The program's padlock: the icon that the installed theme holds under the program's name, so
// that the frames, the task bar and the desktop entry show the same picture; else the drawing
// built into the program, sharp at any size.
QIcon programIcon() {
    return QIcon::fromTheme(QStringLiteral("shroud-a-pad"), QIcon(new DrawingIconEngine));
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
    // Every window without an icon of its own, dialogs and message boxes included, shows this.
    QApplication::setWindowIcon(programIcon());
    platform::setHelpFile(QStringLiteral("QVL.HLP"));
}
