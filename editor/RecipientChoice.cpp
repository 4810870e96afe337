// The recipients step: the method's keys listed on the worker thread under the busy cursor,
// shown in the recipients dialog, and the chosen ones with the user's own key when asked for.
#include "editor/RecipientChoice.h"

#include "editor/BackgroundWork.h"

#include "dialogs/RecipientsDialog.h"
#include "platform/WaitCursor.h"

#include <algorithm>

namespace recipient_choice {
namespace {

std::vector<cipher::RecipientKey> readKeys(const cipher::Method &method) {
    const platform::WaitCursor busy;
    return background::run([&method] { return method.recipientKeys(); });
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

} // namespace

std::optional<std::vector<std::string>> askRecipients(QWidget *owner, const cipher::Method &method) {
    const std::vector<cipher::RecipientKey> keys = readKeys(method);
    RecipientsDialog dialog(keys, owner);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return recipientsOf(dialog, keys);
}

} // namespace recipient_choice
