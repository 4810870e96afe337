// What a text holds of OpenPGP's where it holds no message that Decrypt reads, found without
// GnuPG: a message cut short, a clear-signed text cut short, a signature, a key, or a file in
// binary form.
#pragma once

#include "cipher/Outcome.h"

#include <optional>
#include <string_view>

namespace openpgp {

struct OtherContent {
    cipher::Reason reason;  // Damaged for a message or signed text cut short, NoBlock for what is
                            // not encrypted
    std::string_view words; // what it is, in the system's words
};

// What the text holds, for a text in which findMessage() found no message: the first armour of
// another kind, or a begin line whose end line is missing, in the order they stand; else the
// text's bytes as an OpenPGP packet in binary form; else nothing.
std::optional<OtherContent> findOtherContent(std::string_view text);

} // namespace openpgp
