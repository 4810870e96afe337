// The recipients step: the method's keys listed on the worker thread under the busy cursor,
// shown in the recipients dialog, and the chosen ones with the user's own key when asked for.
#include "editor/RecipientChoice.h"

#include "editor/BackgroundWork.h"
#include "editor/CipherDialogs.h"

#include "dialogs/RecipientsDialog.h"
#include "platform/WaitCursor.h"

#include <algorithm>

namespace recipient_choice {
namespace {

std::vector<cipher::RecipientKey> readKeys(const cipher::Method &method) {
    const platform::WaitCursor busy;
    return background::run([&method] { return method.recipientKeys(); });
}

QList<RecipientKey> shownKeys(const std::vector<cipher::RecipientKey> &keys) {
    QList<RecipientKey> shown;
    for (const cipher::RecipientKey &key : keys) {
        RecipientKey entry{QString::fromStdString(key.fingerprint), {}, key.validity};
        for (const std::string &userId : key.userIds)
            entry.userIds << cipher_dialogs::messageText(userId);
        shown << entry;
    }
    return shown;
}

// The user's own key as the dialog shows it, when the keyring holds one.
std::optional<RecipientKey> ownKeyOf(const std::vector<cipher::RecipientKey> &keys,
                                     const QList<RecipientKey> &shown) {
    const auto own = std::find_if(keys.begin(), keys.end(),
                                  [](const cipher::RecipientKey &key) { return key.ownKey; });
    if (own == keys.end())
        return std::nullopt;
    return shown[own - keys.begin()];
}

std::vector<std::string> recipientsOf(const RecipientsDialog &dialog,
                                      const std::vector<cipher::RecipientKey> &keys) {
    std::vector<std::string> recipients;
    for (const QString &fingerprint : dialog.chosenFingerprints())
        recipients.push_back(fingerprint.toStdString());
    if (dialog.alsoToOwnKey())
        for (const cipher::RecipientKey &key : keys)
            if (key.ownKey && std::find(recipients.begin(), recipients.end(), key.fingerprint) ==
                                  recipients.end())
                recipients.push_back(key.fingerprint);
    return recipients;
}

} // namespace

std::optional<std::vector<std::string>> askRecipients(QWidget *owner, const cipher::Method &method) {
    const std::vector<cipher::RecipientKey> keys = readKeys(method);
    const QList<RecipientKey> shown = shownKeys(keys);
    RecipientsDialog dialog(shown, ownKeyOf(keys, shown), owner);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return recipientsOf(dialog, keys);
}

} // namespace recipient_choice
