// Test helpers: a text held together with its lines, and a decryption run the way the editor
// runs it (open the block, check the phrase, decode).
#pragma once

#include "cipher/ArmourDecoder.h"

#include <string>
#include <string_view>
#include <vector>

namespace testing_cipher {

// A text and the lines cut from it; the lines point into the text, so it is not copied.
class BlockText {
public:
    explicit BlockText(std::string text);
    explicit BlockText(const std::vector<std::string> &lines);
    BlockText(const BlockText &) = delete;
    BlockText &operator=(const BlockText &) = delete;

    const std::string &text() const { return m_text; }
    cipher::LineList lines() const { return m_lines; }

private:
    std::string m_text;
    std::vector<std::string_view> m_lines;
};

// What Decrypt ends with: the refusal that stopped it, or the decoded text and its verdict,
// and the mail changes undone to read it ("" when read exactly).
struct Decryption {
    std::string refusal;
    std::string bytes;
    cipher::Verdict verdict = cipher::Verdict::Verified;
    std::string undone;

    bool operator==(const Decryption &) const = default;
};

// As Decrypt reads: exactly first, then with mail's changes undone when that fails.
Decryption decrypt(const BlockText &text, std::string_view phrase);

// The exact reading alone, as it was before mail's changes were undone.
Decryption decryptExactly(const BlockText &text, std::string_view phrase);

// The block's lines for a text, a phrase and a method.
std::vector<std::string> armour(std::string_view text, std::string_view phrase = {},
                                int method = 1);

// Every byte value from 1 to 255 once, in order.
std::string everyByte();

} // namespace testing_cipher
