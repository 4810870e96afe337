// Measures opening a 10 MB text of 200,000 lines through the loading steps of Open (the file
// read, its format found, its line breaks normalised, the editor replaced and the status
// refreshed), for an ASCII file, a Windows-1252 file and a UTF-8 file of the same size, beside
// a bare QPlainTextEdit's setPlainText of the ASCII text, in turns in one run. Then the same
// comparison for files of 10 and 50 MB, ASCII and UTF-8 (Cyrillic), with LF and with CR LF,
// the bare editor given the file's characters as they are; and for each the memory the open
// needs at its peak, each open in a fresh process. Given a size in megabytes (and a line
// length), it instead opens one file of that size once and reports the time and the peak
// memory, the figures the editor's capacity is chosen from.
#include "PeakMemory.h"
#include "editor/text/TextEditor.h"
#include "editor/window/MainWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QProcess>
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
const QString peakArgument = QStringLiteral("--peak");

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

Timing timingOf(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return {values.front(), values[values.size() / 2]};
}

// Milliseconds of each of several kinds of work, taken in turns so that load from elsewhere on
// the machine falls on all alike; `reset` runs untimed before each.
std::vector<Timing> measureInTurns(const std::vector<std::function<void()>> &works,
                                   const std::function<void()> &reset, int rounds = rounds) {
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
    for (std::vector<double> &each : times)
        timings.push_back(timingOf(std::move(each)));
    return timings;
}

void report(const char *what, Timing timing) {
    std::printf("%-52s best %8.1f ms   median %8.1f ms\n", what, timing.best, timing.median);
}

void reportRatio(const QString &what, Timing program, Timing bare) {
    std::printf("ratio %-46s best %8.2f     median %8.2f\n", qPrintable(what),
                program.best / bare.best, program.median / bare.median);
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

// A bare QPlainTextEdit set up as the main window's editor: no wrap, the same font and size, and
// both scroll bars always shown (a scroll bar that comes and goes makes the bare editor lay out
// again, and need much more memory, on its first paint after a large text).
void setUpLikeEditor(QPlainTextEdit &bare, const TextEditor &editor) {
    bare.setLineWrapMode(QPlainTextEdit::NoWrap);
    bare.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    bare.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    bare.setFont(editor.font());
    bare.resize(editor.size());
}

// One file of the comparison of sizes, scripts and line breaks.
struct Variant {
    int megabytes;
    bool cyrillic;
    bool crLf;
};

QString nameOf(const Variant &variant) {
    return QStringLiteral("%1 MB %2, %3")
        .arg(variant.megabytes)
        .arg(variant.cyrillic ? QStringLiteral("UTF-8") : QStringLiteral("ASCII"))
        .arg(variant.crLf ? QStringLiteral("CR LF") : QStringLiteral("LF"));
}

// Lines of 50 bytes of ASCII, or of about 95 bytes of Cyrillic UTF-8, until the file holds the
// megabytes asked for; written a line at a time.
bool writeVariant(const QString &path, const Variant &variant) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const qint64 size = qint64(variant.megabytes) * 1'000'000;
    const QByteArray lineBreak = variant.crLf ? "\r\n" : "\n";
    for (int i = 0; file.size() < size; ++i) {
        QByteArray line = variant.cyrillic
                              ? QByteArray("Съешь же ещё этих мягких французских булок, строка ")
                              : QByteArray("Gruesse aus Koeln, line ");
        line += QByteArray::number(i);
        if (!variant.cyrillic)
            line = line.leftJustified(lineLength, '.');
        if (file.write(line + lineBreak) < 0)
            return false;
    }
    return true;
}

// The file's characters as a bare program reads them: all its bytes, decoded as UTF-8.
QString readAsBareProgram(const QString &path) {
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return QString::fromUtf8(file.readAll());
}

