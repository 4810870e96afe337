// Measures the editor side at a 10 MB text of 200,000 lines: one status refresh (no selection,
// a large selection, tag lines at the end; a UTF-8 text with no selection, large selections
// and a selection that grows by a character before each refresh), and typing one character, and
// one line break, in the main window beside typing it in a bare QPlainTextEdit holding the same
// text.
#include "editor/text/TextEditor.h"
#include "editor/window/MainWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextBlock>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr int lineCount = 200'000;
constexpr int lineLength = 48; // 50 bytes with the line break: 10,000,000 bytes in all

// Western, Cyrillic and Chinese letters in UTF-8 at the start of each line of the UTF-8 text.
constexpr std::string_view utf8Words = "K\xC3\xB6ln \xD0\xB6\xD0\xB6 \xE4\xB8\xAD ";

std::string largeText(bool tagLinesAtEnd, std::string_view words = {}) {
    std::string text;
    text.reserve(std::size_t(lineCount) * (lineLength + 2));
    for (int i = 0; i < lineCount; ++i) {
        const bool tag = tagLinesAtEnd && i >= lineCount - 2;
        std::string line = std::string(tag ? "QvL/" : words) + (tag ? "" : "line ") +
                           std::to_string(i) + " of the benchmark text";
        line.resize(lineLength, '.');
        text += line;
        if (i + 1 < lineCount)
            text += "\r\n";
    }
    return text;
}

// Nanoseconds per call: the best of several rounds of `calls` calls each.
double nanosecondsPerCall(int rounds, int calls, const std::function<void()> &work) {
    double best = 1e18;
    for (int round = 0; round < rounds; ++round) {
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < calls; ++i)
            work();
        best = std::min(best, double(timer.nsecsElapsed()) / calls);
    }
    return best;
}

double milliseconds(const std::function<void()> &work) {
    QElapsedTimer timer;
    timer.start();
    work();
    return double(timer.nsecsElapsed()) / 1e6;
}

void report(const char *what, double nanoseconds) {
    std::printf("%-58s %12.3f us\n", what, nanoseconds / 1000.0);
}

void select(TextEditor *editor, int from, int to) {
    QTextCursor selection = editor->textCursor();
    selection.setPosition(from);
    selection.setPosition(to, QTextCursor::KeepAnchor);
    editor->setTextCursor(selection);
}

