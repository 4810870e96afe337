// Measures opening a 10 MB text of 200,000 lines through the loading steps of Open (the file
// read, its format found, its line breaks normalised, the editor replaced and the status
// refreshed), for an ASCII file, a Windows-1252 file and a UTF-8 file of the same size, beside
// a bare QPlainTextEdit's setPlainText of the ASCII text, in turns in one run. Given a size in
// megabytes (and a line length), it instead opens one file of that size once and reports the
// time and the peak memory, the figures the editor's capacity is chosen from.
#include "editor/MainWindow.h"
#include "editor/TextEditor.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <string_view>
#include <sys/resource.h>
#include <vector>

namespace {

constexpr int lineCount = 200'000;
constexpr int lineLength = 48; // 50 bytes with the line break: 10,000,000 bytes in all
constexpr int rounds = 15;

// The lines end with LF alone, as most files written on this platform do, so that Open also
// has line breaks to normalise. Each line begins with `words` (of the same number of bytes in
// every file), so the files differ only in their encoding.
std::string largeText(std::string_view words) {
    std::string text;
    text.reserve(std::size_t(lineCount) * (lineLength + 1));
    for (int i = 0; i < lineCount; ++i) {
        std::string line = std::string(words) + " line " + std::to_string(i);
        line.resize(lineLength, '.');
        text += line + '\n';
    }
    return text;
}

// Plain ASCII, accented Western letters in Windows-1252 (not valid UTF-8), and Western,
// Cyrillic and Chinese letters in UTF-8: 14 bytes each.
constexpr std::string_view asciiWords = "Gruesse Koelnn";
constexpr std::string_view windows1252Words = "Gr\xFC\xDF"
                                              "e aus K\xF6ln";
constexpr std::string_view utf8Words = "K\xC3\xB6ln \xD0\xB6\xD0\xB6 \xE4\xB8\xAD";

bool writeFile(const QString &path, const std::string &text) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) &&
           file.write(text.data(), qint64(text.size())) == qint64(text.size());
}

struct Timing {
    double best;
    double median;
};

// Milliseconds of each of several kinds of work, taken in turns so that load from elsewhere on
// the machine falls on all alike; `reset` runs untimed before each.
std::vector<Timing> measureInTurns(const std::vector<std::function<void()>> &works,
                                   const std::function<void()> &reset) {
    std::vector<std::vector<double>> times(works.size());
    for (int round = 0; round < rounds; ++round) {
        for (std::size_t i = 0; i < works.size(); ++i) {
            reset();
            QElapsedTimer timer;
            timer.start();
            works[i]();
            times[i].push_back(double(timer.nsecsElapsed()) / 1e6);
        }
    }
    std::vector<Timing> timings;
    for (std::vector<double> &each : times) {
        std::sort(each.begin(), each.end());
        timings.push_back({each.front(), each[each.size() / 2]});
    }
    return timings;
}

void report(const char *what, Timing timing) {
    std::printf("%-52s best %8.1f ms   median %8.1f ms\n", what, timing.best, timing.median);
}

rusage processUsage() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage;
}

// The largest resident size the process has had so far.
double peakMegabytes() {
    return double(processUsage().ru_maxrss) / 1024.0;
}

// Processor time used so far: unlike the time on the clock, it hardly grows when other
// work shares the machine.
double processorSeconds() {
    const rusage usage = processUsage();
    const auto seconds = [](timeval t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// A file of `megabytes` million bytes of LF-ended lines, each `length` bytes before its break,
// written a line at a time so that the text never stands in this process's memory.
bool writeSizedFile(const QString &path, long megabytes, int length) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray line = QByteArray(length, 'x') + '\n';
    const qint64 size = qint64(megabytes) * 1'000'000;
    for (qint64 written = 0; written < size; written += line.size()) {
        if (file.write(line.left(int(std::min<qint64>(line.size(), size - written)))) < 0)
            return false;
    }
    return true;
}

// Opens one file of the size once, in a process that has done nothing else, and reports how
// long it took until the window had drawn it and how much memory the process needed.
int measureOneOpen(long megabytes, int length) {
    const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("sized.txt"));
    if (!writeSizedFile(path, megabytes, length))
        return 1;
    MainWindow window;
    window.show();
    QCoreApplication::processEvents();
    const double before = peakMegabytes();
    const double processorBefore = processorSeconds();
    QElapsedTimer timer;
    timer.start();
    window.loadFile(path);
    QCoreApplication::processEvents();
    const double seconds = double(timer.nsecsElapsed()) / 1e9;
    const double processor = processorSeconds() - processorBefore;
    auto *editor = window.findChild<TextEditor *>(QStringLiteral("txt_SPad"));
    std::printf("file: %ld000000 bytes, lines of %d bytes (LF); the editor holds %lld bytes\n",
                megabytes, length, static_cast<long long>(editor->byteLength()));
    std::printf("open: %.1f s (processor %.1f s)   peak memory: %.0f MB (%.0f MB before)\n",
                seconds, processor, peakMegabytes(), before);
    return 0;
}

} // namespace

int main(int argc, char *argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    if (argc > 1)
        return measureOneOpen(std::atol(argv[1]), argc > 2 ? std::atoi(argv[2]) : lineLength);

    const QTemporaryDir folder;
    const QString asciiPath = folder.filePath(QStringLiteral("ascii.txt"));
    const QString windows1252Path = folder.filePath(QStringLiteral("windows-1252.txt"));
    const QString utf8Path = folder.filePath(QStringLiteral("utf-8.txt"));
    const std::string text = largeText(asciiWords);
    if (!writeFile(asciiPath, text) || !writeFile(windows1252Path, largeText(windows1252Words)) ||
        !writeFile(utf8Path, largeText(utf8Words)))
        return 1;
    const QString plainText = QString::fromLatin1(text.data(), qsizetype(text.size()));

    MainWindow window;
    window.show();
    auto *editor = window.findChild<TextEditor *>(QStringLiteral("txt_SPad"));
    QPlainTextEdit bare;
    bare.setLineWrapMode(QPlainTextEdit::NoWrap);
    bare.setFont(editor->font());
    bare.resize(editor->size());
    bare.show();
    QCoreApplication::processEvents();
    std::printf("files: %zu bytes each, %d lines (LF)\n\n", text.size(), lineCount);

    const std::vector<Timing> timings = measureInTurns(
        {[&] { window.loadFile(asciiPath); }, [&] { bare.setPlainText(plainText); },
         [&] { window.loadFile(windows1252Path); }, [&] { window.loadFile(utf8Path); }},
        [&] {
            editor->clear();
            bare.clear();
            QCoreApplication::processEvents();
        });
    report("main window, loadFile (until the editor holds it)", timings[0]);
    report("bare QPlainTextEdit, setPlainText", timings[1]);
    std::printf("%-52s best %8.2f     median %8.2f\n", "ratio main window / bare",
                timings[0].best / timings[1].best, timings[0].median / timings[1].median);
    report("main window, loadFile of a Windows-1252 file", timings[2]);
    report("main window, loadFile of a UTF-8 file", timings[3]);
    std::printf("%-52s best %8.2f     median %8.2f\n", "ratio UTF-8 / Windows-1252",
                timings[3].best / timings[2].best, timings[3].median / timings[2].median);
    for (const QString &path : {asciiPath, windows1252Path, utf8Path}) {
        window.loadFile(path);
        std::printf("  (%s: the editor holds %lld bytes in %d lines)\n",
                    qPrintable(QFileInfo(path).fileName()),
                    static_cast<long long>(editor->byteLength()), editor->lineCount());
    }
    return 0;
}
