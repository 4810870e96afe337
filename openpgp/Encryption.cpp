// Encrypting to keys or to a phrase through GnuPG, as an armoured message with CR LF breaks.
#include "openpgp/GpgContext.h"

#include <gpgme++/data.h>
#include <gpgme++/encryptionresult.h>
#include <gpgme++/key.h>
#include <gpgme++/keylistresult.h>

#include <variant>

namespace openpgp {

namespace {

std::string withCrLf(const std::string &armour) {
    std::string result;
    result.reserve(armour.size() + armour.size() / 32);
    for (const char c : armour) {
        if (c == '\n' && (result.empty() || result.back() != '\r'))
            result += '\r';
        result += c;
    }
    return result;
}

Encryption failure(std::string words) { return Encryption{false, {}, std::move(words)}; }

// The one usable key that the recipient names, or the words saying why there is none.
std::variant<GpgME::Key, std::string> keyFor(GpgME::Context &context, const std::string &recipient) {
    std::vector<GpgME::Key> found;
    if (!context.startKeyListing(recipient.c_str(), false)) {
        GpgME::Error error;
        for (GpgME::Key key = context.nextKey(error); !error; key = context.nextKey(error))
            if (key.canEncrypt() && !key.isExpired() && !key.isRevoked() && !key.isDisabled() &&
                !key.isInvalid())
                found.push_back(key);
        context.endKeyListing();
    }
    if (found.empty())
        return "No usable key for the recipient \"" + recipient + "\" is in the keyring.";
    if (found.size() > 1)
        return "The recipient \"" + recipient + "\" names more than one key; give its fingerprint.";
    return found.front();
}

Encryption run(GpgME::Context &context, const std::vector<GpgME::Key> &keys, std::string_view text,
               GpgME::Context::EncryptionFlags flags) {
    GpgME::Data plainText(text.data(), text.size(), false);
    GpgME::Data cipherText;
    const auto result = context.encrypt(keys, plainText, cipherText, flags);
    if (!result.invalidEncryptionKeys().empty()) {
        const char *print = result.invalidEncryptionKeys().front().fingerprint();
        return failure(std::string("The key ") + (print != nullptr ? print : "?") + " cannot be encrypted to.");
    }
    if (result.error())
        return failure(std::string("GnuPG could not encrypt the text: ") + result.error().asString());
    return Encryption{true, withCrLf(cipherText.toString()), {}};
}

} // namespace

Encryption encryptToKeys(std::string_view text, const std::vector<std::string> &recipients) {
    auto context = makeContext();
    if (!context)
        return failure("GnuPG cannot be used on this computer.");
    if (recipients.empty())
        return failure("No recipient was given.");
    std::vector<GpgME::Key> keys;
    for (const auto &recipient : recipients) {
        auto key = keyFor(*context, recipient);
        if (auto *words = std::get_if<std::string>(&key))
            return failure(*words);
        keys.push_back(std::get<GpgME::Key>(key));
    }
    return run(*context, keys, text, GpgME::Context::AlwaysTrust);
}

Encryption encryptWithPhrase(std::string_view text, std::string_view phrase) {
    auto context = makeContext();
    if (!context)
        return failure("GnuPG cannot be used on this computer.");
    const PhraseSource source =
        [phrase](const PhraseRequest &) -> std::optional<cipher::SecretString> {
        return cipher::SecretString(phrase);
    };
    PhraseGiver giver(source);
    context->setPassphraseProvider(&giver);
    return run(*context, {}, text, GpgME::Context::Symmetric);
}

} // namespace openpgp
