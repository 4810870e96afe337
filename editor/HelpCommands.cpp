// The Help menu: the help contents, the keyword search, how to use help, and the About box.
// The program never reports a help failure itself; the viewer says what it cannot show.
#include "editor/MainWindow.h"

#include "dialogs/AboutBox.h"
#include "platform/Help.h"

void Tfrm_SPad::Contents1Click() {
    platform::helpRequest(platform::HelpCommand::Contents);
}

void Tfrm_SPad::SearchforHelpOn1Click() {
    platform::helpRequest(platform::HelpCommand::PartialKey);
}

void Tfrm_SPad::HowtoUseHelp1Click() {
    platform::helpRequest(platform::HelpCommand::HelpOnHelp);
}

void Tfrm_SPad::About2Click() {
    showAboutBox(this);
}
