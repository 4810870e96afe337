// GnuPG's side of the OpenPGP entry: the engine's calls are GnuPG's own operations.
#include "openpgp/Engine.h"
#include "openpgp/OpenPgp.h"
#include "openpgp/Signing.h"

namespace openpgp {

namespace {

constinit const Engine gnupg{encryptWithPhrase, encryptToKeys,        encryptionKeys,
                             openSession,       ownSigningKey,        writeSignedToKeys,
                             clearSign,         openSignedTextSession};

} // namespace

cipher::Outcome<const Engine *> linkedEngine() {
    return {&gnupg, {}};
}

} // namespace openpgp
