// Listing the keyring's keys that can encrypt.
#include "openpgp/GpgContext.h"
#include "openpgp/KeyValidity.h"
#include "openpgp/OwnKey.h"

#include <gpgme++/global.h>
#include <gpgme++/key.h>

#include <algorithm>

namespace openpgp {

namespace {

bool canEncryptTo(const GpgME::Key &key) {
    return key.canEncrypt() && !key.isExpired() && !key.isRevoked() && !key.isDisabled() &&
           !key.isInvalid();
}

// Every public key the listing gives, each telling whether its secret key is there too.
std::vector<GpgME::Key> listKeys() {
    auto context = makeContext();
    if (!context)
        return {};
    context->addKeyListMode(GpgME::WithSecret);
    return listedKeys(*context, nullptr, false);
}

// The key's validity as GnuPG gives it beside the key: the best of its user IDs' that are not
// revoked.
cipher::KeyValidity validityOfKey(const GpgME::Key &key) {
    cipher::KeyValidity best = cipher::KeyValidity::Unknown;
    for (const auto &userId : key.userIDs())
        if (!userId.isRevoked())
            best = std::max(best, validityOf(userId.validity()));
    return best;
}

} // namespace

std::vector<cipher::RecipientKey> encryptionKeys() {
    std::vector<cipher::RecipientKey> keys;
    std::vector<GpgME::Key> usable = listKeys();
    std::erase_if(usable, [](const GpgME::Key &key) { return !canEncryptTo(key); });
    const std::string ownKey = ownKeyFingerprint(usable);
    for (const auto &key : usable) {
        cipher::RecipientKey entry;
        entry.fingerprint = key.primaryFingerprint() != nullptr ? key.primaryFingerprint() : "";
        for (const auto &userId : key.userIDs())
            entry.userIds.emplace_back(userId.id() != nullptr ? userId.id() : "");
        entry.validity = validityOfKey(key);
        entry.ownKey = !ownKey.empty() && entry.fingerprint == ownKey;
        keys.push_back(std::move(entry));
    }
    return keys;
}

} // namespace openpgp
