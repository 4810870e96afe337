// The rule of a Method 00/01 phrase, shared by the passphrase dialog and the qvl tool so that a
// phrase typed in either matches the same block: which characters it may hold, and its
// upper-casing, byte for byte in Windows-1252.
#pragma once

namespace cipher {

// Whether a Method 00/01 phrase may hold the character: one that Windows-1252 holds (a zero
// byte is refused apart, as it ends a line of text). Any other is refused where it is entered,
// never stored as a "?" that would weaken the phrase the user believes in.
[[nodiscard]] bool phraseCharacterHeld(char32_t character);

// ASCII letters and the Windows-1252 small letters that have a capital partner there turn
// into that capital (e.g. 0xE0 to 0xC0, 0x9A to 0x8A, 0xFF to 0x9F); every other byte, the
// sharp s 0xDF and the micro sign 0xB5 included, stays.
char upperCasePhraseByte(char byte);

} // namespace cipher
