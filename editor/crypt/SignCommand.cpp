// The Clear-Sign command: the editor's text signed in place with the user's own key, as a
// clear-signed OpenPGP text (readable, its signature below it), through the method that signs.
#include "editor/crypt/CipherDialogs.h"
#include "editor/crypt/CipherWork.h"
#include "editor/text/TextEditor.h"
#include "editor/window/MainWindow.h"

#include "cipher/Messages.h"
#include "cipher/Method.h"

// Refused as Encrypt refuses an empty text; the key's phrase is asked in the passphrase dialog.
void MainWindow::clearSignText() {
    if (m_editor->byteLength() == 0) {
        refuse(cipher_dialogs::messageText(cipher::messages::noTextToSign));
        return;
    }
    const cipher::Method *method = cipher::signingMethod();
    if (method == nullptr)
        return;
    const auto askKeyPhrase = [this](const cipher::PhraseRequest &request) {
        return cipher_dialogs::askPhraseOnce(this, request);
    };
    if (const auto failure = cipher_work::signInEditor(*m_editor, *method, {}, askKeyPhrase))
        refuse(cipher_dialogs::messageText(*failure));
}
