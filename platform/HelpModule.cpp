// Loads the help module and asks its entry point for a viewer window.
#include "platform/HelpModule.h"

#include "platform/ProgramModule.h"

#include <QDebug>

namespace platform {

std::unique_ptr<HelpWindow> createHelpWindow(const QString &collectionFile) {
    QString error;
    const auto entry =
        reinterpret_cast<HelpModuleEntry>(moduleFunction(helpModule, helpModuleEntry, &error));
    if (entry == nullptr) {
        qWarning().noquote() << "The help viewer cannot be loaded:" << error;
        return nullptr;
    }
    return std::unique_ptr<HelpWindow>(entry(collectionFile));
}

} // namespace platform
