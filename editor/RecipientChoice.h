// The recipients step of Encrypt for a method that writes to people's keys: the keyring's keys
// read on the worker thread, then the recipients dialog.
#pragma once

#include "cipher/Method.h"

#include <optional>
#include <string>
#include <vector>

class QWidget;

namespace recipient_choice {

// The keys the message goes to: the ones chosen and, when the user asks for it, the user's own
// key (GnuPG's default key, else the first secret key that can encrypt), so that the user reads
// the message later. None when the text is to be protected by a phrase instead; nothing when
// the user cancels.
std::optional<std::vector<std::string>> askRecipients(QWidget *owner, const cipher::Method &method);

} // namespace recipient_choice
