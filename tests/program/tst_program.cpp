// The program run as a process: what only a whole run shows. Each run is ended from outside the
// way a session ends it (SIGTERM, which the program takes as its quit request once the event
// loop is about to run), so the shutdown writes the settings and the exit code can be read.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>

namespace {

// The settings file that a first run with nothing changed leaves behind.
const QByteArray firstRunSettings("[Shroud-a-Pad]\n"
                                  "FontName=Fixedsys\n"
                                  "FontSize=10\n"
                                  "FontColor=0\n"
                                  "FontBold=0\n"
                                  "FontItalic=0\n"
                                  "WordWrap=0\n"
                                  "BackColor=-2147483643\n");

QByteArray contentOf(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

bool writeFile(const QString &path, const QByteArray &content) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

// SIGTERM is caught, as /proc tells: the program's event loop is about to run, and no message
// box holds up the start.
bool catchesTermination(qint64 pid) {
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return false;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("SigCgt:"))
            return (line.mid(7).trimmed().toULongLong(nullptr, 16) >> (SIGTERM - 1)) & 1;
    }
    return false;
}

} // namespace

class TestProgram : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();

    void firstRunWritesEightLinesAndExitsWithZero();
    void settingsCarryAcrossRuns();
    void argumentsNameAFileEvenLikeToolkitOptions();

private:
    // Starts the program, ends it once it runs, and answers its exit code (-1 when it did not
    // reach its event loop or did not end normally).
    int run(const QStringList &arguments);
    QString settingsFile() const { return m_dir.filePath(QStringLiteral("config/QVL.INI")); }

    QTemporaryDir m_dir;
};

void TestProgram::initTestCase() {
    QVERIFY(m_dir.isValid());
}

void TestProgram::init() {
    QDir(m_dir.filePath(QStringLiteral("config"))).removeRecursively();
}

int TestProgram::run(const QStringList &arguments) {
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("HOME"), m_dir.path());
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), m_dir.filePath(QStringLiteral("config")));
    program.setProcessEnvironment(environment);
    program.setWorkingDirectory(m_dir.path());
    program.setProcessChannelMode(QProcess::ForwardedChannels);
    program.start(QStringLiteral(SHROUD_APP), arguments);
    if (!program.waitForStarted(10000))
        return -1;
    const qint64 pid = program.processId();
    const bool running = QTest::qWaitFor([&] { return catchesTermination(pid); }, 20000);
    program.terminate();
    if (!program.waitForFinished(20000)) {
        program.kill();
        program.waitForFinished();
        return -1;
    }
    if (!running || program.exitStatus() != QProcess::NormalExit)
        return -1;
    return program.exitCode();
}

void TestProgram::firstRunWritesEightLinesAndExitsWithZero() {
    QCOMPARE(run({}), 0);
    QCOMPARE(contentOf(settingsFile()), firstRunSettings);
}

// A hand-edited file is read in the first run and written back in the program's own form,
// with its other lines kept; the second run reads and writes the same.
void TestProgram::settingsCarryAcrossRuns() {
    const QByteArray edited("; edited by hand\n"
                            "[Shroud-a-Pad]\n"
                            "FontName=DejaVu Sans Mono\n"
                            "FontSize= 14\n"
                            "FontColor=0xFF\n"
                            "FontBold=2\n"
                            "WordWrap=1\n"
                            "BackColor=$FFFFFF\n"
                            "[Other]\n"
                            "Kept=yes\n");
    const QByteArray expected("; edited by hand\n"
                              "[Shroud-a-Pad]\n"
                              "FontName=DejaVu Sans Mono\n"
                              "FontSize=14\n"
                              "FontColor=255\n"
                              "FontBold=1\n"
                              "WordWrap=1\n"
                              "BackColor=16777215\n"
                              "FontItalic=0\n"
                              "[Other]\n"
                              "Kept=yes\n");
    QVERIFY(writeFile(settingsFile(), edited));
    QCOMPARE(run({}), 0);
    QCOMPARE(contentOf(settingsFile()), expected);
    QCOMPARE(run({}), 0);
    QCOMPARE(contentOf(settingsFile()), expected);
}

// The arguments go to the program, never to the toolkit: "-platform nothing" would otherwise
// stop the program before it starts. A missing file would hold up the start with its message,
// so the run reaching its event loop shows the file was there and loaded.
void TestProgram::argumentsNameAFileEvenLikeToolkitOptions() {
    QVERIFY(writeFile(m_dir.filePath(QStringLiteral("-platform nothing")), "text\n"));
    QCOMPARE(run({QStringLiteral("-platform"), QStringLiteral("nothing")}), 0);
    QCOMPARE(contentOf(settingsFile()), firstRunSettings);
}

QTEST_GUILESS_MAIN(TestProgram)
#include "tst_program.moc"
