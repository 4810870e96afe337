// The work Encrypt and Decrypt do once their last dialog has closed: the text turned into a
// block or a block into its text, put straight into the editor under the busy cursor.
#pragma once

#include "cipher/ArmourReader.h"
#include "cipher/Method02.h"

#include <string_view>

class TextEditor;

namespace cipher_work {

// Replaces the editor's whole text with its armoured block, every line ended by CR LF. The
// text holds 1..22,528 bytes (Encrypt has refused any other). Leaves nothing to undo. The block
// is written on a worker thread, as Method 02's key derivation takes a good part of a second.
void encryptInEditor(TextEditor &editor, std::string_view phrase, int method);

// Replaces the editor's whole text with the text the block carries, up to its first zero
// byte, and returns the warning to show afterwards (empty when the checksum agrees). The
// busy cursor is gone when it returns, so the warning shows with the normal cursor.
std::string_view decryptInEditor(TextEditor &editor, cipher::LineList lines,
                                 const cipher::ArmouredBlock &block, std::string_view phrase);

// Opens a Method 02 block with the phrase on a worker thread and, when the phrase is right,
// replaces the editor's whole text with the text. False, with the editor as it was, when the
// phrase is wrong. The busy cursor is gone when it returns.
bool openMethod02InEditor(TextEditor &editor, const cipher::method02::SealedBody &body,
                          std::string_view phrase);

} // namespace cipher_work
