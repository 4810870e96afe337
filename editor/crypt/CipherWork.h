// The work Encrypt and Decrypt do once the text's course is set: the text turned into a block or
// a block into its text, on a worker thread under the busy cursor, put straight into the editor.
#pragma once

#include "cipher/DecryptSession.h"
#include "cipher/Method.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

class TextEditor;

namespace cipher_work {

// Replaces the editor's whole text with the method's block, every line ended by CR LF. The text
// holds 1..22,528 bytes (Encrypt has refused any other). Leaves nothing to undo. The block is
// written on a worker thread, as a key derivation takes a good part of a second. Answers the
// words of a writer that failed, with the text as it was.
std::optional<std::string> encryptInEditor(TextEditor &editor, const cipher::Method &method,
                                           std::string_view phrase);

// The same for a message to people's keys; the words name a key the method cannot write to.
std::optional<std::string> encryptToKeysInEditor(TextEditor &editor, const cipher::Method &method,
                                                 const std::vector<std::string> &keys);

// The same for a message to people's keys signed with the user's own key, or for the text
// clear-signed with it (`keys` empty): the key's phrase is asked by `ask` on this thread with
// the normal cursor. A signed text stands as an edit that Undo takes back, in UTF-8. Answers the
// words of a refusal (a key that cannot sign, a wrong phrase), nothing when the user gave no
// phrase, with the text as it was.
std::optional<std::string> signInEditor(TextEditor &editor, const cipher::Method &method,
                                        const std::vector<std::string> &keys,
                                        const cipher::PhraseSource &ask);

// Opens the session (on a worker thread when it opens slowly), `ask` answering its phrase
// request on this thread with the normal cursor, and, when it opens, replaces the editor's
// whole text with the text it carries (read as damaged text when it comes with a warning). Answers
// the warning to show afterwards (empty when verified) or the session's refusal, with the editor as
// it was. The busy cursor is gone when it returns.
cipher::Outcome<std::string_view> openInEditor(TextEditor &editor, cipher::DecryptSession &session,
                                               const cipher::PhraseSource &ask);

} // namespace cipher_work
