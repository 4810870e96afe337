// The program's entry: the application, its main window and the event loop, the settings
// stored on the way out, also when the end is requested from outside. The exit code is
// always 0.
#include "editor/Program.h"
#include "editor/MainWindow.h"
#include "platform/CommandLine.h"
#include "platform/TerminationRequests.h"

#include <QApplication>

int main(int argc, char *argv[]) {
    // A logout or `kill` ends the program as Exit does, so the settings are still stored.
    platform::TerminationRequests terminationRequests;
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
        terminationRequests.quitApplicationOnRequest();
        QApplication::exec();
        terminationRequests.endProcessOnRequest();
        window.hide();
        // Asked to end from outside (a logout, say), the program may have nobody left to
        // answer a box: a failure to store the settings goes to standard error instead.
        window.FormDestroy(terminationRequests.wasRequested() ? platform::writeToStandardError
                                                              : platform::showApplicationErrorBox);
    }
    return 0;
}
