// What the program sets up before its main window is built: the application's name, its
// user-interface font, the icon of its windows and the help file; and its answers to --help
// and --version.
#pragma once

#include "platform/CommandLine.h"

void prepareApplication();

// Prints the usage or the version to standard output, as `--help` and `--version` ask; the
// program's exit code.
int printInformation(platform::CommandLine::Request request);
