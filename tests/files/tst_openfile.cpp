// Open File through the main window and the real open dialog: cancelling, the question before a
// text is replaced, the loading steps (line breaks, the zero byte, a file equal to the text), a
// large file, the editor's capacity, files that cannot be opened, and the dialog's remembered
// file type.
#include "FileFixtures.h"
#include "editor/text/EditorCapacity.h"
#include "tests/startup/PrivateConfig.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <memory>
#include <sys/stat.h>

using namespace file_fixtures;
using crypt_fixtures::beepNames;
using crypt_fixtures::everyByteText;

namespace {

const QString openTitle = QStringLiteral("Open File");
const QString replaceQuestion =
    QStringLiteral("Confirm: Replace existing text with the contents of the selected file?");

} // namespace

class TestOpenFile : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();

    void dialogAsShown();
    void cancelChangesNothing_data();
    void cancelChangesNothing();
    void emptyEditorAsksNothing();
    void typedNames_data();
    void typedNames();
    void question_data();
    void question();
    void loads_data();
    void loads();
    void identicalFileChangesNothing();
    void fiftyMegabytes();
    void capacity_data();
    void capacity();
    void fileLongerThanItsStatedSize();
    void linesWithinCapacity_data();
    void linesWithinCapacity();
    void cannotOpen_data();
    void cannotOpen();
    void confirmedFileTypeIsRemembered();
    void cancelledFileTypeIsForgotten();

private:
    QString pathOf(const char *name) const { return m_dir->filePath(QLatin1String(name)); }
    // Runs Open File choosing the file; a text in the editor is replaced after the answer Yes.
    void openChoosing(WindowUnderTest &w, const QString &path);

    // Nothing these tests do (the dialogs keep state of their own) reaches a user's folder.
    PrivateConfig m_config;
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestOpenFile::initTestCase() {
    QVERIFY(m_config.isPrivate());
}

void TestOpenFile::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    platform::clearRecordedBeeps();
}

void TestOpenFile::openChoosing(WindowUnderTest &w, const QString &path) {
    ModalAnswerer answerer;
    answerer.then(chooseFile(path));
    if (w.editor()->byteLength() > 0)
        answerer.press(QStringLiteral("msg_Yes"));
    w.action("OpenFile1")->trigger();
    QVERIFY(answerer.done());
}

// The title, the three file types with the armoured one chosen, no read-only choice, and an
// empty name field.
void TestOpenFile::dialogAsShown() {
    WindowUnderTest w;
    QFileDialog *shownDialog = nullptr;
    ModalAnswerer answerer;
    answerer.then([&](QWidget *modal) {
        shownDialog = qobject_cast<QFileDialog *>(modal);
        modal->close();
    });
    w.action("OpenFile1")->trigger();
    QVERIFY(answerer.done());
    QVERIFY(shownDialog != nullptr);
    QCOMPARE(shownDialog->objectName(), QStringLiteral("OpenDialog1"));
    QCOMPARE(shownDialog->windowTitle(), openTitle);
    QCOMPARE(shownDialog->nameFilters(),
             QStringList({"Shroud-a-Pad (*.qvl)", "Text (*.txt)", "All Files (*)"}));
    QCOMPARE(shownDialog->selectedNameFilter(), QStringLiteral("Shroud-a-Pad (*.qvl)"));
    QCOMPARE(shownDialog->fileMode(), QFileDialog::ExistingFile);
    QVERIFY(!shownDialog->testOption(QFileDialog::ReadOnly));
    QVERIFY(shownDialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->text().isEmpty());
}

void TestOpenFile::cancelChangesNothing_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("answer");
    QTest::newRow("empty editor, Escape") << ""
                                          << "key Escape";
    QTest::newRow("a text, Escape") << "some text"
                                    << "key Escape";
    QTest::newRow("a text, closed by the frame") << "some text"
                                                 << "frame";
}

// No question, no beep, and the text, its selection and its undo stay as they were.
void TestOpenFile::cancelChangesNothing() {
    QFETCH(QString, text);
    QFETCH(QString, answer);
    WindowUnderTest w;
    type(w.editor(), text);
    select(w.editor(), 0, int(text.size()) / 2);
    const EditorState before(w);
    ModalAnswerer answerer;
    answerWith(answerer, answer);
    w.action("OpenFile1")->trigger();
    QVERIFY(answerer.done());
    QCOMPARE(shown(answerer), QStringList{openTitle});
    QVERIFY(beepNames().isEmpty());
    QVERIFY(EditorState(w) == before);
}

