// The armour writer: a text, a passphrase and a method become the lines of an armoured block.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cipher {

// Encrypt's refusal of a text before anything is asked: "There is no text to encrypt." or the
// 22,528-byte limit; empty when the text can be encrypted.
std::optional<std::string_view> encryptRefusal(std::string_view text);
// The same from the text's length alone, so the editor can refuse before it builds the text.
std::optional<std::string_view> encryptRefusal(std::size_t textLength);

// The block's lines, each without its line break: START, header, body lines, checksum line,
// END. The text holds 1..22,528 bytes. Methods 0 and 1 take a passphrase of 0..16 bytes;
// method 2 (Method 02) takes one of 1..64 characters in UTF-8, with fresh salt and nonce. Input
// outside that throws std::invalid_argument (Encrypt refuses it before calling).
std::vector<std::string> ArmourWriter(std::string_view text, std::string_view passphrase,
                                      int method);

} // namespace cipher
