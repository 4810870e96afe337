// The file named on the command line: every argument, joined with single spaces.
#pragma once

#include <QString>

namespace platform {

// Reads the process's own arguments (before the toolkit removes the options it knows, so
// that a file named like a toolkit option still arrives); empty when there are none.
QString commandLineFileName(int argc, const char *const *argv);

} // namespace platform
