// The program's modules: shared libraries of its own, loaded when a command first needs them
// from the modules folder found beside the program, so that a start does not load them.
#pragma once

#include <QFunctionPointer>
#include <QString>

namespace platform {

// The function `symbol` of the program's module `module` ("shroud-a-pad-help", say), the
// module loaded on first use and kept for the rest of the run. Null when the module or the
// function cannot be found; `error` then says why, in the loader's words.
QFunctionPointer moduleFunction(const char *module, const char *symbol, QString *error = nullptr);

} // namespace platform
