// Signing with the user's own key through GnuPG: the key chosen as GnuPG chooses its default
// signer, then a text clear-signed or a message to keys signed with it.
#include "openpgp/Signing.h"
#include "openpgp/Words.h"

#include "openpgp/Engine.h"
#include "openpgp/GpgContext.h"
#include "openpgp/OwnKey.h"
#include "openpgp/RecipientLookup.h"

#include "cipher/KeyFingerprint.h"

#include <gpgme++/data.h>
#include <gpgme++/encryptionresult.h>
#include <gpgme++/signingresult.h>

#include <gpg-error.h>

#include <algorithm>

namespace openpgp {

namespace {

// A message or a signed text: its armour with its line breaks, or the refusal.
using Armour = cipher::Outcome<std::string>;

struct OwnKey {
    GpgME::Key key;      // null when the keyring holds no secret key
    std::string refusal; // why it cannot sign; empty when it can
};

// The key as the user knows it: its first user ID and grouped fingerprint.
std::string nameOf(const GpgME::Key &key) {
    const char *userId = key.userIDs().empty() ? nullptr : key.userID(0).id();
    const char *print = key.primaryFingerprint();
    return cipher::words::composed(words::namedKey,
                                   {userId != nullptr ? userId : "?",
                                    cipher::groupedFingerprint(print != nullptr ? print : "")});
}

// Why the key cannot sign, in words that name it; empty when it can.
std::string refusalOf(const GpgME::Key &key) {
    if (key.canSign() && !key.isExpired() && !key.isRevoked() && !key.isDisabled() &&
        !key.isInvalid())
        return {};
    const char *why = key.isRevoked()   ? TRANSLATABLE("Words", "it has been revoked by its owner")
                      : key.isExpired() ? TRANSLATABLE("Words", "it has expired")
                                        : TRANSLATABLE("Words", "it has no subkey that can sign");
    return cipher::words::composed(words::cannotSignBecause, {nameOf(key), why});
}

// The secret key gpg.conf's default-key names, when it names one of them.
std::optional<GpgME::Key> namedDefault(const std::vector<GpgME::Key> &secret) {
    std::vector<std::string> prints;
    for (const GpgME::Key &key : secret)
        prints.emplace_back(key.primaryFingerprint() != nullptr ? key.primaryFingerprint() : "");
    const std::string named = defaultKeyAmong(prints);
    const auto found = std::find(prints.begin(), prints.end(), named);
    if (named.empty() || found == prints.end())
        return std::nullopt;
    return secret[std::size_t(found - prints.begin())];
}

OwnKey ownKey(GpgME::Context &context) {
    const std::vector<GpgME::Key> secret = listedKeys(context, nullptr, true);
    if (secret.empty())
        return {{}, TRANSLATABLE("Words", "The keyring holds no secret key to sign with.")};
    std::optional<GpgME::Key> chosen = namedDefault(secret);
    if (!chosen) {
        const auto usable = std::find_if(secret.begin(), secret.end(), [](const GpgME::Key &key) {
            return refusalOf(key).empty();
        });
        chosen = usable != secret.end() ? *usable : secret.front();
    }
    return {*chosen, refusalOf(*chosen)};
}

// Sets the own key as the context's one signer; the words of the refusal when it cannot sign.
std::optional<std::string> setOwnSigner(GpgME::Context &context) {
    const OwnKey own = ownKey(context);
    if (!own.refusal.empty())
        return own.refusal;
    context.clearSigningKeys();
    context.addSigningKey(own.key);
    return std::nullopt;
}

// The refusal of a signing that failed, or nothing when it signed.
std::optional<Armour> signingRefusal(const GpgME::SigningResult &signing,
                                     const PhraseGiver &giver) {
    if (giver.wasCancelled())
        return cipher::refused<std::string>(cipher::Reason::Cancelled,
                                            TRANSLATABLE("Words", "Signing was cancelled."));
    const auto code = signing.error().code();
    if (code == GPG_ERR_BAD_PASSPHRASE || giver.wasRefusedAgain())
        return cipher::refused<std::string>(
            cipher::Reason::WrongPhrase, TRANSLATABLE("Words", "The passphrase is not correct."));
    if (!signing.invalidSigningKeys().empty()) {
        const char *print = signing.invalidSigningKeys().front().fingerprint();
        return cipher::refused<std::string>(
            cipher::Reason::NoKey,
            cipher::words::composed(words::cannotSign,
                                    {cipher::groupedFingerprint(print != nullptr ? print : "?")}));
    }
    if (signing.error())
        return cipher::refused<std::string>(
            cipher::Reason::Failed,
            cipher::words::composed(words::signFailed, {signing.error().asString()}));
    return std::nullopt;
}

// A context that signs with the own key, the key's phrase asked from `ask`; or the refusal.
struct Signer {
    std::unique_ptr<GpgME::Context> context;
    PhraseGiver giver;

