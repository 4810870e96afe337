// The check of a text's lines against the editor's capacity, one pass over its line breaks.
#include "editor/EditorCapacity.h"

#include <algorithm>

namespace editor_capacity {

bool holdsLines(std::string_view text) {
    // The next CR and the next LF, each looked for (a block of bytes at a time) only once the
    // lines have passed the last one found.
    std::size_t cr = text.find('\r');
    std::size_t lf = text.find('\n');
    std::size_t start = 0;
    qint64 count = 1;
    for (;;) {
        const std::size_t lineBreak = std::min({cr, lf, text.size()});
        if (qint64(lineBreak - start) > lineBytes)
            return false;
        if (lineBreak == text.size())
            return true;
        if (++count > lines)
            return false;
        // CR LF is one line break; a lone CR or LF is one too.
        start = lineBreak == cr && lf == cr + 1 ? lf + 1 : lineBreak + 1;
        if (cr < start)
            cr = text.find('\r', start);
        if (lf < start)
            lf = text.find('\n', start);
    }
}

} // namespace editor_capacity
