// The fuzz entry for the editor's UTF-8 decoding, checked against the cipher's own reading of
// UTF-8: the same bytes are well-formed for both, the same characters come out with every CR LF
// and lone CR made one line break, and the line counts made in the same pass are those counted
// afterwards.
#include "FuzzRequire.h"

#include "cipher/TextEncoding.h"
#include "editor/text/Utf8Decoding.h"

#include <cstdint>

namespace {

using fuzz::require;

// The characters as the editor holds them: UTF-16, each CR LF and lone CR one '\n'. Built unit by
// unit, as Qt's own UTF-32 reading would take a leading U+FEFF for a byte-order mark.
QString editorCharacters(const std::u32string &characters) {
    QString units;
    for (std::size_t i = 0; i < characters.size(); ++i) {
        const char32_t c = characters[i] == U'\r' ? U'\n' : characters[i];
        if (characters[i] == U'\r' && i + 1 < characters.size() && characters[i + 1] == U'\n')
            ++i;
        if (QChar::requiresSurrogates(c)) {
            units.append(QChar(QChar::highSurrogate(c)));
            units.append(QChar(QChar::lowSurrogate(c)));
        } else {
            units.append(QChar(char16_t(c)));
        }
    }
    return units;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    const auto decoded = editor_text::decodeUtf8(bytes);
    const auto characters = cipher::decodeUtf8(bytes);
    require(decoded.has_value() == cipher::isValidUtf8(bytes),
            "the editor and the cipher agree on well-formed UTF-8");
    require(decoded.has_value() == characters.has_value(), "both decoders agree");
    if (!decoded)
        return 0;
    require(decoded->characters == editorCharacters(*characters),
            "the editor's characters are the cipher's, line breaks joined");
    require(decoded->lines == LineCounts::of(decoded->characters),
            "the lines counted while decoding are the lines of the characters");
    return 0;
}