void TestOpenFile::emptyEditorAsksNothing() {
    WindowUnderTest w;
    QVERIFY(writeFile(pathOf("a.txt"), "the letter"));
    ModalAnswerer answerer;
    answerer.then(chooseFile(pathOf("a.txt")));
    w.action("OpenFile1")->trigger();
    QVERIFY(answerer.done());
    QCOMPARE(shown(answerer), QStringList{openTitle});
    QVERIFY(beepNames().isEmpty());
    QCOMPARE(w.bytes(), std::string("the letter"));
}

void TestOpenFile::typedNames_data() {
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("opened");
    QTest::newRow("default extension added") << QStringList{"letter.qvl"} << "letter"
                                             << "letter.qvl";
    QTest::newRow("a name without extension") << QStringList{"README"} << "README"
                                              << "README";
    QTest::newRow("as typed before the default extension")
        << QStringList{"letter", "letter.qvl"} << "letter"
        << "letter";
    QTest::newRow("other extension kept")
        << QStringList{"letter.txt", "letter.txt.qvl"} << "letter.txt"
        << "letter.txt";
}

// A name typed into the dialog's folder: the default extension completes a name that names no
// file, while a file whose name has no extension opens as it is.
void TestOpenFile::typedNames() {
    QFETCH(QStringList, files);
    QFETCH(QString, typed);
    QFETCH(QString, opened);
    for (const QString &file : files)
        QVERIFY(writeFile(m_dir->filePath(file), file.toLatin1()));
    WindowUnderTest w;
    ModalAnswerer answerer;
    answerer.then([&](QWidget *modal) {
        auto *dialog = static_cast<QFileDialog *>(modal);
        dialog->setDirectory(m_dir->path());
        typeName(dialog, typed);
        pressAccept(dialog);
    });
    w.action("OpenFile1")->trigger();
    QVERIFY(answerer.done());
    QCOMPARE(QString::fromStdString(w.bytes()), opened);
}

void TestOpenFile::question_data() {
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("replaced");
    QTest::newRow("Yes") << "press msg_Yes" << true;
    QTest::newRow("No") << "press msg_No" << false;
    QTest::newRow("Escape answers No") << "key Escape" << false;
    QTest::newRow("Enter answers Yes") << "key Enter" << true;
    QTest::newRow("closed by the frame answers No") << "frame" << false;
}

// Asked after the file has been chosen, with the question beep; only No keeps the text, with
// its selection and its undo.
void TestOpenFile::question() {
    QFETCH(QString, answer);
    QFETCH(bool, replaced);
    WindowUnderTest w;
    QVERIFY(writeFile(pathOf("new.txt"), "new\ntext"));
    type(w.editor(), QStringLiteral("old text"));
    select(w.editor(), 1, 4);
    const EditorState before(w);
    ModalAnswerer answerer;
    answerer.then(chooseFile(pathOf("new.txt")));
    answerWith(answerer, answer);
    w.action("OpenFile1")->trigger();
    QVERIFY(answerer.done());
    QCOMPARE(shown(answerer), QStringList({openTitle, replaceQuestion}));
    QCOMPARE(beepNames(), QStringList{"Question"});
    if (replaced) {
        QCOMPARE(w.bytes(), std::string("new\r\ntext"));
        QCOMPARE(w.sizeCaption(), QStringLiteral(" 9 bytes"));
        QVERIFY(!w.editor()->canUndo());
    } else {
        QVERIFY(EditorState(w) == before);
    }
}

