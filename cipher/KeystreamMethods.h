// Methods 00 and 01: the text and the optional phrase of up to 16 Windows-1252 capitals share one
// keystream, written in the group alphabet of the method (Method 00 the characters "?" to "~",
// Method 01 MethodAlphabet). Their entries in the table of methods and their writer.
#pragma once

#include "cipher/Method.h"

#include <string>
#include <string_view>
#include <vector>

namespace cipher {

// The phrase of Methods 00 and 01: up to 16 Windows-1252 characters, letters as capitals.
extern const PhraseRule keystreamPhrase;

extern const Method method00;
extern const Method method01;

// The block's lines, each without its line break: START, header, body lines, checksum line,
// END, with the group alphabet of method `number` (0 or 1). The text holds 1..22,528 bytes
// and the phrase 0..16 bytes; anything else throws std::invalid_argument.
std::vector<std::string> writeKeystreamBlock(std::string_view text, std::string_view phrase,
                                             int number);

// The alphabet of a block's groups by the header's method: Method 00's or Method 01's own; any
// other number gives ZeroBytes, as a method number below 0, read as Method 00 is, did in the
// first copies.
BodyAlphabet keystreamAlphabet(std::int32_t method);

} // namespace cipher
