// The recipients step of Encrypt for a method that writes to people's keys: the keyring's keys
// read on the worker thread, then the recipients dialog.
#pragma once

#include "cipher/Method.h"

#include <optional>
#include <string>
#include <vector>

class QWidget;

namespace recipient_choice {

// The keys the message goes to: the ones chosen and, when the user asks for it, every key of
// the user's own that can encrypt, so that any of them reads the message later. None when the
// text is to be protected by a phrase instead; nothing when the user cancels.
std::optional<std::vector<std::string>> askRecipients(QWidget *owner, const cipher::Method &method);

} // namespace recipient_choice
