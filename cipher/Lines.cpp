// Splitting at any of the three line breaks, and joining with CR LF.
#include "cipher/Lines.h"

namespace cipher {

std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t i = text.find_first_of("\r\n"); i != std::string_view::npos;
         i = text.find_first_of("\r\n", start)) {
        lines.push_back(text.substr(start, i - start));
        const bool crLf = text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n';
        start = i + (crLf ? 2 : 1);
    }
    lines.push_back(text.substr(start));
    return lines;
}

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
