// Measures Encrypt and Decrypt of the largest text Encrypt takes (22,528 bytes) in the main
// window: the work after the last dialog, from the text read out of the editor to the editor
// holding the block or the text again, under both methods, with and without a phrase. Also the
// whole Decrypt command for a block without a phrase, which opens no dialog at all, with the
// editor wrapping and not.
#include "editor/crypt/CipherWork.h"
#include "editor/text/TextEditor.h"
#include "editor/window/MainWindow.h"

#include "cipher/BlockWriter.h"
#include "cipher/KeystreamMethods.h"
#include "cipher/Lines.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr std::size_t textLength = 22528;
constexpr int rounds = 50;

// Lines of 70 bytes of every printable and accented value, as a long letter would have.
std::string largestText() {
    std::string text;
    for (int i = 0; text.size() < textLength; ++i) {
        text += char(32 + i % 224);
        if (i % 70 == 69)
            text += "\r\n";
    }
    text.resize(textLength);
    return text;
}

struct Timing {
    double best;
    double median;
};

// Milliseconds of `work`, with `prepare` run untimed before each round.
Timing measure(const std::function<void()> &prepare, const std::function<void()> &work) {
    std::vector<double> times;
    for (int round = 0; round < rounds; ++round) {
        prepare();
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return {times.front(), times[times.size() / 2]};
}

void report(const std::string &what, Timing timing) {
    std::printf("%-60s best %7.2f ms   median %7.2f ms\n", what.c_str(), timing.best,
                timing.median);
}

} // namespace

int main(int argc, char *argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);

    MainWindow window;
    window.show();
    auto *editor = window.findChild<TextEditor *>(QStringLiteral("txt_SPad"));
    const std::string text = largestText();
    std::printf("text: %zu bytes; %d rounds each\n\n", text.size(), rounds);

    for (const cipher::Method *writer : {&cipher::method00, &cipher::method01}) {
        for (const std::string phrase : {"", "ABCDEFGHIJKLMNOP"}) {
            const std::string kind =
                std::string(writer->name) + (phrase.empty() ? ", no phrase" : ", 16-letter phrase");
            report("Encrypt after the dialogs, " + kind,
                   measure([&] { editor->setBytes(text); },
                           [&] { cipher_work::encryptInEditor(*editor, *writer, phrase); }));

            const std::string block = cipher::joinLines(cipher::writeBlock(*writer, text, phrase));
            const std::vector<std::string_view> lines = cipher::splitLines(block);
            const auto given = [&phrase](const cipher::PhraseRequest &) {
                return cipher::SecretString(phrase);
            };
            report("Decrypt after the dialogs, " + kind,
                   measure([&] { editor->setBytes(block); },
                           [&] {
                               auto session = cipher::openDecryptSession(lines);
                               // The round trip is checked below on the editor's bytes.
                               [[maybe_unused]] const auto opened =
                                   cipher_work::openInEditor(*editor, **session.value, given);
                           }));
            if (editor->bytes() != text)
                std::printf("  (the round trip lost bytes)\n");
        }
    }
    std::printf("\n");
    QAction *decrypt = window.findChild<QAction *>(QStringLiteral("Decrypt1"));
    const std::string block = cipher::joinLines(cipher::writeBlock(cipher::method01, text, ""));
    for (const auto mode : {QPlainTextEdit::NoWrap, QPlainTextEdit::WidgetWidth}) {
        editor->setLineWrapMode(mode);
        report(mode == QPlainTextEdit::NoWrap ? "whole Decrypt command, no phrase"
                                              : "whole Decrypt command, no phrase, wrapping",
               measure([&] { editor->setBytes(block); }, [&] { decrypt->trigger(); }));
    }
    return 0;
}
