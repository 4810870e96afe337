// Encrypting to keys or to a phrase through GnuPG, as an armoured message with CR LF breaks.
#include "openpgp/GpgContext.h"
#include "openpgp/RecipientLookup.h"
#include "openpgp/Words.h"

#include <gpgme++/data.h>
#include <gpgme++/encryptionresult.h>
#include <gpgme++/key.h>
#include <gpgme++/keylistresult.h>

#include <algorithm>
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

cipher::Outcome<std::string> failure(cipher::Reason reason, std::string words) {
    return cipher::refused<std::string>(reason, std::move(words));
}

// Whether the recipient is a bare e-mail address: one "@" between other characters, no blank
// and no angle bracket. GnuPG's search prefixes ("@", "=", "*", "+", "<") fall outside it.
bool isBareAddress(std::string_view recipient) {
    const auto at = recipient.find('@');
    return at != std::string_view::npos && at > 0 && at + 1 < recipient.size() &&
           recipient.find('@', at + 1) == std::string_view::npos &&
           std::string_view("=*+#&").find(recipient.front()) == std::string_view::npos &&
           recipient.find_first_of(" \t<>") == std::string_view::npos;
}

// GnuPG's pattern for the recipient. A bare address names the keys whose user ID holds exactly
// that address, without regard to case, as gpg's --recipient takes it: GnuPG's "<address>"
// form, where a plain word would also match every address that merely ends in it.
std::string patternFor(const std::string &recipient) {
    return isBareAddress(recipient) ? "<" + recipient + ">" : recipient;
}

// The one usable key that the recipient names, or the words saying why there is none.
std::variant<GpgME::Key, std::string> keyFor(GpgME::Context &context,
                                             const std::string &recipient) {
    std::vector<GpgME::Key> found;
    if (!context.startKeyListing(patternFor(recipient).c_str(), false)) {
        GpgME::Error error;
        for (GpgME::Key key = context.nextKey(error); !error; key = context.nextKey(error))
            if (key.canEncrypt() && !key.isExpired() && !key.isRevoked() && !key.isDisabled() &&
                !key.isInvalid())
                found.push_back(key);
        context.endKeyListing();
    }
    if (found.empty())
        return cipher::words::composed(words::noUsableKey, {recipient});
    if (found.size() > 1)
        return cipher::words::composed(words::ambiguousRecipient, {recipient});
    return found.front();
}

bool holdsKey(const std::vector<GpgME::Key> &keys, const GpgME::Key &key) {
    const std::string_view print =
        key.primaryFingerprint() != nullptr ? key.primaryFingerprint() : "";
    return std::any_of(keys.begin(), keys.end(), [print](const GpgME::Key &held) {
        return held.primaryFingerprint() != nullptr && held.primaryFingerprint() == print;
    });
}

cipher::Outcome<std::string> run(GpgME::Context &context, const std::vector<GpgME::Key> &keys,
                                 std::string_view text, GpgME::Context::EncryptionFlags flags) {
    GpgME::Data plainText(text.data(), text.size(), false);
    GpgME::Data cipherText;
    const auto result = context.encrypt(keys, plainText, cipherText, flags);
    if (!result.invalidEncryptionKeys().empty()) {
        const char *print = result.invalidEncryptionKeys().front().fingerprint();
        return failure(
            cipher::Reason::NoKey,
            cipher::words::composed(words::cannotEncryptTo, {print != nullptr ? print : "?"}));
    }
    if (result.error())
        return failure(cipher::Reason::Failed,
                       cipher::words::composed(words::encryptFailed, {result.error().asString()}));
    return {withCrLf(cipherText.toString()), {}};
}

} // namespace

std::variant<std::vector<GpgME::Key>, std::string>
keysOfRecipients(GpgME::Context &context, const std::vector<std::string> &recipients) {
    if (recipients.empty())
        return TRANSLATABLE("Words", "No recipient was given.");
    // Two recipients may name one key (a user ID and the own key's fingerprint): it is written to
    // once.
    std::vector<GpgME::Key> keys;
    for (const auto &recipient : recipients) {
        auto key = keyFor(context, recipient);
        if (auto *words = std::get_if<std::string>(&key))
            return *words;
        if (!holdsKey(keys, std::get<GpgME::Key>(key)))
            keys.push_back(std::get<GpgME::Key>(key));
    }
    return keys;
}

cipher::Outcome<std::string> encryptToKeys(std::string_view text,
                                           const std::vector<std::string> &recipients) {
    auto context = makeContext();
    if (!context)
        return failure(cipher::Reason::Failed,
                       TRANSLATABLE("Words", "GnuPG cannot be used on this computer."));
    auto keys = keysOfRecipients(*context, recipients);
    if (auto *words = std::get_if<std::string>(&keys))
        return failure(cipher::Reason::NoKey, *words);
    return run(*context, std::get<std::vector<GpgME::Key>>(keys), text,
               GpgME::Context::AlwaysTrust);
}

cipher::Outcome<std::string> encryptWithPhrase(std::string_view text, std::string_view phrase) {
    auto context = makeContext();
    if (!context)
        return failure(cipher::Reason::Failed,
                       TRANSLATABLE("Words", "GnuPG cannot be used on this computer."));
    const cipher::PhraseSource source =
        [phrase](const cipher::PhraseRequest &) -> std::optional<cipher::SecretString> {
        return cipher::SecretString(phrase);
    };
    PhraseGiver giver(source);
    context->setPassphraseProvider(&giver);
    return run(*context, {}, text, GpgME::Context::Symmetric);
}

} // namespace openpgp
