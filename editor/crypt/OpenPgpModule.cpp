// Reads the OpenPGP module once; when it cannot be loaded, every OpenPGP command says so.
#include "editor/crypt/OpenPgpModule.h"

#include "openpgp/OpenPgpMethod.h"
#include "platform/ProgramModule.h"

#include <QCoreApplication>

namespace {

cipher::Outcome<const openpgp::Engine *> readModule() {
    QString error;
    const auto engine = reinterpret_cast<openpgp::OpenPgpModuleEntry>(
        platform::moduleFunction(openpgp::openPgpModule, openpgp::openPgpModuleEntry, &error));
    if (engine == nullptr)
        return cipher::refused<const openpgp::Engine *>(
            cipher::Reason::Failed,
            QCoreApplication::translate("OpenPgpModule",
                                        "GnuPG cannot be reached: the program's OpenPGP module "
                                        "could not be loaded (%1).")
                .arg(error)
                .toStdString());
    return {engine(), {}};
}

cipher::Outcome<const openpgp::Engine *> moduleEngine() {
    static const cipher::Outcome<const openpgp::Engine *> engine = readModule();
    return engine;
}

} // namespace

void addOpenPgpToMethods() {
    openpgp::addToMethods(moduleEngine);
}
