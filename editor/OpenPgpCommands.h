// The window's OpenPGP side: the text encrypted as an OpenPGP message to keys of the user's
// GnuPG keyring or to a phrase, and an OpenPGP message in the text decrypted. GnuPG works on
// the worker thread while the window goes on painting; every dialog is the program's own.
#pragma once

#include <string_view>

class QWidget;
class TextEditor;

namespace openpgp_commands {

// Encrypts the editor's text as an OpenPGP message: the recipients dialog, or with no key
// chosen a phrase typed twice, then the message (CR LF lines) in place of the text, leaving
// nothing to undo. Cancel anywhere, or a key GnuPG refuses, leaves the text as it was. The
// caller has already checked the text's size and asked about a text that is already a block.
void encryptInEditor(QWidget *owner, TextEditor &editor);

// Decrypts the OpenPGP message in the text, asking for the phrase of the key or of the message
// as GnuPG needs it, and offering a wrong one again. The text replaces the editor's, then the
// signature is reported; a refusal says why and leaves the text as it was. False, with nothing
// shown, when the text holds no OpenPGP message.
bool decryptInEditor(QWidget *owner, TextEditor &editor, std::string_view text);

} // namespace openpgp_commands
