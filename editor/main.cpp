// The program's entry: the application, its main window and the event loop, the settings
// stored on the way out. The exit code is always 0.
#include "editor/Program.h"
#include "editor/Unit1.h"
#include "platform/CommandLine.h"

#include <QApplication>

int main(int argc, char *argv[]) {
    // Read before the application takes away the options it knows, so that a file named like
    // one of them still arrives.
    const QString commandLineFile = platform::commandLineFileName(argc, argv);
    QApplication application(argc, argv);
    prepareApplication();
    {
        Tfrm_SPad window;
        window.FormCreate(commandLineFile);
        window.show();
        QApplication::exec();
        window.hide();
        window.FormDestroy();
    }
    return 0;
}
