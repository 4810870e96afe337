// Grouping a fingerprint's digits as GnuPG shows them.
#include "cipher/KeyFingerprint.h"

namespace cipher {

namespace {

constexpr std::size_t groupSize = 4;
constexpr std::size_t halfSize = 20;

} // namespace

std::string groupedFingerprint(std::string_view fingerprint) {
    std::string grouped;
    for (std::size_t at = 0; at < fingerprint.size(); at += groupSize) {
        if (at > 0)
            grouped += at == halfSize ? "  " : " ";
        grouped += fingerprint.substr(at, groupSize);
    }
    return grouped;
}

std::string lastFingerprintGroups(std::string_view fingerprint, std::size_t groups) {
    const std::size_t digits = groups * groupSize;
    return groupedFingerprint(fingerprint.size() > digits
                                  ? fingerprint.substr(fingerprint.size() - digits)
                                  : fingerprint);
}

} // namespace cipher
