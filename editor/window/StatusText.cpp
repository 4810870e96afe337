// The captions of the status panels, in the user's language; the encodings and line breaks
// are named by their own terms.
#include "editor/window/StatusText.h"

#include <QCoreApplication>

namespace status_text {

namespace {

// English has no catalogue, so its "1 byte" is a text of its own; the translation inflects every
// other count. The editor's text stays far below the largest count a plural form takes.
QString bytes(qint64 count) {
    return count == 1 ? QCoreApplication::translate("StatusText", "1 byte")
                      : QCoreApplication::translate("StatusText", "%n bytes", nullptr, int(count));
}

} // namespace

QString sizeCaption(qint64 length, qint64 selected) {
    const QString size = bytes(length);
    if (selected <= 0)
        return u' ' + size;
    return u' ' +
           QCoreApplication::translate("StatusText", "%1, %2 selected").arg(size, bytes(selected));
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
    return u' ' + (encrypted ? QCoreApplication::translate("StatusText", "Encrypted Text")
                             : QCoreApplication::translate("StatusText", "Normal Text"));
}

} // namespace status_text
