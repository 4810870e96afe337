// Encrypt's and Decrypt's work after their dialogs. The block goes into the editor directly,
// with no file between, so Encrypt works in any folder and touches no file of the user's.
#include "editor/CipherWork.h"

#include "editor/SPadEditor.h"

#include "cipher/ArmourDecoder.h"
#include "cipher/ArmourWriter.h"
#include "cipher/Lines.h"
#include "platform/WaitCursor.h"

namespace cipher_work {

void encryptInEditor(SPadEditor &editor, std::string_view phrase, int method) {
    const platform::WaitCursor busy;
    editor.setBytes(cipher::joinLines(cipher::ArmourWriter(editor.bytes(), phrase, method)));
}

std::string_view decryptInEditor(SPadEditor &editor, cipher::LineList lines,
                                 const cipher::ArmouredBlock &block, std::string_view phrase) {
    const platform::WaitCursor busy;
    const cipher::DecodedText decoded = cipher::decodeText(lines, block, phrase);
    editor.setBytes(decoded.bytes);
    return decoded.warning();
}

} // namespace cipher_work
