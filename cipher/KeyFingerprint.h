// How a key's fingerprint is shown wherever the user compares keys: the recipients dialog, the
// signature report and the passphrase prompt of a secret key.
#pragma once

#include <string>
#include <string_view>

namespace cipher {

// A fingerprint in GnuPG's groups of four digits, a wider gap between its two halves, e.g.
// "0123 4567 89AB CDEF 0123  4567 89AB CDEF 0123 4567". A key ID (16 digits) is grouped alike.
std::string groupedFingerprint(std::string_view fingerprint);

// The fingerprint's last `groups` groups of four, e.g. "0123 4567" for two: the part that
// tells the user's own keys apart in a prompt.
std::string lastFingerprintGroups(std::string_view fingerprint, std::size_t groups);

} // namespace cipher
