// Decrypting a found OpenPGP message through GnuPG, with the refusal and signature in words.
#include "openpgp/GpgContext.h"

#include <gpgme++/data.h>
#include <gpgme++/decryptionresult.h>
#include <gpgme++/key.h>
#include <gpgme++/verificationresult.h>

#include <gpg-error.h>

namespace openpgp {

namespace {

constexpr const char *damagedWords =
    "The OpenPGP message is damaged or was changed: its checksum or integrity check failed.";

std::string joined(const std::vector<std::string> &items) {
    std::string all;
    for (const auto &item : items)
        all += (all.empty() ? "" : ", ") + item;
    return all;
}

SignatureReport reportOf(const GpgME::VerificationResult &verification) {
    const auto signatures = verification.signatures();
    if (signatures.empty())
        return {};
    const GpgME::Signature &signature = signatures.front();
    SignatureReport report;
    report.fingerprint = signature.fingerprint() != nullptr ? signature.fingerprint() : "";
    const auto summary = signature.summary();
    if (summary & GpgME::Signature::KeyMissing || signature.status().code() == GPG_ERR_NO_PUBKEY) {
        report.verdict = SignatureVerdict::UnknownKey;
        return report;
    }
    // GnuPG gives only the key ID of a bad signature's key; the keyring gives its fingerprint.
    const GpgME::Key key = signature.key(true, false);
    if (!key.isNull() && key.primaryFingerprint() != nullptr)
        report.fingerprint = key.primaryFingerprint();
    if (!key.isNull() && !key.userIDs().empty())
        report.userId = key.userID(0).id();
    report.verdict = (summary & GpgME::Signature::Red) || signature.status().code() == GPG_ERR_BAD_SIGNATURE
                         ? SignatureVerdict::Bad
                         : SignatureVerdict::Good;
    return report;
}

Decryption refused(Refusal refusal, std::string words) {
    Decryption decryption;
    decryption.refusal = refusal;
    decryption.words = std::move(words);
    return decryption;
}

Decryption refusalOf(const GpgME::Error &error, const PhraseGiver &giver,
                     const std::vector<std::string> &keyIds) {
    const auto code = error.code();
    if (giver.wasCancelled())
        return refused(Refusal::Cancelled, "Decryption was cancelled.");
    if (code == GPG_ERR_NO_SECKEY) {
        auto decryption = refused(Refusal::NoSecretKey,
                                  "No secret key for this message is in the keyring.  It was encrypted to: " +
                                      joined(keyIds) + ".");
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

Decryption signedOnly(GpgME::Context &context, const FoundMessage &message) {
    GpgME::Data signedText(message.armour.data(), message.armour.size(), false);
    GpgME::Data plainText;
    const auto verified = context.verifyOpaqueSignature(signedText, plainText);
    Decryption decryption = verified.error() || verified.signatures().empty()
                                ? refused(Refusal::Damaged, damagedWords)
                                : Decryption{};
    if (decryption.refusal == Refusal::None) {
        decryption.text = plainText.toString();
        decryption.signature = reportOf(verified);
    }
    decryption.repaired = message.repaired;
    return decryption;
}

} // namespace

std::string describe(const SignatureReport &report) {
    switch (report.verdict) {
    case SignatureVerdict::None:
        return {};
    case SignatureVerdict::Good:
        return "Good signature from " + report.userId + " (fingerprint " + report.fingerprint + ").";
    case SignatureVerdict::Bad:
        return "BAD signature: the message was signed by " + report.userId + " (fingerprint " +
               report.fingerprint + ") but changed after signing.";
    case SignatureVerdict::UnknownKey:
        return "Signed by a key that is not in the keyring (" + report.fingerprint + ").";
    }
    return {};
}

DecryptSession::DecryptSession(FoundMessage message) : m_message(std::move(message)) {}

Decryption DecryptSession::attempt(const PhraseSource &askPhrase) const {
    auto context = makeContext();
    if (!context)
        return refused(Refusal::Failed, "GnuPG cannot be used on this computer.");
    PhraseGiver giver(askPhrase);
    context->setPassphraseProvider(&giver);
    GpgME::Data cipherText(m_message.armour.data(), m_message.armour.size(), false);
    GpgME::Data plainText;
    const auto [decrypted, verifiedInside] = context->decryptAndVerify(cipherText, plainText);
    // A message that is signed but not encrypted holds no encrypted data: its signature is
    // checked and its text read as it stands.
    if (decrypted.error().code() == GPG_ERR_NO_DATA)
        return signedOnly(*context, m_message);
    const auto &verified = verifiedInside;
    std::vector<std::string> keyIds;
    for (const auto &recipient : decrypted.recipients())
        keyIds.emplace_back(recipient.keyID() != nullptr ? recipient.keyID() : "?");
    // A cancelled phrase may stop GnuPG without an error in the decryption's result.
    const bool stopped = decrypted.error() || giver.wasCancelled() || giver.wasRefusedAgain();
    if (stopped || decrypted.isLegacyCipherNoMDC()) {
        auto refusal = stopped ? refusalOf(decrypted.error(), giver, keyIds)
                                         : refused(Refusal::Damaged,
                                                   "The OpenPGP message has no integrity check and is not read.");
        refusal.repaired = m_message.repaired;
        return refusal;
    }
    Decryption decryption;
    decryption.text = plainText.toString();
    decryption.signature = reportOf(verified);
    decryption.keyIds = std::move(keyIds);
    decryption.repaired = m_message.repaired;
    return decryption;
}

} // namespace openpgp
