// The captions of the two status panels.
#include "editor/StatusText.h"

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

QString textTypeCaption(bool encrypted) {
    return encrypted ? QStringLiteral(" Encrypted Text") : QStringLiteral(" Normal Text");
}

} // namespace status_text