// Opens the file in a fresh process, in the main window or in a bare editor, and answers the
// kilobytes the open needed at its peak above what the shown window held before.
double peakOfFreshOpen(const QString &editor, const QString &path) {
    QProcess process;
    process.start(QCoreApplication::applicationFilePath(), {peakArgument, editor, path});
    process.waitForFinished(600'000);
    return process.readAllStandardOutput().trimmed().toDouble();
}

// The main window and the bare editor open the file in turns: the time in this process (the
// bare editor given the file's characters as they are, and reading the file itself as a bare
// program would), the peak memory in fresh ones.
void compareOpen(MainWindow &window, TextEditor &editor, QPlainTextEdit &bare,
                 const QString &folder, const Variant &variant) {
    const QString path = folder + QStringLiteral("/variant.txt");
    if (!writeVariant(path, variant))
        return;
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    const QString characters = QString::fromUtf8(file.readAll());
    const QString name = nameOf(variant);
    const std::vector<Timing> timings = measureInTurns(
        {[&] { window.loadFile(path); }, [&] { bare.setPlainText(characters); },
         [&] { bare.setPlainText(readAsBareProgram(path)); }},
        [&] {
            editor.clear();
            bare.clear();
            QCoreApplication::processEvents();
        },
        variant.megabytes > 10 ? 5 : 9);
    window.loadFile(path);
    std::printf("%s: %lld bytes in %d lines\n", qPrintable(name),
                static_cast<long long>(file.size()), editor.lineCount());
    editor.clear();
    report("  main window, loadFile", timings[0]);
    report("  bare QPlainTextEdit, setPlainText", timings[1]);
    report("  bare QPlainTextEdit, reading the file too", timings[2]);
    reportRatio(QStringLiteral("main window / bare, ") + name, timings[0], timings[1]);
    reportRatio(QStringLiteral("main window / bare reading, ") + name, timings[0], timings[2]);
    std::vector<double> mainPeaks;
    std::vector<double> barePeaks;
    for (int round = 0; round < 3; ++round) {
        mainPeaks.push_back(peakOfFreshOpen(QStringLiteral("main"), path));
        barePeaks.push_back(peakOfFreshOpen(QStringLiteral("bare"), path));
    }
    const Timing mainPeak = timingOf(mainPeaks);
    const Timing barePeak = timingOf(barePeaks);
    std::printf("  peak memory of the open: main window %.0f MB, bare %.0f MB (median)\n",
                mainPeak.median / 1024, barePeak.median / 1024);
    reportRatio(QStringLiteral("peak memory main window / bare, ") + name, mainPeak, barePeak);
    std::printf("\n");
}

void compareAllOpens(MainWindow &window, TextEditor &editor, QPlainTextEdit &bare,
                     const QString &folder) {
    for (const int megabytes : {10, 50})
        for (const bool cyrillic : {false, true})
            for (const bool crLf : {false, true})
                compareOpen(window, editor, bare, folder, {megabytes, cyrillic, crLf});
}

// In a fresh process: the window shown, then the file opened and drawn; prints the kilobytes
// the open needed at its peak. The bare editor reads the file as a bare program would.
int measureFreshOpen(const QString &editorName, const QString &path) {
    MainWindow window;
    QPlainTextEdit bare;
    setUpLikeEditor(bare, *window.findChild<TextEditor *>(QStringLiteral("txt_SPad")));
    const bool main = editorName == QStringLiteral("main");
    main ? window.show() : bare.show();
    QCoreApplication::processEvents();
    resetPeakMemory();
    const long before = residentKilobytes();
    if (main) {
        window.loadFile(path);
    } else {
        bare.setPlainText(readAsBareProgram(path));
    }
    QCoreApplication::processEvents();
    std::printf("%ld\n", peakKilobytes() - before);
    return 0;
}

} // namespace

int main(int argc, char *argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    if (argc > 3 && QCoreApplication::arguments().value(1) == peakArgument)
        return measureFreshOpen(QCoreApplication::arguments().value(2),
                                QCoreApplication::arguments().value(3));
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
    setUpLikeEditor(bare, *editor);
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
    reportRatio(QStringLiteral("main window / bare"), timings[0], timings[1]);
    report("main window, loadFile of a Windows-1252 file", timings[2]);
    report("main window, loadFile of a UTF-8 file", timings[3]);
    reportRatio(QStringLiteral("UTF-8 / Windows-1252"), timings[3], timings[2]);
    for (const QString &path : {asciiPath, windows1252Path, utf8Path}) {
        window.loadFile(path);
        std::printf("  (%s: the editor holds %lld bytes in %d lines)\n",
                    qPrintable(QFileInfo(path).fileName()),
                    static_cast<long long>(editor->byteLength()), editor->lineCount());
    }
    std::printf("\n");
    compareAllOpens(window, *editor, bare, folder.path());
    return 0;
}