void TestOpenFile::loads_data() {
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QByteArray>("after");
    QTest::addColumn<QString>("size");
    QTest::addColumn<QString>("warning");
    const QByteArray every = crypt_fixtures::asBytes(everyByteText(3));
    const QString zeroByte = QStringLiteral("Warning: The text ends at a zero byte in the file.  ");
    QTest::newRow("empty file over a text")
        << QByteArray("old text") << QByteArray() << QByteArray() << " 0 bytes"
        << "";
    QTest::newRow("CR LF kept") << QByteArray() << QByteArray("a\r\nb") << QByteArray("a\r\nb")
                                << " 4 bytes"
                                << "";
    QTest::newRow("LF only") << QByteArray() << QByteArray("a\nb\n") << QByteArray("a\r\nb\r\n")
                             << " 6 bytes"
                             << "";
    QTest::newRow("CR only") << QByteArray() << QByteArray("a\rb\r") << QByteArray("a\r\nb\r\n")
                             << " 6 bytes"
                             << "";
    QTest::newRow("mixed") << QByteArray() << QByteArray("a\r\nb\nc\rd\n\r\r\n")
                           << QByteArray("a\r\nb\r\nc\r\nd\r\n\r\n\r\n") << " 16 bytes"
                           << "";
    QTest::newRow("zero byte ends the text")
        << QByteArray() << QByteArray("abc\0def", 7) << QByteArray("abc") << " 3 bytes"
        << zeroByte + "The 3 bytes after it were not loaded.";
    QTest::newRow("zero byte after 10 of 40 bytes")
        << QByteArray() << QByteArray(10, 'a') + '\0' + QByteArray(29, 'b') << QByteArray(10, 'a')
        << " 10 bytes" << zeroByte + "The 29 bytes after it were not loaded.";
    QTest::newRow("zero byte first, over a text")
        << QByteArray("old") << QByteArray("\0abc", 4) << QByteArray() << " 0 bytes"
        << zeroByte + "The 3 bytes after it were not loaded.";
    QTest::newRow("CR before a zero byte")
        << QByteArray() << QByteArray("a\r\0b", 4) << QByteArray("a\r\n") << " 3 bytes"
        << zeroByte + "The 1 byte after it was not loaded.";
    QTest::newRow("zero byte last")
        << QByteArray() << QByteArray("abc\0", 4) << QByteArray("abc") << " 3 bytes"
        << zeroByte + "The 0 bytes after it were not loaded.";
    QTest::newRow("every byte value")
        << QByteArray() << every << every << QStringLiteral(" %1 bytes").arg(every.size()) << "";
}

// The line breaks normalised, the text cut at a zero byte with a warning of what was left out,
// the status counting two bytes per line break, and nothing left to undo.
void TestOpenFile::loads() {
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, after);
    QFETCH(QString, size);
    QFETCH(QString, warning);
    WindowUnderTest w;
    type(w.editor(), QString::fromLatin1(before));
    QVERIFY(writeFile(pathOf("file.txt"), file));
    ModalAnswerer answerer;
    answerer.then(chooseFile(pathOf("file.txt")));
    QStringList expected{openTitle};
    QStringList beeps;
    if (!before.isEmpty()) {
        answerer.press(QStringLiteral("msg_Yes"));
        expected << replaceQuestion;
        beeps << QStringLiteral("Question");
    }
    if (!warning.isEmpty()) {
        answerer.press(QStringLiteral("msg_OK"));
        expected << warning;
        beeps << QStringLiteral("Exclamation");
    }
    w.action("OpenFile1")->trigger();
    QVERIFY(answerer.done());
    QCOMPARE(shown(answerer), expected);
    QCOMPARE(beepNames(), beeps);
    QCOMPARE(crypt_fixtures::asBytes(w.bytes()), after);
    QCOMPARE(w.sizeCaption(), size);
    QVERIFY(!w.editor()->canUndo());
}

// Equal after the line breaks are normalised: no change event, and the typed text can still
// be undone.
void TestOpenFile::identicalFileChangesNothing() {
    WindowUnderTest w;
    type(w.editor(), QStringLiteral("a"));
    QTest::keyClick(w.editor(), Qt::Key_Return);
    type(w.editor(), QStringLiteral("b"));
    QCOMPARE(w.bytes(), std::string("a\r\nb"));
    QVERIFY(writeFile(pathOf("same.txt"), "a\nb"));
    const EditorState before(w);
    QSignalSpy changes(w.editor(), &QPlainTextEdit::textChanged);
    openChoosing(w, pathOf("same.txt"));
    QCOMPARE(changes.count(), 0);
    QVERIFY(EditorState(w) == before);
    w.action("Undo1")->trigger();
    QCOMPARE(w.bytes(), std::string("a\r\n"));
}

