// Which signatures cast a doubt on the text they came with.
#include "cipher/ReadingReport.h"

#include <algorithm>

namespace cipher {

bool warns(const SignatureReport &signature) {
    switch (signature.verdict) {
    case SignatureVerdict::Good:
        return signature.expiredAt != 0 || signature.keyRevoked ||
               signature.validity == KeyValidity::Never;
    case SignatureVerdict::UnknownKey:
        return false;
    case SignatureVerdict::Bad:
    case SignatureVerdict::Unchecked:
        break;
    }
    return true;
}

bool warns(const std::vector<SignatureReport> &signatures) {
    return std::any_of(signatures.begin(), signatures.end(),
                       [](const SignatureReport &signature) { return warns(signature); });
}

} // namespace cipher
