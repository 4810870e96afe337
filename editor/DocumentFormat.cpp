// Finding a text's format from its bytes.
#include "editor/DocumentFormat.h"

DocumentFormat formatOfDecryptedText(std::string_view bytes) {
    DocumentFormat format;
    format.encoding = cipher::encodingOf(bytes);
    format.byteOrderMark =
        format.encoding == cipher::Encoding::Utf8 && bytes.starts_with(cipher::utf8Mark);
    return format;
}

DocumentFormat formatOfFile(std::string_view bytes) {
    DocumentFormat format = formatOfDecryptedText(bytes);
    if (bytes.find('\r') == std::string_view::npos && bytes.find('\n') != std::string_view::npos)
        format.lineBreaks = LineBreaks::Lf;
    return format;
}

std::string_view withoutMark(std::string_view bytes, const DocumentFormat &format) {
    return format.byteOrderMark ? bytes.substr(cipher::utf8Mark.size()) : bytes;
}
