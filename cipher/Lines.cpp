// Joining a block's lines with CR LF.
#include "cipher/Lines.h"

namespace cipher {

std::string joinLines(const std::vector<std::string> &lines) {
    std::size_t size = 0;
    for (const std::string &line : lines)
        size += line.size() + 2;
    std::string text;
    text.reserve(size);
    for (const std::string &line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

} // namespace cipher
