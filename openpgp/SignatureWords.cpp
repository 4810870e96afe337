// The signature reports in words: the one place where a signature's verdict, its key's
// validity, revocation and expiry become the sentences the user reads.
#include "openpgp/SignatureWords.h"

#include "openpgp/KeyValidity.h"

#include "cipher/KeyFingerprint.h"

#include <ctime>

namespace openpgp {

namespace {

// The user ID with the grouped fingerprint, as the recipients dialog shows a key.
std::string signerOf(const cipher::SignatureReport &report) {
    const std::string fingerprint = cipher::groupedFingerprint(report.fingerprint);
    if (report.userId.empty())
        return "the key " + fingerprint;
    return report.userId + " (fingerprint " + fingerprint + ")";
}

// The day, in universal time, as 2020-01-02.
std::string dayOf(std::int64_t seconds) {
    const auto time = static_cast<std::time_t>(seconds);
    std::tm parts{};
    gmtime_r(&time, &parts);
    char day[16] = {};
    std::strftime(day, sizeof day, "%Y-%m-%d", &parts);
    return day;
}

// Why the name of a key below full validity is not proven.
std::string unprovenBecause(cipher::KeyValidity validity) {
    if (validity == cipher::KeyValidity::Marginal)
        return "the key is only marginally certified by keys you trust";
    return "the key is not certified by a key you trust";
}

// A signature that matches the message: what its key and its own expiry make of it.
std::string goodWords(const cipher::SignatureReport &report) {
    const std::string signer = signerOf(report);
    if (report.expiredAt != 0)
        return "Expired signature from " + signer + ": it expired on " + dayOf(report.expiredAt) +
               " and no longer vouches for the message.";
    if (report.keyRevoked)
        return "Signature from " + signer +
               ", whose key has been revoked by its owner: the signature could be forged.";
    if (report.validity == cipher::KeyValidity::Never)
        return "Signature by a key named " + signer +
               ", which the keyring's trust says is not that person's: the signature is probably "
               "forged.";
    // GnuPG gives no validity for an expired key: the signature it made while valid holds.
    if (report.keyExpired)
        return "Good signature from " + signer + ".  Note: the key has expired.";
    if (provesName(report.validity))
        return "Good signature from " + signer + ".";
    return "Signature by a key named " + signer + ": the message is as that key signed it, but " +
           unprovenBecause(report.validity) +
           ", so the key may not belong to the person its user ID names.";
}

} // namespace

std::string describe(const cipher::SignatureReport &report) {
    switch (report.verdict) {
    case cipher::SignatureVerdict::Good:
        return goodWords(report);
    case cipher::SignatureVerdict::Bad:
        return "BAD signature: the message was signed by " + signerOf(report) +
               " but changed after signing.";
    case cipher::SignatureVerdict::UnknownKey:
        return "Signed by a key that is not in the keyring (" +
               cipher::groupedFingerprint(report.fingerprint) + ").";
    case cipher::SignatureVerdict::Unchecked:
        break;
    }
    return "A signature by " + signerOf(report) + " could not be checked: " + report.problem + ".";
}

std::string describe(const std::vector<cipher::SignatureReport> &reports) {
    std::string words;
    for (const cipher::SignatureReport &report : reports)
        words += (words.empty() ? "" : "\n") + describe(report);
    return words;
}

} // namespace openpgp
