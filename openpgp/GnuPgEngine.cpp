// GnuPG's side of the OpenPGP entry: the engine's calls are GnuPG's own operations.
#include "openpgp/Engine.h"
#include "openpgp/OpenPgp.h"

namespace openpgp {
namespace {

constinit const Engine gnupg{encryptWithPhrase, encryptToKeys, encryptionKeys, openSession};

} // namespace

cipher::Outcome<const Engine *> linkedEngine() {
    return {&gnupg, {}};
}

} // namespace openpgp
