// The passphrase dialog's upper-casing, byte for byte in Windows-1252, shared by the dialog
// and the qvl tool so that a phrase typed in either matches the same block.
#pragma once

#include <string>
#include <string_view>

namespace cipher {

// ASCII letters and the Windows-1252 small letters that have a capital partner there turn
// into that capital (e.g. 0xE0 to 0xC0, 0x9A to 0x8A, 0xFF to 0x9F); every other byte, the
// sharp s 0xDF and the micro sign 0xB5 included, stays.
char upperCasePhraseByte(char byte);

std::string upperCasePhrase(std::string_view phrase);

} // namespace cipher
