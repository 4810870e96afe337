// Measures start-up to the first shown window: the main window built, startUp with no
// command-line file (a first run: no settings file), shown, until its editor has painted;
// beside a bare QMainWindow with a QPlainTextEdit built and shown the same way, and beside one
// that also carries the same menus, tool bar (with the same pictures) and status bar. Twice: in one
// application, in turns (the first round of each a warm-up, not kept), and from the launch of
// a fresh process each time, as a user starts the program.
#include "editor/Program.h"
#include "editor/TextEditor.h"
#include "editor/MainWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QPlainTextEdit>
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
const QString mainWindowArgument = QStringLiteral("--main-window");
const QString bareWindowArgument = QStringLiteral("--bare-window");
const QString barsWindowArgument = QStringLiteral("--bars-window");

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

void startBareWindow() {
    auto window = std::make_unique<QMainWindow>();
    auto *editor = new QPlainTextEdit;
    window->setCentralWidget(editor);
    window->resize(560, 400);
    showUntilPainted(window.get(), editor->viewport());
    window.release()->deleteLater();
}

// A menu of plain actions; an empty caption stands for a separator.
QMenu *addPlainMenu(QWidget *parent, const QString &title, const QStringList &captions) {
    auto *menu = new QMenu(title, parent);
    for (const QString &caption : captions) {
        if (caption.isEmpty())
            menu->addSeparator();
        else
            menu->addAction(caption);
    }
    return menu;
}

// The main window's four menus, two of them with a submenu, as plain Qt menus.
void addPlainMenus(QMainWindow *window) {
    QMenuBar *bar = window->menuBar();
    bar->addMenu(addPlainMenu(bar, "&Action",
                              {"&New", "&Open File...", "&Save File As...", "", "&Encrypt",
                               "Encrypt With Specific &Method...", "&Decrypt", "", "E&xit"}));
    bar->addMenu(addPlainMenu(
        bar, "&Edit", {"&Undo", "Cu&t", "&Copy", "&Paste", "&Delete", "Se&lect All"}));
    QMenu *options = addPlainMenu(
        bar, "&Options", {"&Font...", "&Text Color...", "&Background Color...", "Word Wrap", ""});
    options->addMenu(addPlainMenu(options, "&Encoding", {"&Windows-1252", "&UTF-8", "UTF-8 with Byte-Order &Mark"}));
    options->addMenu(addPlainMenu(options, "&Line Breaks", {"&CR LF (Windows)", "&LF (Linux)"}));
    bar->addMenu(options);
    bar->addMenu(addPlainMenu(bar, "&Help",
                              {"&Contents", "&Search for Help On...", "&How to Use Help", "",
                               "&About..."}));
}

// Eleven tool buttons with the main window's pictures, plainly loaded.
void addPlainToolBar(QMainWindow *window) {
    auto *bar = window->addToolBar(QStringLiteral("Tools"));
    bar->setMovable(false);
    for (const char *name : {"new", "open", "save", "cut", "copy", "paste", "selectall", "delete",
                             "undo", "encrypt", "decrypt"}) {
        auto *button = new QToolButton(bar);
        button->setIcon(QIcon(QStringLiteral(":/icons/%1.png").arg(QLatin1String(name))));
        button->setAutoRaise(true);
        bar->addWidget(button);
    }
}

void addPlainStatusBar(QMainWindow *window) {
    QStatusBar *status = window->statusBar();
    status->addPermanentWidget(new QLabel(QStringLiteral("0 bytes")), 1);
    status->addPermanentWidget(new QLabel(QStringLiteral("CR LF")));
    status->addPermanentWidget(new QLabel(QStringLiteral("Plain text")));
}

void startBarsWindow() {
    auto window = std::make_unique<QMainWindow>();
    addPlainMenus(window.get());
    addPlainToolBar(window.get());
    addPlainStatusBar(window.get());
    auto *editor = new QPlainTextEdit;
    window->setCentralWidget(editor);
    window->resize(560, 400);
    showUntilPainted(window.get(), editor->viewport());
    window.release()->deleteLater();
}

struct Timing {
    double best;
    double median;
};

// A start that answers its own milliseconds.
using Start = std::function<double()>;

// A start within this application, timed from building the window until it has painted.
Start timed(void (*start)()) {
    return [start] {
        QElapsedTimer timer;
        timer.start();
        start();
        return double(timer.nsecsElapsed()) / 1e6;
    };
}

// Milliseconds of each start, in turns so that load from elsewhere on the machine falls on
// both alike; the first `skipped` rounds are not kept.
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

// A fresh process of this program that starts one window and says "painted" once it has,
// timed from its launch until it says so; its exit is not part of the start.
Start freshStart(const QString &windowArgument) {
    return [windowArgument] {
        QElapsedTimer timer;
        timer.start();
        QProcess process;
        process.start(QCoreApplication::applicationFilePath(), {windowArgument});
        QByteArray said;
        while (!said.contains("painted") && process.waitForReadyRead(30'000))
            said += process.readAllStandardOutput();
        const double milliseconds = double(timer.nsecsElapsed()) / 1e6;
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

// The three windows' figures, then the main window against each bare one, the one with the
// same menus, tool bar and status bar last.
void reportAll(const std::vector<Timing> &timings) {
    report("  main window", timings[0]);
    report("  bare QMainWindow + QPlainTextEdit", timings[1]);
    report("  bare window with the same menus, tool bar, status bar", timings[2]);
    reportRatio("main window / bare", timings[0], timings[1]);
    reportRatio("main window / bare with menus, tool bar, status bar", timings[0], timings[2]);
    std::printf("\n");
}

} // namespace

int main(int argc, char *argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // A fresh process measures one start; its configuration folder is its parent's.
    if (argc > 1) {
        QApplication application(argc, argv);
        // The program's own set-up comes first, as in main().
        if (QCoreApplication::arguments().value(1) == mainWindowArgument) {
            prepareApplication();
            startMainWindow();
        } else if (QCoreApplication::arguments().value(1) == barsWindowArgument) {
            startBarsWindow();
        } else {
            startBareWindow();
        }
        std::printf("painted\n");
        std::fflush(stdout);
        return 0;
    }
    // A first run: no settings file, and none written (shutDown never runs).
    const QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    QApplication application(argc, argv);

    std::printf("in one application (built, startUp, shown, painted)\n");
    reportAll(measureInTurns({timed(startMainWindow), timed(startBareWindow), timed(startBarsWindow)},
                            warmRounds, 1));

    std::printf("from the launch of a fresh process until painted\n");
    reportAll(measureInTurns({freshStart(mainWindowArgument), freshStart(bareWindowArgument),
                              freshStart(barsWindowArgument)},
                             freshRounds, 0));
    return 0;
}
