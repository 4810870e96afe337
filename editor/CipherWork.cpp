// Encrypt's and Decrypt's work after their course is set. The block goes into the editor
// directly, with no file between, so Encrypt works in any folder and touches no file of the
// user's.
#include "editor/CipherWork.h"

#include "editor/BackgroundWork.h"
#include "editor/TextEditor.h"

#include "cipher/BlockWriter.h"
#include "cipher/Lines.h"
#include "cipher/TextEncoding.h"
#include "platform/WaitCursor.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QThread>

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

} // namespace

void encryptInEditor(TextEditor &editor, const cipher::Method &method, std::string_view phrase) {
    const platform::WaitCursor busy;
    const std::string text = editor.bytes();
    editor.setBytes(background::run(
        [&] { return cipher::joinLines(cipher::writeBlock(method, text, phrase)); }));
}

cipher::Outcome<std::string_view> openInEditor(TextEditor &editor, cipher::DecryptSession &session,
                                               const cipher::PhraseSource &ask) {
    platform::WaitCursor busy;
    cipher::Outcome<cipher::DecodedText> decoded = background::run([&] {
        return session.open([&](const cipher::PhraseRequest &request) {
            return askOnInterfaceThread(ask, request, busy);
        });
    });
    if (!decoded)
        return cipher::refusedAs<std::string_view>(std::move(decoded));
    const std::string_view warning = decoded.value->warning();
    editor.setBytes(warning.empty() ? decoded.value->bytes
                                    : cipher::readAfterDamage(decoded.value->bytes));
    return {warning, {}};
}

} // namespace cipher_work
