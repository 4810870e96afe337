// Finding a text's format from its bytes.
#include "editor/DocumentFormat.h"

namespace {

DocumentFormat formatOfEncoding(std::string_view bytes) {
    DocumentFormat format;
    format.encoding = cipher::encodingOf(bytes);
    format.byteOrderMark =
        format.encoding == cipher::Encoding::Utf8 && bytes.starts_with(cipher::utf8Mark);
    return format;
}

} // namespace

DocumentFormat formatOfDecryptedText(std::string_view bytes) {
    DocumentFormat format = formatOfEncoding(bytes);
    // A block always carries CR LF; a UTF-8 text is a Linux text, so it is saved with LF.
    if (format.encoding == cipher::Encoding::Utf8)
        format.lineBreaks = LineBreaks::Lf;
    return format;
}

DocumentFormat formatOfFile(std::string_view bytes) {
    DocumentFormat format = formatOfEncoding(bytes);
    if (bytes.find('\r') == std::string_view::npos && bytes.find('\n') != std::string_view::npos)
        format.lineBreaks = LineBreaks::Lf;
    return format;
}

std::string_view withoutMark(std::string_view bytes, const DocumentFormat &format) {
    return format.byteOrderMark ? bytes.substr(cipher::utf8Mark.size()) : bytes;
}
