// What the editor says of a reading once its text stands: the one place where a reading's
// report becomes the words of the editor's box.
#pragma once

#include "cipher/ReadingReport.h"

#include <QString>

namespace report_words {

// The signatures, one sentence a line in the message's order; empty when the text was not
// signed. The mail changes undone are not told: the text in the editor shows what it read.
QString signatureText(const cipher::ReadingReport &report);

} // namespace report_words
