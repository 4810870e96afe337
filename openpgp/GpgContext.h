// A GnuPG context for one operation, set up the way every call here needs it: OpenPGP,
// ASCII armour, phrases asked through our own source (loopback), and a phrase giver that
// hands a phrase to GnuPG once (the phrase it was given wipes itself).
#pragma once

#include "openpgp/OpenPgp.h"

#include <gpgme++/context.h>
#include <gpgme++/interfaces/passphraseprovider.h>

#include <memory>
#include <string>
#include <vector>

namespace openpgp {

// Gives GnuPG the phrase of one attempt: asks the source at the first request, refuses any
// further one (GnuPG asks again only after a wrong phrase; the caller decides about retrying).
class PhraseGiver : public GpgME::PassphraseProvider {
public:
    explicit PhraseGiver(const cipher::PhraseSource &source)
        : m_source(source) {}
    char *getPassphrase(const char *useridHint, const char *description, bool previousWasBad,
                        bool &canceled) override;
    bool wasCancelled() const { return m_cancelled; }
    bool wasRefusedAgain() const { return m_refusedAgain; }

private:
    const cipher::PhraseSource &m_source;
    int m_asked = 0;
    bool m_cancelled = false;
    bool m_refusedAgain = false;
};

// A new context for one operation, or null when GnuPG cannot be used.
std::unique_ptr<GpgME::Context> makeContext();

// Every key the context's listing gives for the pattern (null: every key), of the secret keys
// only or of the public ones; none when the listing cannot start.
std::vector<GpgME::Key> listedKeys(GpgME::Context &context, const char *pattern, bool secretOnly);

// The prompt for a secret key's phrase from GnuPG's hint "KEYID USER-ID": the user ID and the
// last groups of its primary key's fingerprint.
std::string promptFor(const char *useridHint);

} // namespace openpgp