// The status refresh at a UTF-8 text, whose sizes count UTF-8 bytes.
void utf8Refreshes(MainWindow &window, TextEditor *editor) {
    editor->setBytes(largeText(false, utf8Words));
    const int end = editor->document()->characterCount() - 1;
    std::printf("UTF-8 text: %lld bytes\n", static_cast<long long>(editor->byteLength()));
    report("updateStatus, UTF-8, no selection",
           nanosecondsPerCall(7, 10'000, [&] { window.updateStatus(); }));
    select(editor, 100, end - 100);
    report("updateStatus, UTF-8, almost all selected",
           nanosecondsPerCall(7, 10'000, [&] { window.updateStatus(); }));
    select(editor, 100, end / 2);
    report("updateStatus, UTF-8, half selected",
           nanosecondsPerCall(7, 10'000, [&] { window.updateStatus(); }));
    int to = end / 2;
    report("updateStatus, UTF-8, half selected, growing each time",
           nanosecondsPerCall(7, 1'000, [&] {
               select(editor, 100, ++to);
               window.updateStatus();
           }));
    // An edit outside the selection makes the next refresh count the selection afresh.
    select(editor, 100, end / 2);
    report("updateStatus, UTF-8, half selected, after an edit", nanosecondsPerCall(7, 10, [&] {
               QTextCursor(editor->document()).insertText(QStringLiteral("x"));
               window.updateStatus();
           }));
    std::printf("  (size shown: %lld bytes, %lld selected)\n\n",
                static_cast<long long>(editor->byteLength()),
                static_cast<long long>(editor->selectionByteLength()));
}

void placeCaretMidway(QPlainTextEdit *editor) {
    QTextCursor cursor(editor->document()->findBlockByNumber(lineCount / 2));
    editor->setTextCursor(cursor);
}

// Nanoseconds per typed key in each editor, the best of rounds taken in turn, so that load from
// elsewhere on the machine falls on all alike.
std::vector<double> typingCosts(const std::vector<QPlainTextEdit *> &editors, Qt::Key key,
                                bool painted) {
    std::vector<double> best(editors.size(), 1e18);
    for (QPlainTextEdit *editor : editors)
        placeCaretMidway(editor);
    for (int round = 0; round < 15; ++round) {
        for (std::size_t i = 0; i < editors.size(); ++i) {
            best[i] = std::min(best[i], nanosecondsPerCall(1, 50, [&] {
                                   QTest::keyClick(editors[i], key);
                                   if (painted)
                                       QCoreApplication::processEvents();
                               }));
        }
    }
    return best;
}

} // namespace

int main(int argc, char *argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);

    MainWindow window;
    window.show();
    auto *editor = window.findChild<TextEditor *>(QStringLiteral("txt_SPad"));
    // The same text also goes into the editor on its own and into a bare QPlainTextEdit, each
    // as large as the window's editor.
    TextEditor alone;
    QPlainTextEdit bare;
    bare.setLineWrapMode(QPlainTextEdit::NoWrap);
    bare.setFont(editor->font());
    for (QWidget *other : {static_cast<QWidget *>(&alone), static_cast<QWidget *>(&bare)}) {
        other->resize(editor->size());
        other->show();
    }
    const std::string plain = largeText(false);
    const std::string tagged = largeText(true);
    const QString plainText = QString::fromLatin1(plain.data(), qsizetype(plain.size()));
    std::printf("text: %zu bytes, %d lines\n\n", plain.size(), lineCount);

    double loadings[2] = {1e18, 1e18};
    for (int round = 0; round < 3; ++round) {
        loadings[0] = std::min(loadings[0], milliseconds([&] { editor->setBytes(plain); }));
        loadings[1] = std::min(loadings[1], milliseconds([&] { bare.setPlainText(plainText); }));
    }
    std::printf("%-58s %12.1f ms\n", "load the text, main window (setBytes)", loadings[0]);
    std::printf("%-58s %12.1f ms\n", "load the text, bare QPlainTextEdit (setPlainText)",
                loadings[1]);
    std::printf("%-58s %12.1f ms\n\n", "whole text as bytes (bytes)",
                milliseconds([&] { (void)editor->bytes(); }));
    QCoreApplication::processEvents();

    report("updateStatus, no selection",
           nanosecondsPerCall(7, 10'000, [&] { window.updateStatus(); }));
    QTextCursor selection = editor->textCursor();
    selection.setPosition(100);
    selection.setPosition(editor->document()->characterCount() - 100, QTextCursor::KeepAnchor);
    editor->setTextCursor(selection);
    report("updateStatus, almost all selected",
           nanosecondsPerCall(7, 10'000, [&] { window.updateStatus(); }));
    editor->setBytes(tagged);
    report("updateStatus, two tag lines at the end",
           nanosecondsPerCall(7, 10'000, [&] { window.updateStatus(); }));
    std::printf("  (text type shown: %s)\n\n",
                window.holdsArmouredBlock() ? "Encrypted" : "Normal");
    utf8Refreshes(window, editor);

    editor->setBytes(plain);
    alone.setBytes(plain);
    QCoreApplication::processEvents();

    for (const Qt::Key key : {Qt::Key_A, Qt::Key_Return})
        for (const bool painted : {false, true}) {
            const std::vector<double> costs = typingCosts({editor, &alone, &bare}, key, painted);
            std::printf("type a %s%s\n", key == Qt::Key_A ? "character" : "line break",
                        painted ? " and paint" : "");
            report("  main window", costs[0]);
            report("  the editor alone", costs[1]);
            report("  bare QPlainTextEdit", costs[2]);
            std::printf("%-58s %12.2f\n", "  ratio main window / bare", costs[0] / costs[2]);
            std::printf("%-58s %12.2f\n\n", "  ratio editor alone / bare", costs[1] / costs[2]);
        }
    return 0;
}
