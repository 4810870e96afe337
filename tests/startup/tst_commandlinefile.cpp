// The file named on the command line, through startUp: an existing file is loaded without a
// question; a name that names no file (missing, a folder, a pipe, a device) gives the stop beep
// and its box before the window is shown, and the program goes on with an empty editor.
#include "PrivateConfig.h"

#include "tests/files/FileFixtures.h"

#include <QLabel>
#include <memory>
#include <sys/stat.h>

using namespace file_fixtures;
using crypt_fixtures::beepNames;

class TestCommandLineFile : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void loads_data();
    void loads();
    void nameRelativeToTheWorkingFolder();
    void notAFile_data();
    void notAFile();

private:
    std::unique_ptr<PrivateConfig> m_config;
    std::unique_ptr<QTemporaryDir> m_files;
    QString m_workingFolder;
};

void TestCommandLineFile::init() {
    m_config = std::make_unique<PrivateConfig>();
    QVERIFY(m_config->isPrivate());
    m_files = std::make_unique<QTemporaryDir>();
    QVERIFY(m_files->isValid());
    m_workingFolder = QDir::currentPath();
    platform::clearRecordedBeeps();
}

void TestCommandLineFile::cleanup() {
    QDir::setCurrent(m_workingFolder);
}

void TestCommandLineFile::loads_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("warning");
    QTest::newRow("a file") << "letter.qvl" << QByteArray("a\nb") << QByteArray("a\r\nb") << "";
    QTest::newRow("a name with a space")
        << "My Letter.qvl" << QByteArray("xy") << QByteArray("xy") << "";
    QTest::newRow("a name with two spaces")
        << "two  spaces.txt" << QByteArray("y\r") << QByteArray("y\r\n") << "";
    QTest::newRow("an empty file") << "empty.txt" << QByteArray() << QByteArray() << "";
    QTest::newRow("a zero byte") << "zero.bin" << QByteArray("ab\0cd", 5) << QByteArray("ab")
                                 << "The text ends at a zero byte in the file.  "
                                    "The 2 bytes after it were not loaded.";
}

// Loaded by the loading steps of Open, with no question and nothing to undo; no box but the
// warning of a zero byte.
void TestCommandLineFile::loads() {
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(QByteArray, text);
    QFETCH(QString, warning);
    const QString path = m_files->filePath(name);
    QVERIFY(writeFile(path, content));
    MainWindow window;
    ModalAnswerer answerer;
    answerer.closeFrame();
    window.startUp(path);
    QCOMPARE(answerer.texts(), warning.isEmpty() ? QStringList() : QStringList{warning});
    QCOMPARE(beepNames(), warning.isEmpty() ? QStringList() : QStringList{"Exclamation"});
    auto *editor = window.findChild<TextEditor *>(QStringLiteral("txt_SPad"));
    QCOMPARE(crypt_fixtures::asBytes(editor->bytes()), text);
    QCOMPARE(window.findChild<QLabel *>(QStringLiteral("pan_Bytes"))->text(),
             QStringLiteral(" %1 bytes").arg(text.size()));
    QVERIFY(!editor->canUndo());
}

void TestCommandLineFile::nameRelativeToTheWorkingFolder() {
    QVERIFY(writeFile(m_files->filePath(QStringLiteral("here.txt")), "here"));
    QVERIFY(QDir::setCurrent(m_files->path()));
    MainWindow window;
    window.startUp(QStringLiteral("here.txt"));
    QCOMPARE(window.findChild<TextEditor *>()->bytes(), std::string("here"));
}

void TestCommandLineFile::notAFile_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("a missing file") << "missing";
    QTest::newRow("a folder") << "folder";
    QTest::newRow("a pipe") << "pipe";
    QTest::newRow("a device") << "/dev/zero";
}

// The stop beep and the box with the name on a line of its own, shown before the window; the
// settings already applied stay, and the window then works with an empty editor.
void TestCommandLineFile::notAFile() {
    QFETCH(QString, kind);
    QString name = m_files->filePath(QStringLiteral("My  Letter.qvl"));
    if (kind == QLatin1String("folder"))
        QVERIFY(QDir().mkdir(name));
    else if (kind == QLatin1String("pipe"))
        QCOMPARE(mkfifo(QFile::encodeName(name).constData(), 0600), 0);
    else if (kind != QLatin1String("missing"))
        name = kind;
    QVERIFY(QDir().mkpath(QFileInfo(m_config->settingsPath()).path()));
    QVERIFY(writeFile(m_config->settingsPath(), "[Shroud-a-Pad]\nFontBold=1\n"));

    WindowUnderTest w;
    w.window().hide();
    bool windowShownDuringBox = true;
    ModalAnswerer answerer;
    answerer.then([&](QWidget *modal) {
        windowShownDuringBox = w.window().isVisible();
        modal->findChild<QAbstractButton *>(QStringLiteral("msg_OK"))->click();
    });
    w.window().startUp(name);
    QVERIFY(answerer.done());
    QCOMPARE(shown(answerer), QStringList{"Error: The following file does not exist.\n\n" + name});
    QCOMPARE(beepNames(), QStringList{"Hand"});
    QVERIFY(!windowShownDuringBox);
    QVERIFY(w.editor()->font().bold());
    QCOMPARE(w.bytes(), std::string());

    w.window().show();
    QTest::keyClicks(w.editor(), QStringLiteral("a"));
    QCOMPARE(w.sizeCaption(), QStringLiteral(" 1 byte"));
}

QTEST_MAIN(TestCommandLineFile)
#include "tst_commandlinefile.moc"
