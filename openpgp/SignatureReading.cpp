// Reading GnuPG's verdict on each signature, and what the keyring says of the key that made it.
#include "openpgp/SignatureReading.h"

#include "openpgp/KeyValidity.h"

#include <gpgme++/key.h>

#include <gpg-error.h>

namespace openpgp {

namespace {

std::string textOf(const char *text) {
    return text != nullptr ? text : "";
}

// GnuPG says "good" of a signature whose key has since expired or been revoked, or which has
// itself expired, and tells those apart by the status; anything else it could not check.
cipher::SignatureVerdict verdictOf(const GpgME::Signature &signature) {
    switch (signature.status().code()) {
    case GPG_ERR_NO_ERROR:
    case GPG_ERR_SIG_EXPIRED:
    case GPG_ERR_KEY_EXPIRED:
    case GPG_ERR_CERT_REVOKED:
        return cipher::SignatureVerdict::Good;
    case GPG_ERR_BAD_SIGNATURE:
        return cipher::SignatureVerdict::Bad;
    case GPG_ERR_NO_PUBKEY:
        return cipher::SignatureVerdict::UnknownKey;
    default:
        return cipher::SignatureVerdict::Unchecked;
    }
}

// The keyring's side: GnuPG gives only the key ID of a bad signature's key and the signing
// subkey of a good one, where the user knows the primary key; and it names only the worst of
// an expired and a revoked key, where both are said.
void addKeyOf(const GpgME::Signature &signature, cipher::SignatureReport &report) {
    const GpgME::Key key = signature.key(true, false);
    if (key.isNull())
        return;
    if (key.primaryFingerprint() != nullptr)
        report.fingerprint = key.primaryFingerprint();
    if (!key.userIDs().empty())
        report.userId = textOf(key.userID(0).id());
    report.keyRevoked = key.isRevoked();
    report.keyExpired = key.isExpired();
}

cipher::SignatureReport reportOf(const GpgME::Signature &signature) {
    cipher::SignatureReport report;
    report.verdict = verdictOf(signature);
    report.fingerprint = textOf(signature.fingerprint());
    if (report.verdict == cipher::SignatureVerdict::UnknownKey)
        return report;
    addKeyOf(signature, report);
    const auto code = signature.status().code();
    report.validity = validityOf(signature.validity());
    report.keyRevoked = report.keyRevoked || code == GPG_ERR_CERT_REVOKED;
    report.keyExpired = report.keyExpired || code == GPG_ERR_KEY_EXPIRED;
    if (code == GPG_ERR_SIG_EXPIRED)
        report.expiredAt = signature.expirationTime();
    if (report.verdict == cipher::SignatureVerdict::Unchecked)
        report.problem = signature.status().asString();
    return report;
}

} // namespace

std::vector<cipher::SignatureReport> reportsOf(const GpgME::VerificationResult &verification) {
    std::vector<cipher::SignatureReport> reports;
    for (const GpgME::Signature &signature : verification.signatures())
        reports.push_back(reportOf(signature));
    return reports;
}

} // namespace openpgp
