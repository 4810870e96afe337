// GnuPG's check of a message's signatures, read into the system's reports.
#pragma once

#include "cipher/ReadingReport.h"

#include <gpgme++/verificationresult.h>

#include <vector>

namespace openpgp {

// Every signature of the check, in the message's order, with its key's validity, revocation
// and expiry as the keyring gives them.
std::vector<cipher::SignatureReport> reportsOf(const GpgME::VerificationResult &verification);

} // namespace openpgp
