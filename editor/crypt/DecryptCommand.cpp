// The Decrypt command: what the text holds found among its own lines, the phrase asked for when
// it is protected, as often as the user retries, and the text it carries in place of the
// editor's text, with a warning when the block ended early or its checksum disagrees.
#include "editor/crypt/CipherDialogs.h"
#include "editor/crypt/CipherWork.h"
#include "editor/crypt/ReportWords.h"
#include "editor/text/EditorCapacity.h"
#include "editor/text/TextEditor.h"
#include "editor/window/MainWindow.h"

#include "cipher/DecryptSession.h"
#include "cipher/Lines.h"
#include "cipher/Messages.h"
#include "platform/MessageBox.h"

namespace {

namespace messages = cipher::messages;

// What the reading has to say once the text stands (a signature): a warning with its beep when
// it casts a doubt, else told plainly.
void reportAfterText(QWidget *owner, const cipher::ReadingReport &report) {
    const QString words = report_words::signatureText(report);
    if (words.isEmpty())
        return;
    platform::beepAndShowMessageBox(owner, words,
                                    cipher::warns(report.signatures)
                                        ? platform::MessageKind::Warning
                                        : platform::MessageKind::Information,
                                    platform::Ok);
}

} // namespace

// Damage and later versions are found before anything is asked, so they are never taken for a
// wrong phrase; nothing but the text the phrase opens ever reaches the editor.
void MainWindow::decrypt(cipher::DecryptSession &session) {
    const auto ask = [this](const cipher::PhraseRequest &request) {
        return cipher_dialogs::askPhraseOnce(this, request);
    };
    for (;;) {
        const cipher::Outcome<std::string_view> opened =
            cipher_work::openInEditor(*m_editor, session, ask);
        if (opened) {
            if (!opened.value->empty())
                cipher_dialogs::warn(this, *opened.value);
            reportAfterText(this, session.report());
            return;
        }
        if (opened.reason == cipher::Reason::Cancelled)
            return;
        // A signature that denies the text (a clear-signed text changed after signing) warns,
        // the text left as it stood.
        if (opened.reason != cipher::Reason::WrongPhrase) {
            if (cipher::warns(session.report().signatures))
                cipher_dialogs::warn(this, opened.refusal);
            else
                refuse(cipher_dialogs::messageText(opened.refusal));
            return;
        }
        if (!cipher_dialogs::retryAfterMismatch(this, opened.refusal))
            return;
    }
}

void MainWindow::decryptText() {
    if (m_editor->byteLength() == 0) {
        refuse(cipher_dialogs::messageText(messages::noTextToDecrypt));
        return;
    }
    // The lines split from the text's bytes are its own lines whatever the editor's wrapping,
    // so the wrapping is never switched off to read them. A block that mail quoted, indented or
    // re-wrapped is read from its repaired lines.
    const std::string text = m_editor->bytes();
    const std::vector<std::string_view> lines = cipher::splitLines(text);
    const auto session = cipher::openDecryptSession(lines);
    if (!session) {
        refuse(cipher_dialogs::messageText(session.refusal));
        return;
    }
    // No text larger than the largest file the editor opens.
    (*session.value)->setLongestText(std::size_t(editor_capacity::fileBytes));
    decrypt(**session.value);
}
