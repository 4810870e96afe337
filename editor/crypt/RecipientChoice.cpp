// The recipients step: the method's keys listed on the worker thread under the busy cursor,
// shown in the recipients dialog, and the chosen ones with the user's own key when asked for.
#include "editor/crypt/RecipientChoice.h"

#include "editor/crypt/BackgroundWork.h"
#include "editor/crypt/CipherDialogs.h"
#include "editor/window/DisplaySettings.h"

#include "dialogs/RecipientsDialog.h"
#include "platform/Failure.h"
#include "platform/ProfileFile.h"
#include "platform/WaitCursor.h"

#include <algorithm>

namespace recipient_choice {
namespace {

// The keys that can be written to, and the user's own signing key when the method signs.
struct Keyring {
    std::vector<cipher::RecipientKey> keys;
    std::optional<cipher::SigningKey> signer;
};

Keyring readKeys(const cipher::Method &method) {
    const platform::WaitCursor busy;
    return background::run([&method] {
        return Keyring{method.recipientKeys(), method.signingKey != nullptr
                                                   ? std::optional(method.signingKey())
                                                   : std::nullopt};
    });
}

std::vector<std::string> recipientsOf(const RecipientsDialog &dialog,
                                      const std::vector<cipher::RecipientKey> &keys) {
    std::vector<std::string> recipients = dialog.chosenFingerprints();
    if (dialog.alsoToOwnKey())
        for (const cipher::RecipientKey &key : keys)
            if (key.ownKey && std::find(recipients.begin(), recipients.end(), key.fingerprint) ==
                                  recipients.end())
                recipients.push_back(key.fingerprint);
    return recipients;
}

constexpr const char *signKey = "SignMessages";

// The own signing key offered in the dialog, checked as the user last left the box.
void offerSigning(RecipientsDialog &dialog, const cipher::SigningKey &signer) {
    std::optional<cipher::RecipientKey> named;
    if (!signer.key.fingerprint.empty())
        named = signer.key;
    const platform::ProfileFile settings{QString::fromLatin1(settingsFileName)};
    const bool checked =
        settings.readFlag(QString::fromLatin1(settingsSection), QString::fromLatin1(signKey), true);
    dialog.offerSigning(named, cipher_dialogs::messageText(signer.refusal), checked);
}

// Keeps the box's state for the next message; a settings file that cannot be written only
// forgets it.
void keepSigningChoice(bool sign) {
    platform::ProfileFile settings{QString::fromLatin1(settingsFileName)};
    try {
        settings.writeFlag(QString::fromLatin1(settingsSection), QString::fromLatin1(signKey),
                           sign);
    } catch (const platform::Failure &) {
    }
}

} // namespace

std::optional<Choice> askRecipients(QWidget *owner, const cipher::Method &method) {
    const Keyring keyring = readKeys(method);
    RecipientsDialog dialog(keyring.keys, owner);
    if (keyring.signer)
        offerSigning(dialog, *keyring.signer);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    Choice choice{recipientsOf(dialog, keyring.keys), dialog.signs()};
    // The box counts only where it could be used: a key that signs, and keys to write to.
    if (keyring.signer && keyring.signer->refusal.empty() && !choice.recipients.empty())
        keepSigningChoice(choice.sign);
    return choice;
}

} // namespace recipient_choice
