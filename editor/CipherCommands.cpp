// The Encrypt command and Encrypt With Specific Method: the size checks, the method, the
// question about a text that is already a block, the phrase and its confirmation, and then
// the block in place of the text. Each dialog comes before the busy cursor.
#include "editor/CipherDialogs.h"
#include "editor/CipherWork.h"
#include "editor/MainWindow.h"
#include "editor/TextEditor.h"

#include "cipher/ArmourFormat.h"
#include "cipher/ArmourWriter.h"
#include "cipher/Messages.h"
#include "cipher/Sodium.h"
#include "dialogs/MethodDialog.h"
#include "dialogs/PassphraseDialog.h"
#include "platform/Beep.h"
#include "platform/MessageBox.h"

#include <utility>

namespace {

namespace messages = cipher::messages;
using cipher_dialogs::askPhrase;
using cipher_dialogs::messageText;

// Plain Encrypt always writes Method 01.
constexpr int plainEncryptMethod = 1;

// The encoding-method dialog, made for this one choice; empty when closed without OK.
std::optional<int> askMethod(QWidget *owner) {
    MethodDialog dialog(owner);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return MethodDialog::ChosenMethod();
}

// Only No keeps the block as it is; closing the box any other way encrypts it again.
bool confirmEncryptingAgain(QWidget *owner) {
    platform::messageBeep(platform::BeepKind::Question);
    return platform::showMessageBox(owner, messageText(messages::alreadyEncrypted),
                                    platform::MessageKind::Confirmation,
                                    platform::Yes | platform::No) != platform::No;
}

// The first prompt: for Method 02, which needs a phrase, one of 1 to 64 characters with their
// case, asked again while empty; otherwise up to 16 capitals, or none.
std::optional<cipher::SecretString> askFirstPhrase(PassphraseDialog &dialog, int method) {
    if (method == cipher::method02Number)
        return cipher_dialogs::askMethod02Phrase(dialog, messages::enterNewMethod02Phrase);
    return askPhrase(dialog, messages::enterNewPhrase);
}

// The phrase to protect the block with, typed twice unless it is empty; empty when the user
// gives up. The phrases wipe themselves when they go.
std::optional<cipher::SecretString> askNewPhrase(QWidget *owner, int method) {
    return cipher_dialogs::askConfirmedPhrase(
        owner, [method](PassphraseDialog &dialog) { return askFirstPhrase(dialog, method); });
}

} // namespace

void MainWindow::EncryptUsingMethod1Click() {
    SpecificMethodRequested = true;
    btn_EncryptClick();
}

void MainWindow::btn_EncryptClick() {
    // The request serves this one run, however it ends.
    const bool specificMethod = std::exchange(SpecificMethodRequested, false);
    // The size comes from the editor's counts: a text too long is refused before any copy.
    if (const auto refusal = cipher::encryptRefusal(std::size_t(txt_SPad->byteLength()))) {
        refuse(messageText(*refusal));
        return;
    }
    const std::optional<int> method =
        specificMethod ? askMethod(this) : std::optional<int>(plainEncryptMethod);
    if (!method)
        return;
    if (IsEncryptedText() && !confirmEncryptingAgain(this))
        return;
    const std::optional<cipher::SecretString> phrase = askNewPhrase(this, *method);
    if (!phrase)
        return;
    cipher_work::encryptInEditor(*txt_SPad, *phrase, *method);
}
