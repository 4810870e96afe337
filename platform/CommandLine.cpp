// Reads the command line. A name with single spaces given without quotes was split at them by
// the shell, so joining the arguments gives it back whole.
#include "platform/CommandLine.h"

#include <QFile>
#include <QStringList>

namespace platform {

CommandLine readCommandLine(int argc, const char *const *argv) {
    const QString only = argc == 2 ? QFile::decodeName(argv[1]) : QString();
    if (only == QLatin1String("--help"))
        return {CommandLine::Request::Usage, {}};
    if (only == QLatin1String("--version"))
        return {CommandLine::Request::Version, {}};
    int first = 1;
    if (argc > 1 && QFile::decodeName(argv[1]) == QLatin1String("--"))
        first = 2;
    QStringList parts;
    for (int i = first; i < argc; ++i)
        parts << QFile::decodeName(argv[i]);
    return {CommandLine::Request::OpenFile, parts.join(QLatin1Char(' '))};
}

} // namespace platform
