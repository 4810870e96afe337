// Where a clear-signed OpenPGP text (a readable text with its signature below it) stands in a
// text, found without GnuPG, as it stands and with mail's changes undone.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace openpgp {

inline constexpr std::string_view signedBeginLine = "-----BEGIN PGP SIGNED MESSAGE-----";
inline constexpr std::string_view signatureBeginLine = "-----BEGIN PGP SIGNATURE-----";
inline constexpr std::string_view signatureEndLine = "-----END PGP SIGNATURE-----";

struct FoundSignedText {
    // From its begin line to the line of its signature's end line, as the text holds them.
    std::string asItStands;
    // The same with mail's changes undone: the quote marks of the begin line taken from every
    // line, blanks at line ends dropped, a signature begin line joined onto the last line of the
    // text split off, and the signature's lines re-flowed back to GnuPG's width. Empty when it
    // is the same as the text as it stands. Only the signature can prove it.
    std::string repaired;
};

// The first clear-signed text: a begin line "-----BEGIN PGP SIGNED MESSAGE-----" (first on its
// line after any quote marks), its text, and a signature whose end line follows; nothing when
// the text holds none. Reads the text once.
std::optional<FoundSignedText> findSignedText(std::string_view text);

} // namespace openpgp
