// The help viewer's window made by the help module, which is loaded on the first help request
// so that a start does not load Qt's help engine.
#pragma once

#include "platform/HelpWindow.h"

#include <memory>

namespace platform {

// A new viewer window that reads the collection file. Null when the help module cannot be
// loaded (its file missing, or from another build); the loader's reason goes to the log.
std::unique_ptr<HelpWindow> createHelpWindow(const QString &collectionFile);

} // namespace platform
