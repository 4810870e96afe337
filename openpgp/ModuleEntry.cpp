// The OpenPGP module's one export: the engine it holds, which the program reads when a
// command first needs GnuPG.
#include "openpgp/Engine.h"

#include <type_traits>

extern "C" __attribute__((visibility("default"))) const openpgp::Engine *shroudOpenPgpEngine() {
    return *openpgp::linkedEngine().value;
}

static_assert(std::is_same_v<decltype(&shroudOpenPgpEngine), openpgp::ModuleEngineFunction>,
              "the module hands out its engine by the type the program calls it by");
