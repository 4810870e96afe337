// Decrypting a found OpenPGP message through GnuPG: the refusal in words, or the text with a
// report of each signature.
#include "openpgp/BoundedText.h"
#include "openpgp/GpgContext.h"
#include "openpgp/SignatureReading.h"
#include "openpgp/Words.h"

#include <gpgme++/data.h>
#include <gpgme++/decryptionresult.h>
#include <gpgme++/verificationresult.h>

#include <gpg-error.h>

namespace openpgp {

namespace {

constexpr const char *damagedWords = TRANSLATABLE(
    "Words",
    "The OpenPGP message is damaged or was changed: its checksum or integrity check failed.");

constexpr const char *unprotectedWords = TRANSLATABLE(
    "Words",
    "The OpenPGP message has no integrity check, so a change made to it on the way could not be "
    "noticed: it is not read.");

// GnuPG gives a recipient that the message hides as a key ID of zeros.
constexpr std::string_view hiddenKeyId = "0000000000000000";

// The recipients for the words: their key IDs, a hidden one said as such.
std::string recipientWords(const std::vector<std::string> &keyIds) {
    std::string all;
    for (const auto &keyId : keyIds)
        all += (all.empty() ? "" : ", ") +
               (keyId == hiddenKeyId ? TRANSLATABLE("Words", "a hidden recipient") : keyId);
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

using Opened = cipher::Outcome<cipher::DecodedText>;

// What one attempt gave: the text or its refusal, and the signatures found beside the text.
struct Attempt {
    Opened opened;
    std::vector<cipher::SignatureReport> signatures;
    std::vector<std::string> keyIds; // those the message was encrypted to
};

Attempt refused(cipher::Reason reason, std::string words) {
    return {cipher::refused<cipher::DecodedText>(reason, std::move(words)), {}, {}};
}

// An OpenPGP message carries its text as UTF-8, with the line breaks GnuPG gives it.
Attempt readText(BoundedText &text, const GpgME::VerificationResult &verified) {
    return {{cipher::DecodedText{text.take(), cipher::Verdict::Verified, true}, {}},
            reportsOf(verified),
            {}};
}

// The refusal of a text longer than `longest` bytes, the bound given in MiB where it is whole
// ones.
Attempt tooLarge(std::size_t longest) {
    constexpr std::size_t mebibyte = 1024 * 1024;
    const std::string bound =
        longest % mebibyte == 0
            ? cipher::words::composed(words::mebibytes, {std::to_string(longest / mebibyte)})
            : cipher::words::composed(words::bytes, {std::to_string(longest)});
    return refused(cipher::Reason::Failed, cipher::words::composed(words::tooLarge, {bound}));
}

Attempt refusalOf(const GpgME::Error &error, const PhraseGiver &giver,
                  const std::vector<std::string> &keyIds) {
    const auto code = error.code();
    if (giver.wasCancelled())
        return refused(cipher::Reason::Cancelled,
                       TRANSLATABLE("Words", "Decryption was cancelled."));
    if (code == GPG_ERR_NO_SECKEY)
        return refused(cipher::Reason::NoKey,
                       cipher::words::composed(words::noSecretKey, {recipientWords(keyIds)}));
    if (code == GPG_ERR_BAD_PASSPHRASE || giver.wasRefusedAgain() || code == GPG_ERR_CANCELED)
        return refused(cipher::Reason::WrongPhrase,
                       TRANSLATABLE("Words", "The passphrase is not correct."));
    if (code == GPG_ERR_NO_DATA || code == GPG_ERR_BAD_DATA || code == GPG_ERR_CHECKSUM ||
        code == GPG_ERR_DECRYPT_FAILED || code == GPG_ERR_INV_PACKET ||
        code == GPG_ERR_ASS_NO_INPUT || code == GPG_ERR_INV_KEYLEN || code == GPG_ERR_UNEXPECTED)
        return refused(cipher::Reason::Damaged, damagedWords);
    return refused(cipher::Reason::Failed,
                   cipher::words::composed(words::decryptFailed, {error.asString()}));
}

Attempt signedOnly(GpgME::Context &context, const FoundMessage &message, std::size_t longestText) {
    GpgME::Data signedText(message.armour.data(), message.armour.size(), false);
    BoundedText text(longestText);
    GpgME::Data plainText(&text);
    const auto verified = context.verifyOpaqueSignature(signedText, plainText);
    if (text.overflowed())
        return tooLarge(longestText);
    if (verified.error() || verified.signatures().empty())
        return refused(cipher::Reason::Damaged, damagedWords);
    return readText(text, verified);
}

// The message read through GnuPG, its text held to `longestText` bytes.
Attempt decrypt(const FoundMessage &message, const cipher::PhraseSource &ask,
                std::size_t longestText) {
    auto context = makeContext();
    if (!context)
        return refused(cipher::Reason::Failed,
                       TRANSLATABLE("Words", "GnuPG cannot be used on this computer."));
    PhraseGiver giver(ask);
    context->setPassphraseProvider(&giver);
    GpgME::Data cipherText(message.armour.data(), message.armour.size(), false);
    BoundedText text(longestText);
    GpgME::Data plainText(&text);
    const auto [decrypted, verified] = context->decryptAndVerify(cipherText, plainText);
    // A text that passes the bound stopped GnuPG, whatever error that left it with.
    if (text.overflowed())
        return tooLarge(longestText);
    // A message that is signed but not encrypted holds no encrypted data: its signature is
    // checked and its text read as it stands.
    if (decrypted.error().code() == GPG_ERR_NO_DATA)
        return signedOnly(*context, message, longestText);
    std::vector<std::string> keyIds;
    for (const auto &recipient : decrypted.recipients())
        keyIds.emplace_back(recipient.keyID() != nullptr ? recipient.keyID() : "?");
    // A cancelled phrase may stop GnuPG without an error in the decryption's result. A message
    // without integrity check is refused whatever GnuPG made of it, its text unread.
    const bool stopped = decrypted.error() || giver.wasCancelled() || giver.wasRefusedAgain();
    const bool unprotected = lacksIntegrityCheck(decrypted) && !giver.wasCancelled();
    Attempt attempt = unprotected ? refused(cipher::Reason::Damaged, unprotectedWords)
                      : stopped   ? refusalOf(decrypted.error(), giver, keyIds)
                                  : readText(text, verified);
    attempt.keyIds = std::move(keyIds);
    return attempt;
}

} // namespace

GnuPgSession::GnuPgSession(FoundMessage message)
    : m_message(std::move(message)) {
    if (m_message.repaired)
        setRepairs("the OpenPGP message's quoting, blanks and line breaks");
}

cipher::Outcome<cipher::DecodedText> GnuPgSession::open(const cipher::PhraseSource &ask) {
    Attempt attempt = decrypt(m_message, ask, longestText());
    setSignatures(std::move(attempt.signatures));
    m_keyIds = std::move(attempt.keyIds);
    return std::move(attempt.opened);
}

std::unique_ptr<cipher::DecryptSession> openSession(FoundMessage message) {
    return std::make_unique<GnuPgSession>(std::move(message));
}

} // namespace openpgp
