// Finds the modules folder from the program's own folder, by the relative path the build gives
// (the same in the build tree and in the installed tree).
#include "platform/ProgramModule.h"

#include <QCoreApplication>
#include <QLibrary>

namespace platform {

QFunctionPointer moduleFunction(const char *module, const char *symbol, QString *error) {
    QLibrary library(QCoreApplication::applicationDirPath() +
                     QStringLiteral("/" SHROUD_MODULE_FOLDER "/") + QLatin1String(module));
    // A module stays loaded: what it made (a window, a session) may outlive this call.
    library.setLoadHints(QLibrary::PreventUnloadHint);
    const QFunctionPointer function = library.resolve(symbol);
    if (function == nullptr && error != nullptr)
        *error = library.errorString();
    return function;
}

} // namespace platform
