// Encrypt's and Decrypt's work after their course is set. The block goes into the editor
// directly, with no file between, so Encrypt works in any folder and touches no file of the
// user's.
#include "editor/crypt/CipherWork.h"

#include "editor/crypt/BackgroundWork.h"
#include "editor/text/TextEditor.h"

#include "cipher/BlockWriter.h"
#include "cipher/Lines.h"
#include "cipher/TextEncoding.h"
#include "platform/WaitCursor.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QThread>

#include <stdexcept>

namespace cipher_work {
namespace {

// The request answered on the user-interface thread, the busy cursor lifted meanwhile; the
// worker waits for the answer.
std::optional<cipher::SecretString> askOnInterfaceThread(const cipher::PhraseSource &ask,
                                                         const cipher::PhraseRequest &request,
                                                         platform::WaitCursor &busy) {
    std::optional<cipher::SecretString> phrase;
    const auto answer = [&] {
        busy.release();
        phrase = ask(request);
        busy.hold();
    };
    if (QThread::currentThread() == qApp->thread())
        answer();
    else
        QMetaObject::invokeMethod(qApp, answer, Qt::BlockingQueuedConnection);
    return phrase;
}

using Written = cipher::Outcome<std::vector<std::string>>;

// The editor's text written by `write` on the worker thread under the busy cursor; the lines
// replace the text when it succeeds, else the words of the failure are answered. The method is
// handed the document's bytes, or the characters as UTF-8 when it carries its text so.
template <class Write>
std::optional<std::string> writeInBackground(TextEditor &editor, const cipher::Method &method,
                                             Write write) {
    const platform::WaitCursor busy;
    const std::string text = method.carriesUtf8 ? editor.utf8Text() : editor.bytes();
    const Written written = background::run([&] { return write(text); });
    if (!written)
        return written.refusal;
    editor.setBytes(cipher::joinLines(*written.value));
    return std::nullopt;
}

} // namespace

std::optional<std::string> encryptInEditor(TextEditor &editor, const cipher::Method &method,
                                           std::string_view phrase) {
    return writeInBackground(editor, method, [&](const std::string &text) -> Written {
        try {
            return {cipher::writeBlock(method, text, phrase), {}};
        } catch (const std::runtime_error &failure) {
            return cipher::refused<std::vector<std::string>>(cipher::Reason::Failed,
                                                             failure.what());
        }
    });
}

std::optional<std::string> encryptToKeysInEditor(TextEditor &editor, const cipher::Method &method,
                                                 const std::vector<std::string> &keys) {
    return writeInBackground(
        editor, method, [&](const std::string &text) { return method.writeToKeys(text, keys); });
}

// Written on the worker thread, the key's phrase asked on this one.
std::optional<std::string> signInEditor(TextEditor &editor, const cipher::Method &method,
                                        const std::vector<std::string> &keys,
                                        const cipher::PhraseSource &ask) {
    platform::WaitCursor busy;
    const std::string text = editor.utf8Text();
    const cipher::PhraseSource askHere = [&](const cipher::PhraseRequest &request) {
        return askOnInterfaceThread(ask, request, busy);
    };
    const Written written = background::run([&] {
        return keys.empty() ? method.signText(text, askHere)
                            : method.writeSignedToKeys(text, keys, askHere);
    });
    if (!written)
        return written.reason == cipher::Reason::Cancelled ? std::nullopt
                                                           : std::optional(written.refusal);
    // A message leaves nothing to undo, as Encrypt's do; a signed text is still the text.
    if (keys.empty())
        editor.setBytesAsEdit(cipher::joinLines(*written.value), true);
    else
        editor.setBytes(cipher::joinLines(*written.value));
    return std::nullopt;
}

cipher::Outcome<std::string_view> openInEditor(TextEditor &editor, cipher::DecryptSession &session,
                                               const cipher::PhraseSource &ask) {
    platform::WaitCursor busy;
    const auto open = [&] {
        return session.open([&](const cipher::PhraseRequest &request) {
            return askOnInterfaceThread(ask, request, busy);
        });
    };
    cipher::Outcome<cipher::DecodedText> decoded =
        session.opensSlowly() ? background::run(open) : open();
    if (!decoded)
        return cipher::refusedAs<std::string_view>(std::move(decoded));
    const std::string_view warning = decoded.value->warning();
    // Undo brings back the text as it stood, the block and what surrounds it.
    if (warning.empty())
        editor.setBytesAsEdit(decoded.value->bytes, decoded.value->carriedAsUtf8);
    else
        editor.setBytesAsEdit(cipher::readAfterDamage(decoded.value->bytes));
    return {warning, {}};
}

} // namespace cipher_work
