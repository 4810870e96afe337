// The program itself as a process, on the offscreen platform with a configuration folder of
// the test's own: ended from outside (a logout's SIGTERM, Ctrl+C's SIGINT, a closed terminal's
// SIGHUP), it stores its settings as on any exit and ends with exit code 0; settings it cannot
// store are reported on standard error, with no box left waiting.
#include "FirstRunSettings.h"
#include "PrivateMemory.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <memory>
#include <sys/stat.h>

namespace {

// True once the process catches the signal: from then on the program, not the default action,
// answers it. Read from the process's status, where "SigCgt" lists the caught signals.
bool catches(qint64 pid, int signal) {
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return false;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("SigCgt:")) {
            bool ok = false;
            const qulonglong mask = line.mid(7).trimmed().toULongLong(&ok, 16);
            return ok && (mask >> (signal - 1) & 1) != 0;
        }
    }
    return false;
}

// What the offscreen platform notes on standard error when it shows a window. The start-up box
// is the first window the program shows: the main window follows once the box is answered.
constexpr char windowShown[] = "This plugin does not support propagateSizeHints()";

QByteArray contentOf(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(no file)");
}

} // namespace

class TestProgram : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void endsOnRequest_data();
    void endsOnRequest();
    void keepsTheStoredSettings();
    void unwritableSettingsGoToStandardError_data();
    void unwritableSettingsGoToStandardError();
    void argumentsNameAFileEvenLikeToolkitOptions();
    void keepsItsMemoryPrivate();
    void informationRequests_data();
    void informationRequests();
    void endsOnRequestDuringTheStartUpBox();

private:
    QString settingsPath() const { return m_config->filePath(QStringLiteral("config/QVL.INI")); }
    // Starts the program, asks it to end by the signal once it catches it, and waits for it.
    void runUntil(int signal, const QStringList &arguments = {});

    std::unique_ptr<QTemporaryDir> m_config;
    QProcess m_program;
};

void TestProgram::init() {
    m_config = std::make_unique<QTemporaryDir>();
    QVERIFY(m_config->isValid());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("HOME"), m_config->path());
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), m_config->filePath("config"));
    m_program.setProcessEnvironment(environment);
    m_program.setWorkingDirectory(m_config->path());
    m_program.setProgram(QStringLiteral(SHROUD_APP));
}

// A program that failed to end is not left behind.
void TestProgram::cleanup() {
    if (m_program.state() != QProcess::NotRunning) {
        m_program.kill();
        m_program.waitForFinished();
    }
}

