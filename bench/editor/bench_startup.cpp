// Measures start-up to the first shown window, the main window beside bare Qt windows: a
// QMainWindow with a QPlainTextEdit, one that also carries the same menus, tool bar (with the
// same pictures) and status bar, and one whose editor besides looks like the program's (its
// font, both scroll bars). Twice, in turns: within this application, from building the window
// (the main window also through startUp with no command-line file: a first run, no settings
// file) until its editor has painted, the first round of each a warm-up, not kept; and as a
// user starts them, from the launch of a fresh process of the program itself, and of a bare
// program showing each bare window, until the first window is painted and on the screen.
#include "BareWindows.h"
#include "editor/text/TextEditor.h"
#include "editor/window/MainWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

namespace {

constexpr int warmRounds = 31;
constexpr int freshRounds = 21;

// Watches a widget for its first paint.
class PaintWatch : public QObject {
public:
    explicit PaintWatch(QWidget *widget) { widget->installEventFilter(this); }
    bool painted() const { return m_painted; }

protected:
    bool eventFilter(QObject *, QEvent *event) override {
        if (event->type() == QEvent::Paint)
            m_painted = true;
        return false;
    }

private:
    bool m_painted = false;
};

// Shows the window and runs the event loop until the editor's text area has painted.
void showUntilPainted(QWidget *window, QWidget *textArea) {
    const PaintWatch watch(textArea);
    window->show();
    QElapsedTimer limit;
    limit.start();
    while (!watch.painted() && limit.elapsed() < 10'000)
        QCoreApplication::processEvents();
}

void startMainWindow() {
    auto window = std::make_unique<MainWindow>();
    window->startUp(QString());
    showUntilPainted(window.get(), window->findChild<TextEditor *>()->viewport());
    window.release()->deleteLater();
}

void startBareWindow(BareKind kind) {
    BareWindow bare = makeBareWindow(kind);
    showUntilPainted(bare.window.get(), bare.editor->viewport());
    bare.window.release()->deleteLater();
}

struct Timing {
    double best;
    double median;
};

// A start that answers its own milliseconds.
using Start = std::function<double()>;

// A start within this application, timed from building the window until it has painted.
Start timed(std::function<void()> start) {
    return [start = std::move(start)] {
        QElapsedTimer timer;
        timer.start();
        start();
        return double(timer.nsecsElapsed()) / 1e6;
    };
}

// Milliseconds of each start, in turns so that load from elsewhere on the machine falls on
// all alike; the first `skipped` rounds are not kept.
std::vector<Timing> measureInTurns(const std::vector<Start> &starts, int rounds, int skipped) {
    std::vector<std::vector<double>> times(starts.size());
    for (int round = 0; round < rounds; ++round) {
        for (std::size_t i = 0; i < starts.size(); ++i) {
            const double milliseconds = starts[i]();
            if (round >= skipped)
                times[i].push_back(milliseconds);
            // The window goes, untimed.
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QCoreApplication::processEvents();
        }
    }
    std::vector<Timing> timings;
    for (std::vector<double> &each : times) {
        std::sort(each.begin(), each.end());
        timings.push_back({each.front(), each[each.size() / 2]});
    }
    return timings;
}

// A fresh process of a program built beside this one, timed from its launch until the paint
// signal loaded into it says that its first window is painted (and ends it).
Start freshStart(const QString &program, const QStringList &arguments = {}) {
    return [program, arguments] {
        const QString folder = QCoreApplication::applicationDirPath();
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("LD_PRELOAD"),
                           folder + QStringLiteral("/libbench_paint_signal.so"));
        QProcess process;
        process.setProcessEnvironment(environment);
        QElapsedTimer timer;
        timer.start();
        process.start(folder + QLatin1Char('/') + program, arguments);
        QByteArray said;
        while (!said.contains("painted") && process.waitForReadyRead(30'000))
            said += process.readAllStandardOutput();
        const double milliseconds = double(timer.nsecsElapsed()) / 1e6;
        if (!said.contains("painted"))
            std::fprintf(stderr, "%s never said it had painted\n", qPrintable(program));
        process.waitForFinished();
        return milliseconds;
    };
}

void report(const char *what, Timing timing) {
    std::printf("%-58s best %7.2f ms   median %7.2f ms\n", what, timing.best, timing.median);
}

void reportRatio(const char *what, Timing program, Timing bare) {
    std::printf("ratio %-52s best %7.2f      median %7.2f\n", what, program.best / bare.best,
                program.median / bare.median);
}

// The four windows' figures, then the main window against each bare one, the one with the
// same menus, tool bar and status bar last (its editor in the toolkit's default font and
// scroll bars; the line before it gives the one whose editor also looks like the program's).
void reportAll(const std::vector<Timing> &timings) {
    report("  main window", timings[0]);
    report("  bare QMainWindow + QPlainTextEdit", timings[1]);
    report("  bare window with the same menus, tool bar, status bar", timings[2]);
    report("    and the editor's font and scroll bars", timings[3]);
    reportRatio("main window / bare", timings[0], timings[1]);
    reportRatio("main window / bare with those and the editor's look", timings[0], timings[3]);
    reportRatio("main window / bare with menus, tool bar, status bar", timings[0], timings[2]);
    std::printf("\n");
}

} // namespace

int main(int argc, char *argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // A first run: no settings file, and none written (shutDown never runs, and a fresh
    // program ends when it has painted).
    const QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    QApplication application(argc, argv);

    std::printf("in one application (built, startUp, shown, painted)\n");
    reportAll(
        measureInTurns({timed(startMainWindow), timed([] { startBareWindow(BareKind::Plain); }),
                        timed([] { startBareWindow(BareKind::WithBars); }),
                        timed([] { startBareWindow(BareKind::WithBarsAndLook); })},
                       warmRounds, 1));

    std::printf("from the launch of a fresh process of the program, or of a bare program, "
                "until its window is painted and shown\n");
    const QString bare = QStringLiteral("bench_bare_window");
    reportAll(measureInTurns({freshStart(QStringLiteral("shroud-a-pad")), freshStart(bare),
                              freshStart(bare, {QStringLiteral("--bars")}),
                              freshStart(bare, {QStringLiteral("--look")})},
                             freshRounds, 0));
    return 0;
}
