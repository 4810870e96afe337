// Where an armoured OpenPGP message stands in a text, found without GnuPG, so that a text
// without one never starts it.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace openpgp {

inline constexpr std::string_view messageBeginLine = "-----BEGIN PGP MESSAGE-----";
inline constexpr std::string_view messageEndLine = "-----END PGP MESSAGE-----";

// A message as GnuPG is to read it.
struct FoundMessage {
    std::string armour;    // the message's lines, CR LF broken
    bool repaired = false; // mail's changes (quote prefix, blanks, blank lines, re-wrap) undone
};

// The text's OpenPGP message, exactly as it stands when it has one; otherwise the message with
// mail's changes undone, the armour headers left out where mail re-flowed them; nothing when the
// text holds no begin line "-----BEGIN PGP MESSAGE-----" (first on its line) followed by its end
// line. Reads the text once: linear in its size.
std::optional<FoundMessage> findMessage(std::string_view text);

// An armour's body words joined (its checksum "=XXXX" at the end, if any) as GnuPG writes them:
// lines of 64 characters, the checksum on a line of its own.
std::vector<std::string> armourBodyLines(const std::string &joined);

} // namespace openpgp
