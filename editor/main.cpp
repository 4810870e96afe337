// The program's entry: the application, its main window and the event loop, the settings
// stored on the way out, also when the end is requested from outside; or the usage or the
// version asked for on the command line. The exit code is 0, or 1 when the usage or the
// version could not be written.
#include "editor/crypt/OpenPgpModule.h"
#include "editor/window/MainWindow.h"
#include "editor/window/Program.h"
#include "editor/window/UserLanguage.h"
#include "hardening/ProcessHardening.h"
#include "platform/CommandLine.h"
#include "platform/TerminationRequests.h"

#include <QApplication>

int main(int argc, char *argv[]) {
    // The texts and phrases the editor holds must not reach a core dump or another process.
    hardening::keepMemoryPrivate();
    addOpenPgpToMethods();
    const platform::CommandLine commandLine = platform::readCommandLine(argc, argv);
    if (commandLine.request != platform::CommandLine::Request::OpenFile)
        return printInformation(commandLine.request);
    // A logout or `kill` ends the program as Exit does, so the settings are still stored.
    platform::TerminationRequests terminationRequests;
    // The toolkit sees only the program's name: every argument belongs to the file name, and
    // one such as "-platform x" must not be obeyed.
    int toolkitArgc = 1;
    QApplication application(toolkitArgc, argv);
    speakUserLanguage();
    prepareApplication();
    {
        MainWindow window;
        window.startUp(commandLine.fileName);
        window.show();
        terminationRequests.quitApplicationOnRequest();
        QApplication::exec();
        terminationRequests.endProcessOnRequest();
        window.hide();
        // Asked to end from outside (a logout, say), the program may have nobody left to
        // answer a box: a failure to store the settings goes to standard error instead.
        window.shutDown(terminationRequests.wasRequested() ? platform::writeToStandardError
                                                           : platform::showApplicationErrorBox);
    }
    return 0;
}
