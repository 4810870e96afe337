// Decrypting an OpenPGP message in the text: GnuPG works on the worker thread, and when it needs
// the phrase of a key or of the message the user-interface thread asks for it in the passphrase
// dialog while the worker waits. Then the text, and the signature's report.
#include "editor/OpenPgpCommands.h"

#include "editor/BackgroundWork.h"
#include "editor/CipherDialogs.h"
#include "editor/OpenPgpBoxes.h"
#include "editor/TextEditor.h"

#include "dialogs/PassphraseDialog.h"
#include "openpgp/OpenPgp.h"
#include "platform/MessageBox.h"
#include "platform/WaitCursor.h"

#include <QMetaObject>

namespace {

// GnuPG's phrases: any characters with their case, as long as the entry holds; an empty one is
// GnuPG's to refuse.
const cipher::PhraseRule gnupgPhraseRule{
    cipher::PhraseRule::Characters::AsTyped, 0, openpgp_boxes::longestPhrase, {}, {}};

// Asks for the phrase that GnuPG wants, naming the key as GnuPG does, in a new passphrase dialog
// that keeps any character and its case, of any length.
std::optional<cipher::SecretString> askPhrase(QWidget *owner,
                                              const openpgp::PhraseRequest &request) {
    PassphraseDialog dialog(owner);
    dialog.setPhraseRule(gnupgPhraseRule);
    dialog.setPrompt(openpgp_boxes::shown(request.prompt));
    const bool given = dialog.exec() == QDialog::Accepted;
    std::optional<cipher::SecretString> phrase;
    if (given)
        phrase = dialog.phrase();
    dialog.forgetPhrase();
    return phrase;
}

// One attempt on the worker thread under the busy cursor. A phrase request from GnuPG is
// answered on the user-interface thread, which the worker waits for; the busy cursor gives way
// to the normal one while the dialog is open.
openpgp::Decryption attempt(QWidget *owner, const openpgp::DecryptSession &session) {
    std::optional<platform::WaitCursor> busy(std::in_place);
    const openpgp::PhraseSource askOnWindowThread = [&](const openpgp::PhraseRequest &request) {
        std::optional<cipher::SecretString> phrase;
        QMetaObject::invokeMethod(
            owner,
            [&] {
                busy.reset();
                phrase = askPhrase(owner, request);
                busy.emplace();
            },
            Qt::BlockingQueuedConnection);
        return phrase;
    };
    return background::run([&] { return session.attempt(askOnWindowThread); });
}

// The signature, after the text stands: a bad one is a warning with its beep; a good one, or
// one by a key the keyring does not hold, is told plainly.
void reportSignature(QWidget *owner, const openpgp::SignatureReport &signature) {
    const std::string words = openpgp::describe(signature);
    if (words.empty())
        return;
    const bool bad = signature.verdict == openpgp::SignatureVerdict::Bad;
    platform::beepAndShowMessageBox(
        owner, openpgp_boxes::shown(words),
        bad ? platform::MessageKind::Warning : platform::MessageKind::Information, platform::Ok);
}

// The editor holds no zero byte: the text ends before the first one, as a block's text does.
std::string_view upToZeroByte(std::string_view text) {
    return text.substr(0, text.find('\0'));
}

} // namespace

namespace openpgp_commands {

bool decryptInEditor(QWidget *owner, TextEditor &editor, std::string_view text) {
    std::optional<openpgp::FoundMessage> found = openpgp::findMessage(text);
    if (!found)
        return false;
    const openpgp::DecryptSession session(std::move(*found));
    for (;;) {
        const openpgp::Decryption decryption = attempt(owner, session);
        switch (decryption.refusal) {
        case openpgp::Refusal::None:
            editor.setBytes(upToZeroByte(decryption.text));
            reportSignature(owner, decryption.signature);
            return true;
        case openpgp::Refusal::WrongPhrase:
            if (cipher_dialogs::retryAfterMismatch(owner, decryption.words))
                continue;
            return true;
        case openpgp::Refusal::Cancelled:
            return true;
        default:
            openpgp_boxes::refuse(owner, decryption.words);
            return true;
        }
    }
}

} // namespace openpgp_commands
