// Encrypt's engine: its refusal of a text before anything is asked, and the block a method
// writes for the text.
#pragma once

#include "cipher/Method.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cipher {

// "There is no text to encrypt." or the 22,528-byte limit; empty when the text can be
// encrypted.
std::optional<std::string_view> encryptRefusal(std::string_view text);
// The same from the text's length alone, so the editor can refuse before it builds the text.
std::optional<std::string_view> encryptRefusal(std::size_t textLength);

// The lines of the method's block for the text and phrase, each without its line break.
std::vector<std::string> writeBlock(const Method &method, std::string_view text,
                                    std::string_view phrase);

} // namespace cipher
