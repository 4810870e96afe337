// The Help menu: the help contents, the keyword search, how to use help, and the About box.
// The program never reports a help failure itself; the viewer says what it cannot show.
#include "editor/MainWindow.h"

#include "dialogs/AboutBox.h"
#include "platform/Help.h"

void MainWindow::Contents1Click() {
    platform::helpRequest(platform::HelpCommand::Contents);
}

void MainWindow::SearchforHelpOn1Click() {
    platform::helpRequest(platform::HelpCommand::PartialKey);
}

void MainWindow::HowtoUseHelp1Click() {
    platform::helpRequest(platform::HelpCommand::HelpOnHelp);
}

void MainWindow::About2Click() {
    showAboutBox(this);
}
