// The Encrypt command and Encrypt With Specific Method: the size checks, the method, the
// question about a text that is already a block, the phrase and its confirmation, and then
// the block in place of the text. Each dialog comes before the busy cursor.
#include "editor/crypt/CipherDialogs.h"
#include "editor/crypt/CipherWork.h"
#include "editor/crypt/RecipientChoice.h"
#include "editor/text/TextEditor.h"
#include "editor/window/MainWindow.h"

#include "cipher/BlockWriter.h"
#include "cipher/Messages.h"
#include "dialogs/MethodDialog.h"
#include "platform/MessageBox.h"

namespace {

namespace messages = cipher::messages;
using cipher_dialogs::messageText;

// The encoding-method dialog, made for this one choice; null when closed without OK.
const cipher::Method *askMethod(QWidget *owner) {
    MethodDialog dialog(owner);
    return dialog.exec() == QDialog::Accepted ? dialog.chosenMethod() : nullptr;
}

// Only No keeps the block as it is; closing the box any other way encrypts it again.
bool confirmEncryptingAgain(QWidget *owner) {
    return platform::beepAndShowMessageBox(owner, messageText(messages::alreadyEncrypted),
                                           platform::MessageKind::Confirmation,
                                           platform::Yes | platform::No) != platform::No;
}

} // namespace

void MainWindow::encryptWithSpecificMethod() {
    encrypt(MethodChoice::Asked);
}

void MainWindow::encryptText() {
    encrypt(MethodChoice::Plain);
}

void MainWindow::encrypt(MethodChoice choice) {
    // The size comes from the editor's counts: a text too long is refused before any copy.
    if (const auto refusal = cipher::encryptRefusal(std::size_t(m_editor->byteLength()))) {
        refuse(messageText(*refusal));
        return;
    }
    const cipher::Method *method =
        choice == MethodChoice::Asked ? askMethod(this) : &cipher::plainEncryptMethod();
    if (method == nullptr)
        return;
    if (holdsArmouredBlock() && !confirmEncryptingAgain(this))
        return;
    recipient_choice::Choice chosen;
    if (method->recipientKeys != nullptr) {
        std::optional<recipient_choice::Choice> asked =
            recipient_choice::askRecipients(this, *method);
        if (!asked)
            return;
        chosen = std::move(*asked);
    }
    const std::vector<std::string> &recipients = chosen.recipients;
    std::optional<cipher::SecretString> phrase;
    if (recipients.empty() && !(phrase = cipher_dialogs::askNewPhrase(this, method->phraseRule)))
        return;
    const auto askKeyPhrase = [this](const cipher::PhraseRequest &request) {
        return cipher_dialogs::askPhraseOnce(this, request);
    };
    const std::optional<std::string> failure =
        phrase        ? cipher_work::encryptInEditor(*m_editor, *method, *phrase)
        : chosen.sign ? cipher_work::signInEditor(*m_editor, *method, recipients, askKeyPhrase)
                      : cipher_work::encryptToKeysInEditor(*m_editor, *method, recipients);
    if (failure)
        refuse(messageText(*failure));
}
