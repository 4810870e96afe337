// GnuPG's validity of a user ID or of a signature's key, as the system counts it. GpgME gives
// the same six grades for both in two types of its own.
#pragma once

#include "cipher/KeyValidity.h"

namespace openpgp {

template <class GpgValidity> cipher::KeyValidity validityOf(GpgValidity validity) {
    switch (validity) {
    case GpgValidity::Undefined:
        return cipher::KeyValidity::Undefined;
    case GpgValidity::Never:
        return cipher::KeyValidity::Never;
    case GpgValidity::Marginal:
        return cipher::KeyValidity::Marginal;
    case GpgValidity::Full:
        return cipher::KeyValidity::Full;
    case GpgValidity::Ultimate:
        return cipher::KeyValidity::Ultimate;
    case GpgValidity::Unknown:
        break;
    }
    return cipher::KeyValidity::Unknown;
}

// Whether the keyring's trust proves that the key belongs to the person its user ID names.
inline bool provesName(cipher::KeyValidity validity) {
    return validity == cipher::KeyValidity::Full || validity == cipher::KeyValidity::Ultimate;
}

} // namespace openpgp
