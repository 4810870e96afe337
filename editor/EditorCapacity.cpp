// The check of a text's lines against the editor's capacity, one pass over its line breaks.
#include "editor/EditorCapacity.h"

namespace editor_capacity {

bool holdsLines(std::string_view text) {
    qint64 count = 1;
    std::size_t start = 0;
    for (;;) {
        const std::size_t lineBreak = text.find_first_of("\r\n", start);
        const std::size_t end = lineBreak == std::string_view::npos ? text.size() : lineBreak;
        if (qint64(end - start) > lineBytes)
            return false;
        if (lineBreak == std::string_view::npos)
            return true;
        if (++count > lines)
            return false;
        // CR LF is one line break; a lone CR or LF is one too.
        start = text.compare(lineBreak, 2, "\r\n") == 0 ? lineBreak + 2 : lineBreak + 1;
    }
}

} // namespace editor_capacity
