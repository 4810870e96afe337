// Reading a file's bytes as the editor's characters: the line breaks joined in place, then one
// pass that decodes UTF-8 and finds it well-formed at once, Windows-1252 when it is not.
#include "editor/FileText.h"

#include "editor/EditorText.h"
#include "editor/Utf8Decoding.h"
#include "platform/CodePage.h"

FileText fileText(std::string bytes) {
    FileText file;
    if (bytes.find('\r') == std::string::npos && bytes.find('\n') != std::string::npos)
        file.format.lineBreaks = LineBreaks::Lf;
    editor_text::joinLineBreaks(bytes);
    // Pure ASCII reads the same either way, so it stays Windows-1252.
    if (cipher::holdsHighByte(bytes)) {
        const bool mark = bytes.starts_with(cipher::utf8Mark);
        const std::string_view text =
            std::string_view(bytes).substr(mark ? cipher::utf8Mark.size() : 0);
        if (std::optional<QString> characters = editor_text::decodeUtf8(text)) {
            file.format.encoding = cipher::Encoding::Utf8;
            file.format.byteOrderMark = mark;
            file.characters = std::move(*characters);
            return file;
        }
    }
    file.characters = platform::cp1252::decode(bytes);
    return file;
}
