// The main window's creation and destruction handlers: the stored display settings, the file
// named on the command line, and the settings written back at shutdown.
#include "editor/text/TextEditor.h"
#include "editor/window/DisplaySettings.h"
#include "editor/window/MainWindow.h"
#include "platform/Clipboard.h"
#include "platform/Failure.h"
#include "platform/MessageBox.h"
#include "platform/ProfileFile.h"

#include <QFileInfo>

void MainWindow::startUp(const QString &commandLineFile) {
    {
        const platform::ProfileFile settingsFile{QString::fromLatin1(settingsFileName)};
        DisplaySettings settings = displaySettings();
        readDisplaySettings(settingsFile, settings);
        applyDisplaySettings(settings);
    }
    if (!commandLineFile.isEmpty())
        platform::runGuarded([&] { openCommandLineFile(commandLineFile); });
}

void MainWindow::openCommandLineFile(const QString &name) {
    if (QFileInfo(name).isFile()) {
        loadFile(name);
        return;
    }
    // The name stands alone below the sentence.
    platform::beepAndShowMessageBox(
        nullptr, tr("The following file does not exist.") + QStringLiteral("\r\r") + name,
        platform::MessageKind::Error, platform::Ok);
}

void MainWindow::shutDown(platform::FailureReport report) {
    // Plain text copied from the editor is not left behind for clipboard managers to keep.
    platform::clearOwnPlainText();
    platform::runGuarded(
        [this] {
            platform::ProfileFile settingsFile{QString::fromLatin1(settingsFileName)};
            writeDisplaySettings(settingsFile, displaySettings());
        },
        report);
}
