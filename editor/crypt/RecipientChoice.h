// The recipients step of Encrypt for a method that writes to people's keys: the keyring's keys
// read on the worker thread, then the recipients dialog.
#pragma once

#include "cipher/Method.h"

#include <optional>
#include <string>
#include <vector>

class QWidget;

namespace recipient_choice {

struct Choice {
    std::vector<std::string> recipients;
    bool sign = false; // signed by the user's own key as well
};

// The keys the message goes to: the ones chosen and, when the user asks for it, the user's own
// key (GnuPG's default key, else the first secret key that can encrypt), so that the user reads
// the message later. No recipient when the text is to be protected by a phrase instead; nothing
// when the user cancels. For a method that signs, the dialog offers to sign with the user's own
// signing key, checked as the user last left it (kept in the settings file) when that key can
// sign.
std::optional<Choice> askRecipients(QWidget *owner, const cipher::Method &method);

} // namespace recipient_choice
