// Cutting a text to a limit of characters without splitting a character in two.
#include "platform/TextLength.h"

namespace platform {

QString leftCharacters(const QString &text, qsizetype count) {
    QString result = text.left(count);
    if (result.size() < text.size() && !result.isEmpty() && result.back().isHighSurrogate())
        result.chop(1);
    return result;
}

} // namespace platform
