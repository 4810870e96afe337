// The report's words in the editor. The sentences are the system's English ones that qvl writes
// too, built from the report's data where the signature's words are.
#include "editor/ReportWords.h"

#include "editor/CipherDialogs.h"

#include "openpgp/SignatureWords.h"

namespace report_words {

QString signatureText(const cipher::ReadingReport &report) {
    return cipher_dialogs::messageText(openpgp::describe(report.signatures));
}

} // namespace report_words
