// Collecting a block's body lines as its groups are written: "C" and up to 16 groups of four
// characters a line, shared by the writers of every method.
#pragma once

#include "cipher/ArmourFormat.h"
#include "cipher/GroupCodec.h"

#include <algorithm>
#include <string>
#include <vector>

namespace cipher {

// A full line is emitted only when a further group follows, so the last line holds 1 to 16
// groups and no line is ever "C" alone.
class BodyLines {
public:
    explicit BodyLines(std::vector<std::string> &lines)
        : m_lines(lines) {
        startLine();
    }

    void append(const Group &group, BodyAlphabet alphabet) {
        const GroupChars chars = EncodeGroup(group, alphabet);
        m_current.append(chars.data(), chars.size());
    }
    void breakIfFull() {
        if (m_current.size() == bodyLineLength) {
            m_lines.push_back(std::move(m_current));
            startLine();
        }
    }
    void finish() {
        if (m_current.size() > 1)
            m_lines.push_back(std::move(m_current));
    }

private:
    void startLine() {
        m_current = std::string();
        m_current.reserve(bodyLineLength);
        m_current.push_back('C');
    }

    std::vector<std::string> &m_lines;
    std::string m_current;
};

// The header line "QvL/" V "/" M "/" P "/" T: the format version in four digits, the method in
// two, the phrase's and the text's lengths in decimal.
inline std::string writtenHeaderLine(std::int32_t version, std::int32_t method,
                                     std::size_t phraseLength, std::size_t textLength) {
    const auto padded = [](std::int32_t number, std::size_t width) {
        const std::string digits = std::to_string(number);
        return std::string(width - std::min(width, digits.size()), '0') + digits;
    };
    return std::string(armourTag) + padded(version, 4) + "/" + padded(method, 2) + "/" +
           std::to_string(phraseLength) + "/" + std::to_string(textLength);
}

// The checksum line "QvL/" and the body checksum in decimal.
inline std::string checksumLine(std::int32_t checksum) {
    return std::string(armourTag) + std::to_string(checksum);
}

} // namespace cipher
