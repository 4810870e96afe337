// The help requests: the contents, the keyword index, how to use help, and a jump to a named
// topic, all shown in the program's one help viewer window.
#pragma once

#include <QString>

namespace platform {

class HelpWindow;

// The viewer commands, with the numbers the original help system gave them.
enum class HelpCommand : unsigned {
    Contents = 0x0003,   // open the help at its contents
    HelpOnHelp = 0x0004, // how to use the help viewer
    PartialKey = 0x0105, // the keyword index, with no keyword filled in
    Command = 0x0102,    // run a viewer macro, such as a topic jump
};

// The help file named at start-up ("QVL.HLP"). Its base name names the help collection
// (QVL.qhc), looked for beside the program and then in the installed data folder.
void setHelpFile(const QString &fileName);

// Sends one command to the viewer, opening the viewer window when needed. True when the
// viewer carried it out; false when the collection is missing or unreadable, or the macro
// or topic is unknown. Nothing is shown to the user on failure beyond the viewer's own note:
// an error box that says the help file cannot be found or read, or a line on an unknown topic.
bool helpRequest(HelpCommand command, const QString &macro = {});

// Opens the contents, then jumps to the topic of a context name ("Help_Password1", ...).
// When the contents cannot be opened no jump is tried, and that counts as success.
bool topicJump(const QString &contextName);

// The viewer macro that jumps to a context name in the open help file,
// JumpID("","name"), cut to 255 characters.
QString jumpMacro(const QString &contextName);

// The one viewer window of the process, or null before the first request that found the
// collection (and after the window was deleted).
HelpWindow *helpViewer();

} // namespace platform
