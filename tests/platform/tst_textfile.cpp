// Whole-file reading and atomic saving, the command-line name.
#include "platform/CommandLine.h"
#include "platform/Failure.h"
#include "platform/TextFile.h"

#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <sys/resource.h>

using namespace platform;

namespace {
QString failureOf(const std::function<void()> &action) {
    try {
        action();
    } catch (const Failure &failure) {
        return failure.message();
    }
    return QString();
}

QByteArray contents(const QString &path) {
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return QByteArray("<not a readable file>");
    return file.readAll();
}
} // namespace

class TestTextFile : public QObject {
    Q_OBJECT
private slots:
    void readsEveryByte();
    void readFailures_data();
    void readFailures();
    void savesExactlyTheBytes();
    void failedSaveKeepsTheOldFile_data();
    void failedSaveKeepsTheOldFile();
    void diskFullKeepsTheOldFile();
    void readsTheCommandLine_data();
    void readsTheCommandLine();
};

void TestTextFile::readsEveryByte() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("all.bin"));
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    saveWholeFile(path, all.toStdString());
    QCOMPARE(QByteArray::fromStdString(readWholeFile(path, all.size()).value()), all);
    QVERIFY(!readWholeFile(path, all.size() - 1));
}

void TestTextFile::readFailures_data() {
    QTest::addColumn<QString>("path");
    QTest::newRow("missing") << QStringLiteral("/nonexistent/dir/file.txt");
    QTest::newRow("directory") << QStringLiteral("/tmp");
    QTest::newRow("device without end") << QStringLiteral("/dev/zero");
}

void TestTextFile::readFailures() {
    QFETCH(QString, path);
    QCOMPARE(failureOf([&] { readWholeFile(path, 1000); }),
             QStringLiteral("Cannot open file ") + path);
}

void TestTextFile::savesExactlyTheBytes() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.txt"));
    saveWholeFile(path, "old text that is longer");
    saveWholeFile(path, "a\r\nb");
    QCOMPARE(contents(path), QByteArray("a\r\nb"));
}

void TestTextFile::failedSaveKeepsTheOldFile_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("message");
    QTest::newRow("folder cannot be written")
        << QStringLiteral("/proc/shroud-a-pad.txt")
        << QStringLiteral("Cannot create file /proc/shroud-a-pad.txt");
    QTest::newRow("name of a folder")
        << QStringLiteral("/tmp") << QStringLiteral("Cannot create file /tmp");
    QTest::newRow("full device") << QStringLiteral("/dev/full")
                                 << QStringLiteral("Stream write error");
}

void TestTextFile::failedSaveKeepsTheOldFile() {
    QFETCH(QString, path);
    QFETCH(QString, message);
    const QByteArray before = contents(path);
    QCOMPARE(failureOf([&] { saveWholeFile(path, std::string(100000, 'x')); }), message);
    QCOMPARE(contents(path), before);
}

// A file-size limit makes the disk look full after 4096 bytes.
void TestTextFile::diskFullKeepsTheOldFile() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("letter.qvl"));
    saveWholeFile(path, "the old letter");
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = 4096;
    setrlimit(RLIMIT_FSIZE, &small);
    const QString failure = failureOf([&] { saveWholeFile(path, std::string(100000, 'x')); });
    setrlimit(RLIMIT_FSIZE, &saved);
    QCOMPARE(failure, QStringLiteral("Stream write error"));
    QCOMPARE(contents(path), QByteArray("the old letter"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"letter.qvl"});
}

void TestTextFile::readsTheCommandLine_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("request");
    QTest::addColumn<QString>("fileName");
    const int open = int(CommandLine::Request::OpenFile);
    QTest::newRow("none") << QStringList() << open << QString();
    QTest::newRow("split name") << QStringList{"My", "Letter.qvl"} << open << "My Letter.qvl";
    QTest::newRow("like options") << QStringList{"two  spaces.txt", "-style"} << open
                                  << "two  spaces.txt -style";
    QTest::newRow("--help") << QStringList{"--help"} << int(CommandLine::Request::Usage)
                            << QString();
    QTest::newRow("--version") << QStringList{"--version"} << int(CommandLine::Request::Version)
                               << QString();
    QTest::newRow("-- --help") << QStringList{"--", "--help"} << open << "--help";
    QTest::newRow("--help among others") << QStringList{"--help", "me"} << open << "--help me";
    QTest::newRow("-- alone") << QStringList{"--"} << open << QString();
}

// --help and --version alone ask for the usage or the version; every other argument list names
// one file, and a first "--" only says that a file name follows.
void TestTextFile::readsTheCommandLine() {
    QFETCH(QStringList, arguments);
    QFETCH(int, request);
    QFETCH(QString, fileName);
    std::vector<QByteArray> bytes{"prog"};
    for (const QString &argument : arguments)
        bytes.push_back(argument.toLocal8Bit());
    std::vector<const char *> argv;
    for (const QByteArray &argument : bytes)
        argv.push_back(argument.constData());
    const CommandLine read = readCommandLine(int(argv.size()), argv.data());
    QCOMPARE(int(read.request), request);
    QCOMPARE(read.fileName, fileName);
}

QTEST_GUILESS_MAIN(TestTextFile)
#include "tst_textfile.moc"
