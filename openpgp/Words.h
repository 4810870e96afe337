// GnuPG's side's sentences that carry values, as patterns (cipher/Words.h): a key's name, a
// recipient, a size or GnuPG's own words in their places.
#pragma once

#include "cipher/Words.h"

#include <array>
#include <string_view>

namespace openpgp::words {

// A key as the user knows it: its user ID and grouped fingerprint; or only its fingerprint.
inline constexpr std::string_view namedKey = TRANSLATABLE("Words", "%1 (fingerprint %2)");
inline constexpr std::string_view unnamedKey = TRANSLATABLE("Words", "the key %1");

inline constexpr std::string_view mebibytes = TRANSLATABLE("Words", "%1 MiB");
inline constexpr std::string_view bytes = TRANSLATABLE("Words", "%1 bytes");
inline constexpr std::string_view tooLarge =
    TRANSLATABLE("Words", "The OpenPGP message's text is too large: it is longer than %1, the most "
                          "this program takes.  Unable to decrypt this text.");
inline constexpr std::string_view noSecretKey =
    TRANSLATABLE("Words", "No secret key for this message is in the keyring.  It was encrypted "
                          "to: %1.");
inline constexpr std::string_view decryptFailed =
    TRANSLATABLE("Words", "GnuPG could not decrypt the message: %1");
inline constexpr std::string_view encryptFailed =
    TRANSLATABLE("Words", "GnuPG could not encrypt the text: %1");
inline constexpr std::string_view signFailed =
    TRANSLATABLE("Words", "GnuPG could not sign the text: %1");
inline constexpr std::string_view noUsableKey =
    TRANSLATABLE("Words", "No usable key for the recipient \"%1\" is in the keyring.");
inline constexpr std::string_view ambiguousRecipient =
    TRANSLATABLE("Words", "The recipient \"%1\" names more than one key; give its fingerprint.");
inline constexpr std::string_view cannotEncryptTo =
    TRANSLATABLE("Words", "The key %1 cannot be encrypted to.");
inline constexpr std::string_view keyPhrasePrompt =
    TRANSLATABLE("Words", "Enter the passphrase of the key %1 (%2).");
inline constexpr std::string_view cannotSignBecause =
    TRANSLATABLE("Words", "The key %1 cannot sign: %2.");
inline constexpr std::string_view cannotSign = TRANSLATABLE("Words", "The key %1 cannot sign.");

inline constexpr std::string_view expiredSignature =
    TRANSLATABLE("Words", "Expired signature from %1: it expired on %2 and no longer vouches for "
                          "the message.");
inline constexpr std::string_view revokedSigner =
    TRANSLATABLE("Words", "Signature from %1, whose key has been revoked by its owner: the "
                          "signature could be forged.");
inline constexpr std::string_view distrustedSigner =
    TRANSLATABLE("Words", "Signature by a key named %1, which the keyring's trust says is not that "
                          "person's: the signature is probably forged.");
inline constexpr std::string_view goodFromExpiredKey =
    TRANSLATABLE("Words", "Good signature from %1.  Note: the key has expired.");
inline constexpr std::string_view goodSignature = TRANSLATABLE("Words", "Good signature from %1.");
inline constexpr std::string_view unprovenSigner =
    TRANSLATABLE("Words", "Signature by a key named %1: the message is as that key signed it, but "
                          "%2, so the key may not belong to the person its user ID names.");
inline constexpr std::string_view badSignature =
    TRANSLATABLE("Words", "BAD signature: the message was signed by %1 but changed after signing.");
inline constexpr std::string_view unknownSigner =
    TRANSLATABLE("Words", "Signed by a key that is not in the keyring (%1).");
inline constexpr std::string_view uncheckedSignature =
    TRANSLATABLE("Words", "A signature by %1 could not be checked: %2.");

// Every pattern above, for the window to find a composed sentence's pattern again.
inline constexpr std::array composedPatterns{
    namedKey,        unnamedKey,        mebibytes,          bytes,
    tooLarge,        noSecretKey,       decryptFailed,      encryptFailed,
    signFailed,      noUsableKey,       ambiguousRecipient, cannotEncryptTo,
    keyPhrasePrompt, cannotSignBecause, cannotSign,         expiredSignature,
    revokedSigner,   distrustedSigner,  goodFromExpiredKey, goodSignature,
    unprovenSigner,  badSignature,      unknownSigner,      uncheckedSignature};

} // namespace openpgp::words
