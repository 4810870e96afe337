// The captions of the status panels.
#pragma once

#include "editor/text/DocumentFormat.h"

#include <QString>

namespace status_text {

// " 120 bytes", " 1 byte", " 120 bytes, 45 bytes selected": plain decimal counts of bytes.
QString sizeCaption(qint64 length, qint64 selected);

// " Windows-1252, CR LF", " UTF-8, LF", " UTF-8 BOM, CR LF": the document's encoding, with
// the byte-order mark when it has one, and its line breaks.
QString formatCaption(const DocumentFormat &format);

// " Encrypted Text" or " Normal Text".
QString textTypeCaption(bool encrypted);

} // namespace status_text
