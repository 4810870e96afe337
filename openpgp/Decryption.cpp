// Decrypting a found OpenPGP message through GnuPG: the refusal in words, or the text with a
// report of each signature.
#include "openpgp/BoundedText.h"
#include "openpgp/GpgContext.h"
#include "openpgp/SignatureReading.h"

#include <gpgme++/data.h>
#include <gpgme++/decryptionresult.h>
#include <gpgme++/verificationresult.h>

#include <gpg-error.h>

namespace openpgp {

namespace {

constexpr const char *damagedWords =
    "The OpenPGP message is damaged or was changed: its checksum or integrity check failed.";

constexpr const char *unprotectedWords =
    "The OpenPGP message has no integrity check, so a change made to it on the way could not be "
    "noticed: it is not read.";

// GnuPG gives a recipient that the message hides as a key ID of zeros.
constexpr std::string_view hiddenKeyId = "0000000000000000";

// The recipients for the words: their key IDs, a hidden one said as such.
std::string recipientWords(const std::vector<std::string> &keyIds) {
    std::string all;
    for (const auto &keyId : keyIds)
        all += (all.empty() ? "" : ", ") + (keyId == hiddenKeyId ? "a hidden recipient" : keyId);
    return all;
}

// A message without integrity protection (no modification detection code): GnuPG refuses it
// by default and tells a legacy cipher's apart, but reads it when gpg.conf says
// ignore-mdc-error; either way GpgME names its mode "PGPCFB", OpenPGP's old unprotected one.
bool lacksIntegrityCheck(const GpgME::DecryptionResult &decrypted) {
    const std::string_view algorithm =
        decrypted.symkeyAlgo() != nullptr ? decrypted.symkeyAlgo() : "";
    return decrypted.isLegacyCipherNoMDC() || algorithm.ends_with(".PGPCFB");
}

Decryption refused(Refusal refusal, std::string words) {
    Decryption decryption;
    decryption.refusal = refusal;
    decryption.words = std::move(words);
    return decryption;
}

// The refusal of a text longer than `longest` bytes, the bound given in MiB where it is whole
// ones.
Decryption tooLarge(std::size_t longest, bool repaired) {
    constexpr std::size_t mebibyte = 1024 * 1024;
    const std::string bound = longest % mebibyte == 0 ? std::to_string(longest / mebibyte) + " MiB"
                                                      : std::to_string(longest) + " bytes";
    Decryption decryption = refused(
        Refusal::TooLarge, "The OpenPGP message's text is too large: it is longer than " + bound +
                               ", the most this program takes.  Unable to decrypt this text.");
    decryption.repaired = repaired;
    return decryption;
}

Decryption refusalOf(const GpgME::Error &error, const PhraseGiver &giver,
                     const std::vector<std::string> &keyIds) {
    const auto code = error.code();
    if (giver.wasCancelled())
        return refused(Refusal::Cancelled, "Decryption was cancelled.");
    if (code == GPG_ERR_NO_SECKEY) {
        auto decryption =
            refused(Refusal::NoSecretKey,
                    "No secret key for this message is in the keyring.  It was encrypted to: " +
                        recipientWords(keyIds) + ".");
        decryption.keyIds = keyIds;
        return decryption;
    }
    if (code == GPG_ERR_BAD_PASSPHRASE || giver.wasRefusedAgain() || code == GPG_ERR_CANCELED)
        return refused(Refusal::WrongPhrase, "The passphrase is not correct.");
    if (code == GPG_ERR_NO_DATA || code == GPG_ERR_BAD_DATA || code == GPG_ERR_CHECKSUM ||
        code == GPG_ERR_DECRYPT_FAILED || code == GPG_ERR_INV_PACKET || code == GPG_ERR_ASS_NO_INPUT ||
        code == GPG_ERR_INV_KEYLEN || code == GPG_ERR_UNEXPECTED)
        return refused(Refusal::Damaged, damagedWords);
    return refused(Refusal::Failed, std::string("GnuPG could not decrypt the message: ") + error.asString());
}

Decryption signedOnly(GpgME::Context &context, const FoundMessage &message,
                      std::size_t longestText) {
    GpgME::Data signedText(message.armour.data(), message.armour.size(), false);
    BoundedText text(longestText);
    GpgME::Data plainText(&text);
    const auto verified = context.verifyOpaqueSignature(signedText, plainText);
    if (text.overflowed())
        return tooLarge(longestText, message.repaired);
    Decryption decryption = verified.error() || verified.signatures().empty()
                                ? refused(Refusal::Damaged, damagedWords)
                                : Decryption{};
    if (decryption.refusal == Refusal::None) {
        decryption.text = text.take();
        decryption.signatures = reportsOf(verified);
    }
    decryption.repaired = message.repaired;
    return decryption;
}

} // namespace

DecryptSession::DecryptSession(FoundMessage message) : m_message(std::move(message)) {}

Decryption DecryptSession::attempt(const PhraseSource &askPhrase, std::size_t longestText) const {
    auto context = makeContext();
    if (!context)
        return refused(Refusal::Failed, "GnuPG cannot be used on this computer.");
    PhraseGiver giver(askPhrase);
    context->setPassphraseProvider(&giver);
    GpgME::Data cipherText(m_message.armour.data(), m_message.armour.size(), false);
    BoundedText text(longestText);
    GpgME::Data plainText(&text);
    const auto [decrypted, verifiedInside] = context->decryptAndVerify(cipherText, plainText);
    // A text that passes the bound stopped GnuPG, whatever error that left it with.
    if (text.overflowed())
        return tooLarge(longestText, m_message.repaired);
    // A message that is signed but not encrypted holds no encrypted data: its signature is
    // checked and its text read as it stands.
    if (decrypted.error().code() == GPG_ERR_NO_DATA)
        return signedOnly(*context, m_message, longestText);
    const auto &verified = verifiedInside;
    std::vector<std::string> keyIds;
    for (const auto &recipient : decrypted.recipients())
        keyIds.emplace_back(recipient.keyID() != nullptr ? recipient.keyID() : "?");
    // A cancelled phrase may stop GnuPG without an error in the decryption's result. A message
    // without integrity check is refused whatever GnuPG made of it, its text unread.
    const bool stopped = decrypted.error() || giver.wasCancelled() || giver.wasRefusedAgain();
    const bool unprotected = lacksIntegrityCheck(decrypted) && !giver.wasCancelled();
    if (stopped || unprotected) {
        auto refusal = unprotected ? refused(Refusal::Unprotected, unprotectedWords)
                                   : refusalOf(decrypted.error(), giver, keyIds);
        refusal.repaired = m_message.repaired;
        return refusal;
    }
    Decryption decryption;
    decryption.text = text.take();
    decryption.signatures = reportsOf(verified);
    decryption.keyIds = std::move(keyIds);
    decryption.repaired = m_message.repaired;
    return decryption;
}

} // namespace openpgp
