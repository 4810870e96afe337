// Finding a text's format from its bytes.
#include "editor/text/DocumentFormat.h"

namespace {

DocumentFormat formatOfUtf8Text(std::string_view bytes) {
    DocumentFormat format;
    format.encoding = cipher::Encoding::Utf8;
    format.byteOrderMark = bytes.starts_with(cipher::utf8Mark);
    format.lineBreaks =
        bytes.find("\r\n") != std::string_view::npos ? LineBreaks::CrLf : LineBreaks::Lf;
    return format;
}

} // namespace

DocumentFormat formatOfDecryptedText(std::string_view bytes, bool carriedAsUtf8) {
    if (carriedAsUtf8 && cipher::isValidUtf8(bytes))
        return formatOfUtf8Text(bytes);
    DocumentFormat format;
    format.encoding = cipher::encodingOf(bytes);
    // A block always carries CR LF; a UTF-8 text is a Linux text, so it is saved with LF.
    if (format.encoding == cipher::Encoding::Utf8) {
        format.byteOrderMark = bytes.starts_with(cipher::utf8Mark);
        format.lineBreaks = LineBreaks::Lf;
    }
    return format;
}

std::string_view withoutMark(std::string_view bytes, const DocumentFormat &format) {
    return format.byteOrderMark ? bytes.substr(cipher::utf8Mark.size()) : bytes;
}
