// The OpenPGP module's one export: the engine it holds, which the program reads when a
// command first needs GnuPG.
#include "openpgp/Engine.h"

extern "C" __attribute__((visibility("default"))) const openpgp::Engine *shroudOpenPgpEngine() {
    return *openpgp::linkedEngine().value;
}
