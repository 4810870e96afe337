// Joins the command-line arguments into one file name. A name with single spaces given
// without quotes was split at them by the shell, so joining gives it back whole.
#include "platform/CommandLine.h"

#include <QFile>
#include <QStringList>

namespace platform {

QString commandLineFileName(int argc, const char *const *argv) {
    QStringList parts;
    for (int i = 1; i < argc; ++i)
        parts << QFile::decodeName(argv[i]);
    return parts.join(QLatin1Char(' '));
}

} // namespace platform
