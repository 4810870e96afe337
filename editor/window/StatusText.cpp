// The captions of the status panels.
#include "editor/window/StatusText.h"

namespace status_text {

namespace {

QString bytes(qint64 count) {
    return QString::number(count) +
           (count == 1 ? QStringLiteral(" byte") : QStringLiteral(" bytes"));
}

} // namespace

QString sizeCaption(qint64 length, qint64 selected) {
    QString caption = u' ' + bytes(length);
    if (selected > 0)
        caption += QStringLiteral(", ") + bytes(selected) + QStringLiteral(" selected");
    return caption;
}

QString formatCaption(const DocumentFormat &format) {
    QString caption = format.encoding == cipher::Encoding::Utf8 ? QStringLiteral(" UTF-8")
                                                                : QStringLiteral(" Windows-1252");
    if (format.byteOrderMark)
        caption += QStringLiteral(" BOM");
    return caption + (format.lineBreaks == LineBreaks::Lf ? QStringLiteral(", LF")
                                                          : QStringLiteral(", CR LF"));
}

QString textTypeCaption(bool encrypted) {
    return encrypted ? QStringLiteral(" Encrypted Text") : QStringLiteral(" Normal Text");
}

} // namespace status_text