    explicit Signer(const cipher::PhraseSource &ask)
        : context(makeContext())
        , giver(ask) {}
};

std::optional<Armour> unready(Signer &signer) {
    if (!signer.context)
        return cipher::refused<std::string>(
            cipher::Reason::Failed,
            TRANSLATABLE("Words", "GnuPG cannot be used on this computer."));
    if (const std::optional<std::string> refusal = setOwnSigner(*signer.context))
        return cipher::refused<std::string>(cipher::Reason::NoKey, *refusal);
    signer.context->setPassphraseProvider(&signer.giver);
    return std::nullopt;
}

} // namespace

cipher::SigningKey ownSigningKey() {
    const auto context = makeContext();
    if (!context)
        return {{}, TRANSLATABLE("Words", "GnuPG cannot be used on this computer.")};
    const OwnKey own = ownKey(*context);
    cipher::SigningKey signing{{}, own.refusal};
    if (own.key.isNull())
        return signing;
    signing.key.fingerprint =
        own.key.primaryFingerprint() != nullptr ? own.key.primaryFingerprint() : "";
    for (const GpgME::UserID &userId : own.key.userIDs())
        signing.key.userIds.emplace_back(userId.id() != nullptr ? userId.id() : "");
    signing.key.ownKey = true;
    return signing;
}

Armour writeSignedToKeys(std::string_view text, const std::vector<std::string> &recipients,
                         const cipher::PhraseSource &ask) {
    Signer signer(ask);
    if (std::optional<Armour> refusal = unready(signer))
        return std::move(*refusal);
    auto keys = keysOfRecipients(*signer.context, recipients);
    if (auto *words = std::get_if<std::string>(&keys))
        return cipher::refused<std::string>(cipher::Reason::NoKey, *words);
    GpgME::Data plainText(text.data(), text.size(), false);
    GpgME::Data cipherText;
    const auto [signing, encryption] =
        signer.context->signAndEncrypt(std::get<std::vector<GpgME::Key>>(keys), plainText,
                                       cipherText, GpgME::Context::AlwaysTrust);
    if (std::optional<Armour> refusal = signingRefusal(signing, signer.giver))
        return std::move(*refusal);
    if (encryption.error())
        return cipher::refused<std::string>(
            cipher::Reason::Failed,
            cipher::words::composed(words::encryptFailed, {encryption.error().asString()}));
    return {cipherText.toString(), {}};
}

Armour clearSign(std::string_view text, const cipher::PhraseSource &ask) {
    Signer signer(ask);
    if (std::optional<Armour> refusal = unready(signer))
        return std::move(*refusal);
    GpgME::Data plainText(text.data(), text.size(), false);
    GpgME::Data signedText;
    const GpgME::SigningResult signing =
        signer.context->sign(plainText, signedText, GpgME::Clearsigned);
    if (std::optional<Armour> refusal = signingRefusal(signing, signer.giver))
        return std::move(*refusal);
    return {signedText.toString(), {}};
}

} // namespace openpgp
