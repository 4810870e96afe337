// The signature reports in words: the one place where a signature's verdict, its key's
// validity, revocation and expiry become the sentences the user reads.
#include "openpgp/SignatureWords.h"

#include "openpgp/KeyValidity.h"
#include "openpgp/Words.h"

#include "cipher/KeyFingerprint.h"

#include <ctime>

namespace openpgp {

namespace {

// The user ID with the grouped fingerprint, as the recipients dialog shows a key.
std::string signerOf(const cipher::SignatureReport &report) {
    const std::string fingerprint = cipher::groupedFingerprint(report.fingerprint);
    if (report.userId.empty())
        return cipher::words::composed(words::unnamedKey, {fingerprint});
    return cipher::words::composed(words::namedKey, {report.userId, fingerprint});
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
        return TRANSLATABLE("Words", "the key is only marginally certified by keys you trust");
    return TRANSLATABLE("Words", "the key is not certified by a key you trust");
}

// A signature that matches the message: what its key and its own expiry make of it.
std::string goodWords(const cipher::SignatureReport &report) {
    const std::string signer = signerOf(report);
    if (report.expiredAt != 0)
        return cipher::words::composed(words::expiredSignature, {signer, dayOf(report.expiredAt)});
    if (report.keyRevoked)
        return cipher::words::composed(words::revokedSigner, {signer});
    if (report.validity == cipher::KeyValidity::Never)
        return cipher::words::composed(words::distrustedSigner, {signer});
    // GnuPG gives no validity for an expired key: the signature it made while valid holds.
    if (report.keyExpired)
        return cipher::words::composed(words::goodFromExpiredKey, {signer});
    if (provesName(report.validity))
        return cipher::words::composed(words::goodSignature, {signer});
    return cipher::words::composed(words::unprovenSigner,
                                   {signer, unprovenBecause(report.validity)});
}

} // namespace

std::string describe(const cipher::SignatureReport &report) {
    switch (report.verdict) {
    case cipher::SignatureVerdict::Good:
        return goodWords(report);
    case cipher::SignatureVerdict::Bad:
        return cipher::words::composed(words::badSignature, {signerOf(report)});
    case cipher::SignatureVerdict::UnknownKey:
        return cipher::words::composed(words::unknownSigner,
                                       {cipher::groupedFingerprint(report.fingerprint)});
    case cipher::SignatureVerdict::Unchecked:
        break;
    }
    return cipher::words::composed(words::uncheckedSignature, {signerOf(report), report.problem});
}

std::string describe(const std::vector<cipher::SignatureReport> &reports) {
    std::string words;
    for (const cipher::SignatureReport &report : reports)
        words += (words.empty() ? "" : "\n") + describe(report);
    return words;
}

} // namespace openpgp
