// The report's words in the editor: the system's English sentences, which qvl writes too, shown in
// the user's language.
#include "editor/crypt/ReportWords.h"

#include "editor/crypt/CipherDialogs.h"

#include "openpgp/SignatureWords.h"

namespace report_words {

QString signatureText(const cipher::ReadingReport &report) {
    return cipher_dialogs::messageText(openpgp::describe(report.signatures));
}

} // namespace report_words
