// The captions of the two status panels.
#pragma once

#include <QString>

namespace status_text {

// " 120 bytes", " 1 byte", " 120 bytes, 45 bytes selected": plain decimal counts of bytes.
QString sizeCaption(qint64 length, qint64 selected);

// " Encrypted Text" or " Normal Text".
QString textTypeCaption(bool encrypted);

} // namespace status_text
