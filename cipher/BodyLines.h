// Collecting a block's body lines as its groups are written: "C" and up to 16 groups of four
// characters a line, shared by the writers of every method.
#pragma once

#include "cipher/ArmourFormat.h"
#include "cipher/GroupCodec.h"

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

    void append(const Group &group, int method) {
        const GroupChars chars = EncodeGroup(group, method);
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

// The checksum line "QvL/" and the body checksum in decimal.
inline std::string checksumLine(std::int32_t checksum) {
    return std::string(armourTag) + std::to_string(checksum);
}

} // namespace cipher
