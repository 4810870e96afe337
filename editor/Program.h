// What the program sets up before its main window is built: the application's name, its
// user-interface font, the icon of its windows and the help file.
#pragma once

void prepareApplication();