// 50,000,000 bytes once the line ends are CR LF.
void TestOpenFile::fiftyMegabytes() {
    constexpr int lines = 50'000;
    const QByteArray line = QByteArray(997, 'x') + "y\n";
    QFile file(pathOf("large.txt"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    for (int i = 0; i < lines; ++i)
        QCOMPARE(file.write(line), line.size());
    file.close();
    WindowUnderTest w;
    openChoosing(w, file.fileName());
    QCOMPARE(w.sizeCaption(), QStringLiteral(" 50000000 bytes"));
    QCOMPARE(w.editor()->lineCount(), lines + 1);
    QCOMPARE(w.editor()->line(lines - 1), line.chopped(1).toStdString());
    QCOMPARE(w.editor()->line(lines), std::string());
}

void TestOpenFile::capacity_data() {
    QTest::addColumn<qint64>("size");
    QTest::addColumn<QString>("message");
    const qint64 capacity = editor_capacity::fileBytes;
    QTest::newRow("exactly the capacity")
        << capacity
        << QStringLiteral("Warning: The text ends at a zero byte in the file.  "
                          "The %1 bytes after it were not loaded.")
               .arg(capacity - 1);
    QTest::newRow("one byte more")
        << capacity + 1 << QStringLiteral("Shroud-a-Pad: Text exceeds memo capacity.");
    QTest::newRow("a terabyte") << (qint64(1) << 40)
                                << QStringLiteral("Shroud-a-Pad: Text exceeds memo capacity.");
    QTest::newRow("one line too many")
        << -editor_capacity::lines << QStringLiteral("Shroud-a-Pad: Text exceeds memo capacity.");
    QTest::newRow("a line too long") << -(editor_capacity::lineBytes + 1)
                                     << QStringLiteral("Shroud-a-Pad: Text exceeds memo capacity.");
}

// A file of zero bytes with no disk behind them: one up to the capacity is read (and ends at
// once), a larger one is refused from its size before a byte is read. A file within that size
// is refused for too many lines (a size below zero: that many line feeds) or too long a line
// (that many letters). Refused, the editor is as it was.
void TestOpenFile::capacity() {
    QFETCH(qint64, size);
    QFETCH(QString, message);
    QFile file(pathOf("sparse.txt"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    if (size == -editor_capacity::lines)
        QVERIFY(file.write(QByteArray(int(editor_capacity::lines), '\n')) > 0);
    else if (size < 0)
        QVERIFY(file.write(QByteArray(int(-size), 'x')) > 0);
    else
        QVERIFY(file.resize(size));
    file.close();
    WindowUnderTest w;
    type(w.editor(), QStringLiteral("unsaved text"));
    const EditorState before(w);
    ModalAnswerer answerer;
    answerer.then(chooseFile(file.fileName()))
        .press(QStringLiteral("msg_Yes"))
        .press(QStringLiteral("msg_OK"));
    w.action("OpenFile1")->trigger();
    QVERIFY(answerer.done());
    QCOMPARE(shown(answerer), QStringList({openTitle, replaceQuestion, message}));
    if (size < 0 || size > editor_capacity::fileBytes)
        QVERIFY(EditorState(w) == before);
    else
        QCOMPARE(w.sizeCaption(), QStringLiteral(" 0 bytes"));
}

// A file that states a size of 0 and holds more, as those under /proc do, is read to its end.
void TestOpenFile::fileLongerThanItsStatedSize() {
    const QString path = QStringLiteral("/proc/self/status");
    QCOMPARE(QFileInfo(path).size(), qint64(0));
    WindowUnderTest w;
    ModalAnswerer answerer;
    answerer.then(chooseFile(path));
    w.action("OpenFile1")->trigger();
    QVERIFY(answerer.done());
    QVERIFY(w.editor()->toPlainText().startsWith(QStringLiteral("Name:")));
}

void TestOpenFile::linesWithinCapacity_data() {
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("longest");
    QTest::addColumn<bool>("held");
    const int most = int(editor_capacity::lines);
    const int longest = int(editor_capacity::lineBytes);
    QTest::newRow("the most lines") << most << 0 << true;
    QTest::newRow("one line more") << most + 1 << 0 << false;
    QTest::newRow("the longest line, then a line break") << 2 << longest << true;
    QTest::newRow("the longest line, last") << 1 << longest << true;
    QTest::newRow("one byte longer, then a line break") << 2 << longest + 1 << false;
    QTest::newRow("one byte longer, last") << 1 << longest + 1 << false;
}

// The lines of a text with CR LF line breaks, counted against the editor's capacity: the first
// line is the longest, the others are empty.
void TestOpenFile::linesWithinCapacity() {
    QFETCH(int, lines);
    QFETCH(int, longest);
    QFETCH(bool, held);
    std::string text(std::size_t(longest), 'x');
    for (int line = 1; line < lines; ++line)
        text += "\r\n";
    QCOMPARE(editor_capacity::holdsLines(text), held);
}

void TestOpenFile::cannotOpen_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("a pipe") << "fifo";
    QTest::newRow("a device without end") << "/dev/zero";
    QTest::newRow("deleted before the answer") << "deleted";
    QTest::newRow("a folder by the time of the answer") << "folder";
}

// The application-level error box with the full path; the editor and the disk as before.
void TestOpenFile::cannotOpen() {
    QFETCH(QString, kind);
    WindowUnderTest w;
    QString path = pathOf("chosen");
    ModalAnswerer answerer;
    QStringList expected{openTitle};
    if (kind == QLatin1String("fifo")) {
        QCOMPARE(mkfifo(qPrintable(path), 0600), 0);
    } else if (kind == QLatin1String("/dev/zero")) {
        path = kind;
    } else {
        // The file is chosen, and then it is gone while the question waits.
        type(w.editor(), QStringLiteral("old text"));
        QVERIFY(writeFile(path, "new text"));
        expected << replaceQuestion;
    }
    const EditorState before(w);
    answerer.then(chooseFile(path));
    if (w.editor()->byteLength() > 0) {
        answerer.then([&](QWidget *modal) {
            QFile::remove(path);
            if (kind == QLatin1String("folder"))
                QDir().mkdir(path);
            modal->findChild<QAbstractButton *>(QStringLiteral("msg_Yes"))->click();
        });
    }
    answerer.press(QStringLiteral("msg_OK"));
    w.action("OpenFile1")->trigger();
    QVERIFY(answerer.done());
    expected << QStringLiteral("Shroud-a-Pad: Cannot open file %1.").arg(path);
    QCOMPARE(shown(answerer), expected);
    QVERIFY(EditorState(w) == before);
}

// The next Open starts on the file type that was chosen when the last one was confirmed, with
// its name field empty again.
void TestOpenFile::confirmedFileTypeIsRemembered() {
    WindowUnderTest w;
    QVERIFY(writeFile(pathOf("a.txt"), "a"));
    QStringList startingTypes;
    QStringList startingNames;
    const auto chooseAs = [&](const QString &type, const QString &path) {
        return [&, type, path](QWidget *modal) {
            auto *dialog = static_cast<QFileDialog *>(modal);
            startingTypes << dialog->selectedNameFilter();
            startingNames << dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->text();
            dialog->selectNameFilter(type);
            chooseFile(path)(modal);
        };
    };
    ModalAnswerer answerer;
    answerer.then(chooseAs(QStringLiteral("Text (*.txt)"), pathOf("a.txt")))
        .then(chooseAs(QStringLiteral("All Files (*)"), pathOf("a.txt")))
        .press(QStringLiteral("msg_Yes"))
        .then([&](QWidget *modal) {
            startingTypes << static_cast<QFileDialog *>(modal)->selectedNameFilter();
            modal->close();
        });
    for (int open = 0; open < 3; ++open)
        w.action("OpenFile1")->trigger();
    QVERIFY(answerer.done());
    QCOMPARE(startingTypes, QStringList({"Shroud-a-Pad (*.qvl)", "Text (*.txt)", "All Files (*)"}));
    QCOMPARE(startingNames, QStringList({"", ""}));
}

// Only a confirmed Open moves the starting file type: a choice made and then cancelled is not
// kept.
void TestOpenFile::cancelledFileTypeIsForgotten() {
    WindowUnderTest w;
    QStringList startingTypes;
    ModalAnswerer answerer;
    answerer
        .then([&](QWidget *modal) {
            auto *dialog = static_cast<QFileDialog *>(modal);
            startingTypes << dialog->selectedNameFilter();
            dialog->selectNameFilter(QStringLiteral("Text (*.txt)"));
            dialog->reject();
        })
        .then([&](QWidget *modal) {
            startingTypes << static_cast<QFileDialog *>(modal)->selectedNameFilter();
            modal->close();
        });
    w.action("OpenFile1")->trigger();
    w.action("OpenFile1")->trigger();
    QVERIFY(answerer.done());
    QCOMPARE(startingTypes, QStringList({"Shroud-a-Pad (*.qvl)", "Shroud-a-Pad (*.qvl)"}));
}

QTEST_MAIN(TestOpenFile)
#include "tst_openfile.moc"
