// The help module's entry point, the one function the program looks up in it: a new viewer
// window for a collection file.
#include "helpviewer/HelpViewer.h"

#include <type_traits>

extern "C" Q_DECL_EXPORT platform::HelpWindow *
shroud_help_module_entry(const QString &collectionFile) {
    return new platform::HelpViewer(collectionFile);
}

static_assert(std::is_same_v<decltype(&shroud_help_module_entry), platform::HelpModuleEntry>,
              "the entry point has the type the program calls it by");
