// The OpenPGP module's one export: the engine it holds, which the program reads when a
// command first needs GnuPG.
#include "openpgp/Engine.h"

#include <type_traits>

extern "C" __attribute__((visibility("default"))) const openpgp::Engine *
shroud_openpgp_module_entry() {
    return *openpgp::linkedEngine().value;
}

static_assert(std::is_same_v<decltype(&shroud_openpgp_module_entry), openpgp::OpenPgpModuleEntry>,
              "the module hands out its engine by the type the program calls it by");
