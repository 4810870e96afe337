// Runs every test class of the settings area with a private home folder, so that no test can
// reach a real settings file.
#include "SettingsTests.h"

#include <QCoreApplication>
#include <QStandardPaths>
#include <QTemporaryDir>

int main(int argc, char **argv) {
    QCoreApplication application(argc, argv);
    QTemporaryDir home;
    if (!home.isValid())
        return 1;
    qputenv("HOME", home.path().toLocal8Bit());
    QStandardPaths::setTestModeEnabled(true);
    int failedClasses = 0;
    for (const auto run : {runProfileTextTests, runProfileIntegerTests, runProfileFileTests,
                           runColorValueTests, runDisplaySettingsTests})
        failedClasses += run(argc, argv) != 0 ? 1 : 0;
    return failedClasses;
}
