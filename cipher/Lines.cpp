// Splitting at any of the three line breaks, and joining with CR LF.
#include "cipher/Lines.h"

#include <algorithm>

namespace cipher {

std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    // The next CR and the next LF, each found by a fast search and looked for again only once
    // the cut has passed it.
    std::size_t cr = text.find('\r');
    std::size_t lf = text.find('\n');
    std::size_t start = 0;
    for (std::size_t end = std::min(cr, lf); end != std::string_view::npos;
         end = std::min(cr, lf)) {
        lines.push_back(text.substr(start, end - start));
        start = end + (end == cr && lf == end + 1 ? 2 : 1);
        if (cr < start)
            cr = text.find('\r', start);
        if (lf < start)
            lf = text.find('\n', start);
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
