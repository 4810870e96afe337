// The program's entry: the application, its main window and the event loop, the settings
// stored on the way out. The exit code is always 0.
#include "editor/Program.h"
#include "editor/Unit1.h"
#include "platform/CommandLine.h"
#include "platform/TerminationRequest.h"

#include <QApplication>

int main(int argc, char *argv[]) {
    // The file to open at start is named by every argument, joined.
    const QString commandLineFile = platform::commandLineFileName(argc, argv);
    // The toolkit sees only the program's name: every argument belongs to the file name, and
    // one such as "-platform x" must not be obeyed.
    int toolkitArgc = 1;
    QApplication application(toolkitArgc, argv);
    prepareApplication();
    {
        Tfrm_SPad window;
        window.FormCreate(commandLineFile);
        window.show();
        // The session's end asks the program to quit: the settings are stored as after Exit.
        platform::quitOnTerminationRequest();
        QApplication::exec();
        window.hide();
        window.FormDestroy();
    }
    return 0;
}
