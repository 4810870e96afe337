// How far the keyring's trust proves that a key belongs to the person its user ID names, as
// GnuPG counts it: only Full and Ultimate prove the name. A key to write to and a signature's
// key both carry it.
#pragma once

namespace cipher {

enum class KeyValidity { Unknown, Undefined, Never, Marginal, Full, Ultimate };

} // namespace cipher
