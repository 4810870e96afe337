// The Help menu: the help contents, the keyword search, how to use help, and the About box.
// The program never reports a help failure itself; the viewer says what it cannot show.
#include "editor/window/MainWindow.h"

#include "dialogs/AboutBox.h"
#include "platform/Help.h"

void MainWindow::showHelpContents() {
    platform::helpRequest(platform::HelpCommand::Contents);
}

void MainWindow::searchHelp() {
    platform::helpRequest(platform::HelpCommand::PartialKey);
}

void MainWindow::showHowToUseHelp() {
    platform::helpRequest(platform::HelpCommand::HelpOnHelp);
}

void MainWindow::showAbout() {
    showAboutBox(this);
}
