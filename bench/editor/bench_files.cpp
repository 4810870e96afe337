// Measures opening a 10 MB text of 200,000 lines through the loading steps against a bare
// QPlainTextEdit's setPlainText of the same text, and a process's start-up to its first shown
// main window against one that shows a bare QMainWindow with a QPlainTextEdit, in turn.
#include "editor/Program.h"
#include "editor/Unit1.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr int lineCount = 200'000;
constexpr int lineLength = 48; // 50 bytes with the line break: 10,000,000 bytes in all
constexpr int rounds = 15;

std::string largeText() {
    std::string text;
    text.reserve(std::size_t(lineCount) * (lineLength + 2));
    for (int i = 0; i < lineCount; ++i) {
        std::string line = "line " + std::to_string(i) + " of the benchmark text";
        line.resize(lineLength, '.');
        text += line;
        text += "\r\n";
    }
    return text;
}

double milliseconds(const std::function<void()> &work) {
    QElapsedTimer timer;
    timer.start();
    work();
    return double(timer.nsecsElapsed()) / 1e6;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void report(const char *what, const std::vector<double> &ours, const std::vector<double> &bare) {
    std::printf("%s\n  Shroud-a-Pad %10.2f ms\n  bare         %10.2f ms\n  ratio        %10.2f\n",
                what, median(ours), median(bare), median(ours) / median(bare));
}

void measureOpening(const QString &path, const std::string &text) {
    const QString plain = QString::fromLatin1(text.data(), qsizetype(text.size()));
    std::vector<double> ours;
    std::vector<double> bare;
    for (int round = 0; round < rounds; ++round) {
        Tfrm_SPad window;
        ours.push_back(milliseconds([&] { window.loadFile(path); }));
        QPlainTextEdit editor;
        bare.push_back(milliseconds([&] { editor.setPlainText(plain); }));
    }
    report("open a 10 MB text of 200,000 lines (loading steps vs setPlainText)", ours, bare);
}

// Each start-up is a process of its own, from its start until it reports its window shown:
// this same program run as "ours" or "bare", which shows its window, says so and ends.
double startUpMilliseconds(const QString &which) {
    QProcess process;
    QElapsedTimer timer;
    timer.start();
    process.start(QCoreApplication::applicationFilePath(), {which});
    process.waitForReadyRead(60000);
    const double elapsed = double(timer.nsecsElapsed()) / 1e6;
    process.waitForFinished(60000);
    return elapsed;
}

void measureStartUp() {
    std::vector<double> ours;
    std::vector<double> bare;
    for (int round = 0; round < rounds; ++round) {
        ours.push_back(startUpMilliseconds(QStringLiteral("ours")));
        bare.push_back(startUpMilliseconds(QStringLiteral("bare")));
    }
    report("start-up to the first shown window (whole processes)", ours, bare);
}

int showFirstWindow(int argc, char *argv[], bool ours) {
    QApplication application(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    std::unique_ptr<QMainWindow> window;
    if (ours) {
        prepareApplication();
        auto main = std::make_unique<Tfrm_SPad>();
        main->FormCreate(QString());
        window = std::move(main);
    } else {
        window = std::make_unique<QMainWindow>();
        window->setCentralWidget(new QPlainTextEdit);
        window->resize(568, 398);
    }
    window->show();
    const bool shown = QTest::qWaitForWindowExposed(window.get());
    std::puts(shown ? "shown" : "not shown");
    std::fflush(stdout);
    return shown ? 0 : 1;
}

} // namespace

int main(int argc, char *argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc == 2)
        return showFirstWindow(argc, argv, std::string_view(argv[1]) == "ours");
    QApplication application(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("large.txt"));
    const std::string text = largeText();
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text.data(), qint64(text.size())) < 0)
        return 1;
    file.close();
    measureStartUp();
    measureOpening(path, text);
    return 0;
}
