// A reading's signatures in the system's English sentences, built without GnuPG from the
// report's data: qvl writes them as they are, and the editor's report shows them.
#pragma once

#include "cipher/ReadingReport.h"

#include <string>
#include <vector>

namespace openpgp {

// One sentence per signature, e.g. "Good signature from Ann <ann@example.org> (fingerprint
// 0123 ...)."; only a key that the keyring's trust makes valid gets those plain words. The
// list's sentences stand one per line in the message's order; empty when it was not signed.
std::string describe(const cipher::SignatureReport &report);
std::string describe(const std::vector<cipher::SignatureReport> &reports);

} // namespace openpgp
