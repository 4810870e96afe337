// What the program sets up before its main window is built: the application's name, its
// user-interface font and the help file.
#pragma once

void prepareApplication();
