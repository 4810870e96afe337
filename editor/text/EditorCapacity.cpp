// The check of a text's lines against the editor's capacity, one pass over its line breaks.
#include "editor/text/EditorCapacity.h"

#include "plaintext/Lines.h"

namespace editor_capacity {

bool holdsLines(std::string_view text) {
    plaintext::LineScanner scanner(text);
    qint64 count = 1;
    for (std::size_t start = 0;;) {
        const plaintext::LineEnd end = scanner.lineEnd(start);
        if (qint64(end.textEnd - start) > lineBytes)
            return false;
        if (end.last())
            return true;
        if (++count > lines)
            return false;
        start = end.next;
    }
}

} // namespace editor_capacity
