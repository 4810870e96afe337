// Where an armoured OpenPGP message stands in a text, found without GnuPG, so that a text
// without one never starts it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace openpgp {

// A message as GnuPG is to read it.
struct FoundMessage {
    std::string armour;     // the message's lines, CR LF broken
    bool repaired = false;  // mail's changes (quote prefix, blanks, blank lines, re-wrap) undone
};

// The text's OpenPGP message, exactly as it stands when it has one; otherwise the message with
// mail's changes undone; nothing when the text holds no "-----BEGIN PGP MESSAGE-----" line
// followed by its end line.
std::optional<FoundMessage> findMessage(std::string_view text);

} // namespace openpgp
