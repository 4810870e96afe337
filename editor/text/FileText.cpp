// Reading a file's bytes as the editor's characters: one pass that decodes UTF-8, finds it
// well-formed, joins its line breaks and counts its lines at once; Windows-1252 when it is not,
// its line breaks joined in place.
#include "editor/text/FileText.h"

#include "editor/text/EditorText.h"
#include "editor/text/Utf8Decoding.h"
#include "platform/CodePage.h"

FileText fileText(std::string bytes) {
    FileText file;
    if (bytes.find('\r') == std::string::npos && bytes.find('\n') != std::string::npos)
        file.format.lineBreaks = LineBreaks::Lf;
    // Pure ASCII reads the same either way, so it stays Windows-1252.
    if (cipher::holdsHighByte(bytes)) {
        const bool mark = bytes.starts_with(cipher::utf8Mark);
        const std::string_view text =
            std::string_view(bytes).substr(mark ? cipher::utf8Mark.size() : 0);
        if (std::optional<editor_text::DecodedText> decoded = editor_text::decodeUtf8(text)) {
            file.format.encoding = cipher::Encoding::Utf8;
            file.format.byteOrderMark = mark;
            file.characters = std::move(decoded->characters);
            file.lines = std::move(decoded->lines);
            return file;
        }
    }
    editor_text::joinLineBreaks(bytes);
    file.characters = platform::cp1252::decode(bytes);
    return file;
}
