// Checking a clear-signed text through GnuPG: as it stands, and with mail's changes undone when
// that reading alone is proven by good signatures; the text GnuPG gives back without its armour.
#include "openpgp/BoundedText.h"
#include "openpgp/GpgContext.h"
#include "openpgp/SignatureReading.h"
#include "openpgp/SignatureWords.h"
#include "openpgp/Signing.h"
#include "openpgp/Words.h"

#include <gpgme++/data.h>
#include <gpgme++/verificationresult.h>

#include <algorithm>

namespace openpgp {

namespace {

constexpr std::string_view unreadWords = TRANSLATABLE(
    "Words", "The OpenPGP signed text is damaged: GnuPG could not read its signature.");
constexpr std::string_view keptWords =
    TRANSLATABLE("Words", "The signed text is left as it stands.");

// One reading of the signed text: GnuPG's report of each signature and the text it gave.
struct Reading {
    std::vector<cipher::SignatureReport> signatures;
    std::string text;
    bool tooLarge = false;
};

Reading read(GpgME::Context &context, const std::string &signedText, std::size_t longest) {
    GpgME::Data input(signedText.data(), signedText.size(), false);
    BoundedText text(longest);
    GpgME::Data output(&text);
    const GpgME::VerificationResult verified = context.verifyOpaqueSignature(input, output);
    Reading reading;
    reading.tooLarge = text.overflowed();
    if (!reading.tooLarge && !verified.error()) {
        reading.signatures = reportsOf(verified);
        reading.text = text.take();
    }
    return reading;
}

bool allGood(const Reading &reading) {
    return !reading.signatures.empty() &&
           std::all_of(reading.signatures.begin(), reading.signatures.end(),
                       [](const cipher::SignatureReport &report) {
                           return report.verdict == cipher::SignatureVerdict::Good;
                       });
}

// Whether a signature denies the text: changed after signing, or not checked at all.
bool deniesText(const Reading &reading) {
    return std::any_of(reading.signatures.begin(), reading.signatures.end(),
                       [](const cipher::SignatureReport &report) {
                           return report.verdict == cipher::SignatureVerdict::Bad ||
                                  report.verdict == cipher::SignatureVerdict::Unchecked;
                       });
}

class SignedTextSession : public cipher::DecryptSession {
public:
    explicit SignedTextSession(FoundSignedText found)
        : m_found(std::move(found)) {}

    cipher::Outcome<cipher::DecodedText> open(const cipher::PhraseSource &) override {
        const auto context = makeContext();
        if (!context)
            return refusal(cipher::Reason::Failed, "GnuPG cannot be used on this computer.");
        Reading asItStands = read(*context, m_found.asItStands, longestText());
        if (allGood(asItStands) || m_found.repaired.empty())
            return taken(std::move(asItStands), false);
        Reading repaired = read(*context, m_found.repaired, longestText());
        if (allGood(repaired))
            return taken(std::move(repaired), true);
        // The reading as it stands when GnuPG read any signature in it, else the repaired one,
        // whose text no good signature proves.
        if (!asItStands.signatures.empty() || asItStands.tooLarge)
            return taken(std::move(asItStands), false);
        return taken(std::move(repaired), true);
    }

private:
    cipher::Outcome<cipher::DecodedText> refusal(cipher::Reason reason, std::string words) {
        return cipher::refused<cipher::DecodedText>(reason, std::move(words));
    }

    // The reading's text with its signatures, unless a signature denies it or, for a reading
    // with mail's changes undone, a signature does not prove it.
    cipher::Outcome<cipher::DecodedText> taken(Reading reading, bool repaired) {
        if (reading.tooLarge)
            return refusal(
                cipher::Reason::Failed,
                TRANSLATABLE(
                    "Words",
                    "The OpenPGP signed text is longer than the most this program takes."));
        if (reading.signatures.empty())
            return refusal(cipher::Reason::Damaged, std::string(unreadWords));
        const bool kept = deniesText(reading) || (repaired && !allGood(reading));
        setSignatures(std::move(reading.signatures));
        if (kept)
            return refusal(cipher::Reason::Damaged,
                           describe(report().signatures) + "\n" + std::string(keptWords));
        if (repaired)
            setRepairs("the signed text's quoting, blanks and line breaks");
        // GnuPG gives the signed text as it was signed: UTF-8, with the breaks it holds.
        return {cipher::DecodedText{std::move(reading.text), cipher::Verdict::Verified, true}, {}};
    }

    FoundSignedText m_found;
};

} // namespace

std::unique_ptr<cipher::DecryptSession> openSignedTextSession(FoundSignedText found) {
    return std::make_unique<SignedTextSession>(std::move(found));
}

} // namespace openpgp
