// The user's own key among the keyring's keys: the key "Also to my own key" and qvl's
// --to-own-key add to a message's recipients.
#pragma once

#include <gpgme++/key.h>

#include <string>
#include <vector>

namespace openpgp {

// The fingerprint of the user's own key among the keys that can encrypt: GnuPG's default key
// (gpg.conf's default-key) when it names one of them whose secret key the keyring holds, else
// the first of them whose secret key it holds; empty when it holds none. GnuPG's settings are
// read only when there is more than one such key to choose from.
std::string ownKeyFingerprint(const std::vector<GpgME::Key> &encryptionKeys);

// The first of the fingerprints (of secret keys) that gpg.conf's default-key names, as GnuPG finds
// its default key; empty when it names none of them or is not set. GnuPG's settings are read only
// when there is more than one fingerprint to choose from.
std::string defaultKeyAmong(const std::vector<std::string> &fingerprints);

} // namespace openpgp
