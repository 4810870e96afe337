// Encrypt's and Decrypt's work after their dialogs. The block goes into the editor directly,
// with no file between, so Encrypt works in any folder and touches no file of the user's.
#include "editor/CipherWork.h"

#include "editor/BackgroundWork.h"
#include "editor/TextEditor.h"

#include "cipher/ArmourDecoder.h"
#include "cipher/ArmourWriter.h"
#include "cipher/Lines.h"
#include "cipher/TextEncoding.h"
#include "platform/WaitCursor.h"

namespace cipher_work {

void encryptInEditor(TextEditor &editor, std::string_view phrase, int method) {
    const platform::WaitCursor busy;
    const std::string text = editor.bytes();
    editor.setBytes(background::run(
        [&] { return cipher::joinLines(cipher::ArmourWriter(text, phrase, method)); }));
}

std::string_view decryptInEditor(TextEditor &editor, cipher::LineList lines,
                                 const cipher::ArmouredBlock &block, std::string_view phrase) {
    const platform::WaitCursor busy;
    const cipher::DecodedText decoded = cipher::decodeText(lines, block, phrase);
    const std::string_view warning = decoded.warning();
    editor.setBytes(warning.empty() ? decoded.bytes : cipher::readAfterDamage(decoded.bytes));
    return warning;
}

bool openMethod02InEditor(TextEditor &editor, const cipher::method02::SealedBody &body,
                          std::string_view phrase) {
    const platform::WaitCursor busy;
    const std::optional<std::string> text =
        background::run([&] { return cipher::method02::open(body, phrase); });
    if (text)
        editor.setBytes(*text);
    return text.has_value();
}

} // namespace cipher_work
