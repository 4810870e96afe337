// The report's words in the editor. Its signature sentences are the system's English ones, which
// qvl writes too; words of the editor's own (a translation's) take their place here.
#include "editor/crypt/ReportWords.h"

#include "editor/crypt/CipherDialogs.h"

#include "openpgp/SignatureWords.h"

namespace report_words {

QString signatureText(const cipher::ReadingReport &report) {
    return cipher_dialogs::messageText(openpgp::describe(report.signatures));
}

} // namespace report_words