void TestProgram::runUntil(int signal, const QStringList &arguments) {
    m_program.setArguments(arguments);
    m_program.start();
    QVERIFY(m_program.waitForStarted(30'000));
    QTRY_VERIFY_WITH_TIMEOUT(catches(m_program.processId(), signal), 30'000);
    QCOMPARE(::kill(pid_t(m_program.processId()), signal), 0);
    QVERIFY(m_program.waitForFinished(30'000));
}

void TestProgram::endsOnRequest_data() {
    QTest::addColumn<int>("signal");
    QTest::newRow("SIGTERM") << int(SIGTERM);
    QTest::newRow("SIGINT") << int(SIGINT);
    QTest::newRow("SIGHUP") << int(SIGHUP);
}

// A first run: no settings folder before, the eight lines after.
void TestProgram::endsOnRequest() {
    QFETCH(int, signal);
    runUntil(signal);
    QCOMPARE(m_program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(m_program.exitCode(), 0);
    QCOMPARE(contentOf(settingsPath()), firstRunFile);
}

// Settings of an earlier run are read at start-up and written back at the end, with the rest
// of the file as it was. The file named by two arguments exists once they are joined, so no box
// waits and the program reaches its event loop.
void TestProgram::keepsTheStoredSettings() {
    QVERIFY(QDir(m_config->path()).mkpath(QStringLiteral("config")));
    QFile stored(settingsPath());
    QVERIFY(stored.open(QIODevice::WriteOnly));
    stored.write("; kept\n[Shroud-a-Pad]\nWordWrap=1\nFontSize=0x10\nBackColor=-6\n");
    stored.close();
    QFile letter(m_config->filePath(QStringLiteral("My Letter.qvl")));
    QVERIFY(letter.open(QIODevice::WriteOnly));
    letter.write("a letter\n");
    letter.close();
    runUntil(SIGTERM, {QStringLiteral("My"), QStringLiteral("Letter.qvl")});
    QCOMPARE(m_program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(m_program.exitCode(), 0);
    QCOMPARE(contentOf(settingsPath()), QByteArray("; kept\n[Shroud-a-Pad]\nWordWrap=1\n"
                                                   "FontSize=16\nBackColor=-2147483643\n"
                                                   "FontName=Fixedsys\nFontColor=0\n"
                                                   "FontBold=0\nFontItalic=0\n"));
}

void TestProgram::unwritableSettingsGoToStandardError_data() {
    QTest::addColumn<QString>("settingsFile");
    QTest::addColumn<int>("signal");
    QTest::newRow("read-only file, SIGTERM") << "read-only" << int(SIGTERM);
    QTest::newRow("a folder in its place, SIGINT") << "folder" << int(SIGINT);
    QTest::newRow("a pipe in its place, SIGHUP") << "pipe" << int(SIGHUP);
    QTest::newRow("a file over 16 MiB, SIGTERM") << "large" << int(SIGTERM);
}

// Asked to end from outside, the program may have nobody left to answer the box that says the
// settings cannot be written: it says so on standard error and ends, the file as it was.
void TestProgram::unwritableSettingsGoToStandardError() {
    QFETCH(QString, settingsFile);
    QFETCH(int, signal);
    QVERIFY(QDir(m_config->path()).mkpath(QStringLiteral("config")));
    const QByteArray path = QFile::encodeName(settingsPath());
    if (settingsFile == QLatin1String("folder")) {
        QVERIFY(QDir().mkdir(settingsPath()));
    } else if (settingsFile == QLatin1String("pipe")) {
        QCOMPARE(mkfifo(path.constData(), 0600), 0);
    } else {
        QFile file(settingsPath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.write("[Shroud-a-Pad]\nWordWrap=1\n") > 0);
        if (settingsFile == QLatin1String("large"))
            QVERIFY(file.resize(17 * 1024 * 1024));
        file.close();
        if (settingsFile == QLatin1String("read-only"))
            QVERIFY(file.setPermissions(QFileDevice::ReadOwner));
    }
    const qint64 sizeBefore = QFileInfo(settingsPath()).size();
    const QDateTime changedBefore = QFileInfo(settingsPath()).lastModified();
    runUntil(signal);
    QCOMPARE(m_program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(m_program.exitCode(), 0);
    QVERIFY2(
        m_program.readAllStandardError().contains("Shroud-a-Pad: Unable to write to QVL.INI.\n"),
        "no report on standard error");
    QCOMPARE(QFileInfo(settingsPath()).size(), sizeBefore);
    QCOMPARE(QFileInfo(settingsPath()).lastModified(), changedBefore);
}

// The arguments go to the program, never to the toolkit: "-platform nothing" would otherwise
// stop the program before it starts. The file they name exists, so no box waits.
void TestProgram::argumentsNameAFileEvenLikeToolkitOptions() {
    QFile file(m_config->filePath(QStringLiteral("-platform nothing")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("text\n");
    file.close();
    runUntil(SIGTERM, {QStringLiteral("-platform"), QStringLiteral("nothing")});
    QCOMPARE(m_program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(m_program.exitCode(), 0);
    QCOMPARE(contentOf(settingsPath()), firstRunFile);
}

void TestProgram::informationRequests_data() {
    QTest::addColumn<QString>("argument");
    QTest::addColumn<QByteArray>("firstLine");
    QTest::newRow("--help") << "--help" << QByteArray("Usage: shroud-a-pad [FILE]");
    QTest::newRow("--version") << "--version" << QByteArray("shroud-a-pad " SHROUD_VERSION);
}

// --help and --version alone print to standard output and end with 0, no window, no settings.
void TestProgram::informationRequests() {
    QFETCH(QString, argument);
    QFETCH(QByteArray, firstLine);
    m_program.setArguments({argument});
    m_program.start();
    QVERIFY(m_program.waitForFinished(30'000));
    QCOMPARE(m_program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(m_program.exitCode(), 0);
    QCOMPARE(m_program.readAllStandardOutput().split('\n').front(), firstLine);
    QVERIFY(!QFileInfo::exists(settingsPath()));
}

// While the start-up box of a missing file waits, a termination request ends the program at
// once: no box may keep a program that was asked to end.
void TestProgram::endsOnRequestDuringTheStartUpBox() {
    m_program.setArguments({QStringLiteral("no such file")});
    m_program.start();
    QVERIFY(m_program.waitForStarted(30'000));
    QByteArray errors;
    QTRY_VERIFY_WITH_TIMEOUT((errors += m_program.readAllStandardError()).contains(windowShown),
                             30'000);
    QCOMPARE(::kill(pid_t(m_program.processId()), SIGTERM), 0);
    QVERIFY(m_program.waitForFinished(10'000));
    // Ended by the request itself, as by default, not by an answer to the box.
    QCOMPARE(m_program.exitStatus(), QProcess::CrashExit);
}

// The editor holds texts and phrases: its memory never reaches a core dump or another process.
void TestProgram::keepsItsMemoryPrivate() {
    const private_memory::ReachableCopy editor(SHROUD_APP);
    QFile::setPermissions(m_config->path(), QFileDevice::Permissions(0x7777));
    // A process of its own: the other tests' process must not inherit the change of user.
    QProcess program;
    program.setProcessEnvironment(m_program.processEnvironment());
    program.setWorkingDirectory(m_config->path());
    program.setProgram(QString::fromStdString(editor.program()));
    program.setChildProcessModifier(private_memory::prepareChild);
    program.start();
    QVERIFY(program.waitForStarted(30'000));
    const bool kept =
        private_memory::keepsMemoryPrivate(pid_t(program.processId()), editor.program());
    program.kill();
    program.waitForFinished();
    QVERIFY(kept);
}

QTEST_GUILESS_MAIN(TestProgram)
#include "tst_program.moc"
