// Encrypting the editor's text as an OpenPGP message: the keyring's keys listed on the worker
// thread, the recipients dialog, a phrase typed twice when no key is chosen, and the message
// written by GnuPG on the worker thread under the busy cursor.
#include "editor/OpenPgpCommands.h"

#include "editor/BackgroundWork.h"
#include "editor/CipherDialogs.h"
#include "editor/OpenPgpBoxes.h"
#include "editor/TextEditor.h"

#include "dialogs/RecipientsDialog.h"
#include "openpgp/OpenPgp.h"
#include "platform/WaitCursor.h"

#include <algorithm>

namespace {

// A message's phrase: any characters with their case, as long as the entry holds, never empty.
const cipher::PhraseRule messagePhraseRule{
    cipher::PhraseRule::Characters::AsTyped, 1, openpgp_boxes::longestPhrase,
    "Enter a phrase to protect the OpenPGP message:",
    "An OpenPGP message protected by a phrase needs a phrase.  Enter a phrase."};

// What the recipients dialog offers: the keys that can encrypt, and whether the keyring holds
// a secret key of the user's.
struct Keyring {
    std::vector<openpgp::KeyEntry> keys;
    bool holdsSecretKey = false;
};

Keyring readKeyring() {
    const platform::WaitCursor busy;
    return background::run([] {
        return Keyring{openpgp::encryptionKeys(), openpgp::hasSecretKey()};
    });
}

QList<RecipientKey> shownKeys(const std::vector<openpgp::KeyEntry> &keys) {
    QList<RecipientKey> shown;
    for (const openpgp::KeyEntry &key : keys) {
        RecipientKey entry{QString::fromStdString(key.fingerprint), {}};
        for (const std::string &userId : key.userIds)
            entry.userIds << openpgp_boxes::shown(userId);
        shown << entry;
    }
    return shown;
}

// The fingerprints the message goes to: the ones chosen and, when asked for, every key of the
// user's own that can encrypt, so that any of them reads the message later.
std::vector<std::string> recipientsOf(const RecipientsDialog &dialog,
                                      const std::vector<openpgp::KeyEntry> &keys) {
    std::vector<std::string> recipients;
    for (const QString &fingerprint : dialog.chosenFingerprints())
        recipients.push_back(fingerprint.toStdString());
    if (dialog.alsoToOwnKey())
        for (const openpgp::KeyEntry &key : keys)
            if (key.hasSecret && std::find(recipients.begin(), recipients.end(), key.fingerprint) ==
                                     recipients.end())
                recipients.push_back(key.fingerprint);
    return recipients;
}

// The recipients chosen, none for a phrase; nothing when the user cancels.
std::optional<std::vector<std::string>> askRecipients(QWidget *owner) {
    const Keyring keyring = readKeyring();
    RecipientsDialog dialog(shownKeys(keyring.keys), keyring.holdsSecretKey, owner);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return recipientsOf(dialog, keyring.keys);
}

} // namespace

namespace openpgp_commands {

void encryptInEditor(QWidget *owner, TextEditor &editor) {
    const std::optional<std::vector<std::string>> recipients = askRecipients(owner);
    if (!recipients)
        return;
    std::optional<cipher::SecretString> phrase;
    if (recipients->empty() && !(phrase = cipher_dialogs::askNewPhrase(owner, messagePhraseRule)))
        return;
    platform::WaitCursor busy;
    const std::string text = editor.bytes();
    const openpgp::Encryption message = background::run([&] {
        return phrase ? openpgp::encryptWithPhrase(text, *phrase)
                      : openpgp::encryptToKeys(text, *recipients);
    });
    busy.release();
    if (!message.ok) {
        openpgp_boxes::refuse(owner, message.error);
        return;
    }
    editor.setBytes(message.armour);
}

} // namespace openpgp_commands
