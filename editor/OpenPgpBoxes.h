// The boxes of the window's OpenPGP side. GnuPG's user IDs and words are UTF-8, so they are
// shown as UTF-8, unlike the cipher's plain ASCII words.
#pragma once

#include <QString>
#include <cstddef>
#include <string_view>

class QWidget;

namespace openpgp_boxes {

// GnuPG sets no limit to a phrase: the longest the passphrase entry holds, in characters
// outside the basic plane (two units each).
inline constexpr std::size_t longestPhrase = 16383;

// UTF-8 words as a box or prompt shows them.
QString shown(std::string_view words);

// A refusal: the stop beep, then an error box with the words and OK.
void refuse(QWidget *owner, std::string_view words);

} // namespace openpgp_boxes
