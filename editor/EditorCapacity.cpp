// The check of a text's lines against the editor's capacity, one pass over its line breaks.
#include "editor/EditorCapacity.h"

namespace editor_capacity {

bool holdsLines(std::string_view text) {
    qint64 count = 1;
    std::size_t start = 0;
    for (;;) {
        const std::size_t lineBreak = text.find('\n', start);
        if (lineBreak == std::string_view::npos)
            return qint64(text.size() - start) <= lineBytes;
        // The CR before the LF belongs to the line break.
        if (qint64(lineBreak - start) - 1 > lineBytes)
            return false;
        if (++count > lines)
            return false;
        start = lineBreak + 1;
    }
}

} // namespace editor_capacity
