// The Decrypt command: the block found among the text's own lines, its header checked, the
// phrase asked for when the block is protected, and the text it carries in place of the
// editor's text, with a warning when the block ended early or its checksum disagrees.
#include "editor/CipherDialogs.h"
#include "editor/CipherWork.h"
#include "editor/MainWindow.h"
#include "editor/OpenPgpCommands.h"
#include "editor/TextEditor.h"

#include "cipher/ArmourDecoder.h"
#include "cipher/BlockReading.h"
#include "cipher/Lines.h"
#include "cipher/Messages.h"
#include "cipher/Method02.h"
#include "cipher/Sodium.h"
#include "dialogs/PassphraseDialog.h"

namespace {

namespace messages = cipher::messages;

// A new passphrase dialog for one attempt, gone as soon as it closes.
std::optional<cipher::SecretString> askBlockPhraseOnce(QWidget *owner) {
    PassphraseDialog dialog(owner);
    return cipher_dialogs::askPhrase(dialog, messages::enterPhrase);
}

std::optional<cipher::SecretString> askMethod02PhraseOnce(QWidget *owner) {
    PassphraseDialog dialog(owner);
    return cipher_dialogs::askMethod02Phrase(dialog, messages::enterPhrase);
}

// The phrase that opens the block: empty for a block without one, asked for until it matches
// for a protected block; no phrase when the user gives up.
std::optional<cipher::SecretString> askBlockPhrase(QWidget *owner, cipher::LineList lines,
                                          const cipher::ArmouredBlock &block) {
    if (!block.isProtected())
        return cipher::SecretString();
    for (;;) {
        std::optional<cipher::SecretString> phrase = askBlockPhraseOnce(owner);
        if (!phrase)
            return std::nullopt;
        if (cipher::phraseMatches(lines, block, *phrase))
            return phrase;
        if (!cipher_dialogs::retryAfterMismatch(owner, messages::wrongPhrase))
            return std::nullopt;
    }
}

} // namespace

// Method 02: the body is proved intact before anything is asked, so damage is never taken for a
// wrong phrase; then the phrase is asked for until the block's tag proves it. Nothing but the
// whole, proved text ever reaches the editor.
void MainWindow::decryptMethod02(cipher::LineList lines, const cipher::ArmouredBlock &block) {
    const cipher::Outcome<cipher::method02::SealedBody> body =
        cipher::method02::readBody(lines, block);
    if (!body) {
        refuse(cipher_dialogs::messageText(body.refusal));
        return;
    }
    for (;;) {
        const std::optional<cipher::SecretString> phrase = askMethod02PhraseOnce(this);
        if (!phrase)
            return;
        if (cipher_work::openMethod02InEditor(*txt_SPad, *body.value, *phrase))
            return;
        if (!cipher_dialogs::retryAfterMismatch(this, messages::wrongPhrase))
            return;
    }
}

void MainWindow::btn_DecryptClick() {
    if (txt_SPad->byteLength() == 0) {
        refuse(cipher_dialogs::messageText(messages::noTextToDecrypt));
        return;
    }
    // The lines split from the text's bytes are its own lines whatever the editor's wrapping,
    // so the wrapping is never switched off to read them.
    const std::string text = txt_SPad->bytes();
    // A block that mail quoted, indented or re-wrapped is read from its repaired lines.
    const std::vector<std::string_view> lines = cipher::splitLines(text);
    const cipher::BlockReading reading = cipher::readBlock(lines);
    const cipher::Outcome<cipher::ArmouredBlock> &opened = reading.opened;
    if (!opened) {
        // Only a text without a block of ours is read as an OpenPGP message.
        if (!IsEncryptedText() &&
            openpgp_commands::decryptInEditor(this, *txt_SPad, text))
            return;
        refuse(cipher_dialogs::messageText(opened.refusal));
        return;
    }
    if (opened.value->header.isMethod02()) {
        decryptMethod02(reading.lines, *opened.value);
        return;
    }
    const std::optional<cipher::SecretString> phrase =
        askBlockPhrase(this, reading.lines, *opened.value);
    if (!phrase)
        return;
    const std::string_view warning =
        cipher_work::decryptInEditor(*txt_SPad, reading.lines, *opened.value, *phrase);
    if (!warning.empty())
        cipher_dialogs::warn(this, warning);
}
