// Save File As through the main window and the real save dialog: the refusal of an empty text,
// the proposed file type, the bytes written exactly, files of every encoding and line-break
// convention saved back as they were opened, the default extension, failures that leave the
// disk as it was, and the working folder after either file dialog.
#include "FileFixtures.h"
#include "MarkingTranslator.h"
#include "platform/InPlaceWrite.h"
#include "tests/startup/PrivateConfig.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QDeadlineTimer>
#include <QLineEdit>
#include <QPointer>
#include <QTemporaryDir>
#include <atomic>
#include <csignal>
#include <fcntl.h>
#include <memory>
#include <sys/resource.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

using namespace file_fixtures;
using crypt_fixtures::asBytes;
using crypt_fixtures::beepNames;
using crypt_fixtures::blockOf;
using crypt_fixtures::everyByteText;

namespace {

const QString saveTitle = QStringLiteral("Save File");
const QString armouredType = QStringLiteral("Shroud-a-Pad (*.qvl)");
const QString textType = QStringLiteral("Text (*.txt)");

// While it lives, no file of the process may grow beyond 4096 bytes: the disk looks full.
class SmallFileLimit {
public:
    SmallFileLimit() {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_saved);
        rlimit small = m_saved;
        small.rlim_cur = 4096;
        setrlimit(RLIMIT_FSIZE, &small);
    }
    ~SmallFileLimit() { setrlimit(RLIMIT_FSIZE, &m_saved); }
    SmallFileLimit(const SmallFileLimit &) = delete;
    SmallFileLimit &operator=(const SmallFileLimit &) = delete;

private:
    rlimit m_saved{};
};

// The reading end of a pipe, opened before the save unless nobody reads: it takes every byte,
// leaves after the first few, or takes nothing, in a thread of its own.
class PipeReader {
public:
    PipeReader(const QString &path, const QString &kind, qint64 expected) {
        if (kind == QLatin1String("nobody reads"))
            return;
        // Opened without waiting for a writer, then read waiting for its bytes.
        m_fd = ::open(qPrintable(path), O_RDONLY | O_NONBLOCK);
        ::fcntl(m_fd, F_SETFL, ::fcntl(m_fd, F_GETFL) & ~O_NONBLOCK);
        if (kind == QLatin1String("takes every byte"))
            m_thread = std::thread([this, expected] { readUntil(expected); });
        else if (kind == QLatin1String("leaves early"))
            m_thread = std::thread([this] {
                readUntil(1);
                ::close(m_fd);
                m_fd = -1;
            });
    }
    ~PipeReader() {
        if (m_thread.joinable())
            m_thread.join();
        if (m_fd >= 0)
            ::close(m_fd);
    }
    PipeReader(const PipeReader &) = delete;
    PipeReader &operator=(const PipeReader &) = delete;

    qint64 received() {
        if (m_thread.joinable())
            m_thread.join();
        return m_received;
    }

private:
    // Until no writer has come yet a read finds the end at once, so it is tried again.
    void readUntil(qint64 count) {
        const QDeadlineTimer deadline(30'000);
        char buffer[65536];
        while (m_received < count && !deadline.hasExpired()) {
            const ssize_t got = ::read(m_fd, buffer, sizeof buffer);
            if (got > 0)
                m_received += got;
            else
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    }

    int m_fd = -1;
    std::atomic<qint64> m_received = 0;
    std::thread m_thread;
};

} // namespace

class TestSaveFile : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();

    void emptyTextRefused();
    void dialogAsShown();
    void proposedType_data();
    void proposedType();
    void typeIsProposedAtEveryShowing();
    void cancelWritesNothing();
    void writesTheBytesExactly();
    void loadedLineBreaksAreSavedAsCrLf();
    void openedFilesSaveBack_data();
    void openedFilesSaveBack();
    void defaultExtension_data();
    void defaultExtension();
    void fileTypesInTheUsersLanguage();
    void replacesAnExistingFileAfterTheQuestion();
    void replacedFileKeepsOwnerAndMode_data();
    void replacedFileKeepsOwnerAndMode();
    void failures_data();
    void failures();
    void missingFolderRefusedInTheDialog_data();
    void missingFolderRefusedInTheDialog();
    void proposedNamesCloseWithTheDialog();
    void fullDiskKeepsTheOldFile();
    void pipe_data();
    void pipe();
    void workingFolderUnchanged();

private:
    QString pathOf(const char *name) const { return m_dir->filePath(QLatin1String(name)); }
    // Saves under the name typed in the save dialog, shown on the temporary folder.
    void saveAs(WindowUnderTest &w, const QString &typedName);

    // Nothing these tests do (the dialogs keep state of their own) reaches a user's folder.
    PrivateConfig m_config;
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestSaveFile::initTestCase() {
    QVERIFY(m_config.isPrivate());
}

void TestSaveFile::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    platform::clearRecordedBeeps();
}

void TestSaveFile::saveAs(WindowUnderTest &w, const QString &typedName) {
    ModalAnswerer answerer;
    answerer.then([&](QWidget *modal) {
        auto *dialog = static_cast<QFileDialog *>(modal);
        dialog->setDirectory(m_dir->path());
        typeName(dialog, typedName);
        pressAccept(dialog);
    });
    w.action("SaveFileAs1")->trigger();
    QVERIFY(answerer.done());
}

// The stop beep and the error box, and no dialog at all.
void TestSaveFile::emptyTextRefused() {
    WindowUnderTest w;
    ModalAnswerer answerer;
    answerer.press(QStringLiteral("msg_OK"));
    w.action("SaveFileAs1")->trigger();
    QVERIFY(answerer.done());
    QCOMPARE(shown(answerer), QStringList{"Error: There is no text that can be saved."});
    QCOMPARE(beepNames(), QStringList{"Hand"});
    QVERIFY(QDir(m_dir->path()).isEmpty());
}

void TestSaveFile::dialogAsShown() {
    WindowUnderTest w;
    w.editor()->setBytes("text");
    QFileDialog *shownDialog = nullptr;
    ModalAnswerer answerer;
    answerer.then([&](QWidget *modal) {
        shownDialog = qobject_cast<QFileDialog *>(modal);
        modal->close();
    });
    w.action("SaveFileAs1")->trigger();
    QVERIFY(answerer.done());
    QVERIFY(shownDialog != nullptr);
    QCOMPARE(shownDialog->objectName(), QStringLiteral("SaveDialog1"));
    QCOMPARE(shownDialog->windowTitle(), saveTitle);
    QCOMPARE(shownDialog->acceptMode(), QFileDialog::AcceptSave);
    QCOMPARE(shownDialog->nameFilters(), QStringList({armouredType, textType, "All Files (*)"}));
    QCOMPARE(shownDialog->defaultSuffix(), QStringLiteral("txt"));
    QVERIFY(!shownDialog->testOption(QFileDialog::DontConfirmOverwrite));
    QVERIFY(shownDialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->text().isEmpty());
}

void TestSaveFile::proposedType_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("type");
    QTest::newRow("an armoured block") << asBytes(blockOf("abc")) << armouredType;
    QTest::newRow("two tag lines, no valid block") << QByteArray("QvL/x\r\nQvL/y") << armouredType;
    QTest::newRow("one tag line") << QByteArray("QvL/x\r\nplain") << textType;
    QTest::newRow("tags inside lines") << QByteArray(" QvL/x\r\na QvL/y") << textType;
    QTest::newRow("plain text") << QByteArray("plain") << textType;
    // The armoured-file type names the program's own blocks; another program's message is text.
    QTest::newRow("an OpenPGP message")
        << QByteArray("-----BEGIN PGP MESSAGE-----\r\n\r\njA0E\r\n-----END PGP MESSAGE-----")
        << textType;
}

void TestSaveFile::proposedType() {
    QFETCH(QByteArray, text);
    QFETCH(QString, type);
    WindowUnderTest w;
    w.editor()->setBytes(text.toStdString());
    QString proposed;
    ModalAnswerer answerer;
    answerer.then([&](QWidget *modal) {
        proposed = static_cast<QFileDialog *>(modal)->selectedNameFilter();
        modal->close();
    });
    w.action("SaveFileAs1")->trigger();
    QVERIFY(answerer.done());
    QCOMPARE(proposed, type);
}

// A type the user chose in one showing does not carry over to the next.
void TestSaveFile::typeIsProposedAtEveryShowing() {
    WindowUnderTest w;
    w.editor()->setBytes("plain");
    QStringList proposed;
    const auto chooseAllFilesAndCancel = [&](QWidget *modal) {
        auto *dialog = static_cast<QFileDialog *>(modal);
        proposed << dialog->selectedNameFilter();
        dialog->selectNameFilter(QStringLiteral("All Files (*)"));
        dialog->reject();
    };
    ModalAnswerer answerer;
    answerer.then(chooseAllFilesAndCancel).then(chooseAllFilesAndCancel);
    w.action("SaveFileAs1")->trigger();
    w.action("SaveFileAs1")->trigger();
    QVERIFY(answerer.done());
    QCOMPARE(proposed, QStringList({textType, textType}));
}

void TestSaveFile::cancelWritesNothing() {
    WindowUnderTest w;
    w.editor()->setBytes("text");
    ModalAnswerer answerer;
    answerer.then([&](QWidget *modal) {
        auto *dialog = static_cast<QFileDialog *>(modal);
        dialog->setDirectory(m_dir->path());
        typeName(dialog, QStringLiteral("letter.txt"));
        dialog->reject();
    });
    w.action("SaveFileAs1")->trigger();
    QVERIFY(answerer.done());
    QCOMPARE(shown(answerer), QStringList{saveTitle});
    QVERIFY(QDir(m_dir->path()).isEmpty());
    QVERIFY(beepNames().isEmpty());
}

// Every byte value a text holds, its CR LF line breaks, no line break added at the end: the
// file's size is the size in the status bar, and the editor is left as it was.
void TestSaveFile::writesTheBytesExactly() {
    WindowUnderTest w;
    const std::string text = everyByteText(3);
    w.editor()->setBytes(text);
    type(w.editor(), QStringLiteral("!"));
    select(w.editor(), 5, 300);
    const EditorState before(w);
    saveAs(w, QStringLiteral("every.txt"));
    const QByteArray saved = contentOf(pathOf("every.txt"));
    QCOMPARE(saved, asBytes("!" + text));
    QCOMPARE(w.sizeCaption().section(u' ', 1, 1), QString::number(saved.size()));
    QVERIFY(EditorState(w) == before);
    QVERIFY(beepNames().isEmpty());
}

void TestSaveFile::loadedLineBreaksAreSavedAsCrLf() {
    WindowUnderTest w;
    QVERIFY(writeFile(pathOf("unix.txt"), "one\ntwo\rthree\n"));
    ModalAnswerer answerer;
    answerer.then(chooseFile(pathOf("unix.txt")));
    w.action("OpenFile1")->trigger();
    QVERIFY(answerer.done());
    saveAs(w, QStringLiteral("windows.txt"));
    QCOMPARE(contentOf(pathOf("windows.txt")), QByteArray("one\r\ntwo\r\nthree\r\n"));
    QCOMPARE(w.sizeCaption(), QStringLiteral(" 17 bytes"));
}

void TestSaveFile::openedFilesSaveBack_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QByteArray>("saved"); // empty: the file's own bytes
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("size");
    const QString windows = QStringLiteral(" Windows-1252, CR LF");
    QTest::newRow("ASCII, CR LF") << QByteArray("one\r\ntwo") << QByteArray() << windows
                                  << " 8 bytes";
    QTest::newRow("ASCII, LF") << QByteArray("one\ntwo\n") << QByteArray() << " Windows-1252, LF"
                               << " 10 bytes";
    QTest::newRow("Windows-1252 accents") << QByteArray("Gr\xFC\xDF"
                                                        "e aus K\xF6ln\r\n")
                                          << QByteArray() << windows << " 16 bytes";
    QTest::newRow("Windows-1252, LF")
        << QByteArray("K\xF6ln\n\x80\n") << QByteArray() << " Windows-1252, LF"
        << " 9 bytes";
    QTest::newRow("UTF-8, LF") << QByteArray("Gr\xC3\xBC\xC3\x9F"
                                             "e aus K\xC3\xB6ln\n")
                               << QByteArray() << " UTF-8, LF"
                               << " 19 bytes";
    QTest::newRow("UTF-8 with the mark, CR LF")
        << QByteArray("\xEF\xBB\xBF\xD0\xB6\xE2\x86\x92\xE4\xB8\xAD\r\n") << QByteArray()
        << " UTF-8 BOM, CR LF"
        << " 10 bytes";
    QTest::newRow("UTF-8 outside the basic plane")
        << QByteArray("\xF0\x9F\x98\x80") << QByteArray() << " UTF-8, CR LF"
        << " 4 bytes";
    QTest::newRow("invalid UTF-8 is Windows-1252")
        << QByteArray("\xC3\xB6\xC3\n") << QByteArray() << " Windows-1252, LF"
        << " 5 bytes";
    QTest::newRow("mark before invalid UTF-8")
        << QByteArray("\xEF\xBB\xBF\xFF") << QByteArray() << windows << " 4 bytes";
    QTest::newRow("mixed breaks become CR LF")
        << QByteArray("a\nb\r\nc") << QByteArray("a\r\nb\r\nc") << windows << " 7 bytes";
    QTest::newRow("lone CR becomes CR LF")
        << QByteArray("a\rb") << QByteArray("a\r\nb") << windows << " 4 bytes";
    QTest::newRow("lone CR in UTF-8 becomes CR LF")
        << QByteArray("\xC3\xA9\r\n\r") << QByteArray("\xC3\xA9\r\n\r\n") << " UTF-8, CR LF"
        << " 6 bytes";
    QTest::newRow("text ends at a zero byte")
        << QByteArray("\xC3\xA9\n\0\xFF", 6) << QByteArray("\xC3\xA9\n") << " UTF-8, LF"
        << " 4 bytes";
}

// What Open finds in the file shows in the status bar, and Save writes it back: encoding, mark
// and line breaks. The size counts the text in its encoding with CR LF line breaks.
void TestSaveFile::openedFilesSaveBack() {
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, saved);
    QFETCH(QString, format);
    QFETCH(QString, size);
    WindowUnderTest w;
    QVERIFY(writeFile(pathOf("opened.txt"), file));
    ModalAnswerer answerer;
    answerer.then(chooseFile(pathOf("opened.txt")));
    // A zero byte ends the text, with a warning of the bytes after it.
    if (file.contains('\0'))
        answerer.press(QStringLiteral("msg_OK"));
    w.action("OpenFile1")->trigger();
    QVERIFY(answerer.done());
    QCOMPARE(w.find<QLabel>("pan_Format")->text(), format);
    QCOMPARE(w.sizeCaption(), size);
    saveAs(w, QStringLiteral("saved.txt"));
    QCOMPARE(contentOf(pathOf("saved.txt")), saved.isEmpty() ? file : saved);
}

void TestSaveFile::defaultExtension_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("chosenType");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("saved");
    const QByteArray plain = "text";
    const QByteArray block = asBytes(blockOf("text"));
    QTest::newRow("plain text, Text proposed") << plain << QString() << "letter"
                                               << "letter.txt";
    QTest::newRow("with a space") << plain << QString() << "My Letter"
                                  << "My Letter.txt";
    QTest::newRow("block, Shroud-a-Pad proposed") << block << QString() << "letter"
                                                  << "letter.qvl";
    QTest::newRow("Shroud-a-Pad chosen") << plain << armouredType << "letter"
                                         << "letter.qvl";
    QTest::newRow("Text chosen for a block") << block << textType << "letter"
                                             << "letter.txt";
    QTest::newRow("All Files chosen") << plain << "All Files (*)"
                                      << "letter"
                                      << "letter.qvl";
    QTest::newRow("txt kept") << block << QString() << "letter.txt"
                              << "letter.txt";
    QTest::newRow("qvl kept") << plain << QString() << "letter.qvl"
                              << "letter.qvl";
    QTest::newRow("other extension kept") << plain << QString() << "letter.doc"
                                          << "letter.doc";
}

// A name typed without an extension gets the extension of the file type chosen in the dialog.
void TestSaveFile::defaultExtension() {
    QFETCH(QByteArray, text);
    QFETCH(QString, chosenType);
    QFETCH(QString, typed);
    QFETCH(QString, saved);
    WindowUnderTest w;
    w.editor()->setBytes(text.toStdString());
    ModalAnswerer answerer;
    answerer.then([&](QWidget *modal) {
        auto *dialog = static_cast<QFileDialog *>(modal);
        dialog->setDirectory(m_dir->path());
        if (!chosenType.isEmpty())
            dialog->selectNameFilter(chosenType);
        typeName(dialog, typed);
        pressAccept(dialog);
    });
    w.action("SaveFileAs1")->trigger();
    QVERIFY(answerer.done());
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList{saved});
    QCOMPARE(contentOf(m_dir->filePath(saved)), text);
}

// The title and the words of the file types are translated, their patterns and the program's
// name are not; the Text type still gives its extension to a name typed without one.
void TestSaveFile::fileTypesInTheUsersLanguage() {
    const MarkingTranslator marking;
    WindowUnderTest w;
    w.editor()->setBytes("text");
    ModalAnswerer answerer;
    answerer.then([&](QWidget *modal) {
        auto *dialog = static_cast<QFileDialog *>(modal);
        QCOMPARE(dialog->windowTitle(), QStringLiteral("{FileDialogs}Save File"));
        QCOMPARE(dialog->nameFilters(), QStringList({armouredType, "{FileDialogs}Text (*.txt)",
                                                     "{FileDialogs}All Files (*)"}));
        QCOMPARE(dialog->selectedNameFilter(), QStringLiteral("{FileDialogs}Text (*.txt)"));
        dialog->setDirectory(m_dir->path());
        typeName(dialog, QStringLiteral("letter"));
        pressAccept(dialog);
    });
    w.action("SaveFileAs1")->trigger();
    QVERIFY(answerer.done());
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList{"letter.txt"});
}

// The dialog asks before it takes the name of an existing file; No returns to the dialog.
void TestSaveFile::replacesAnExistingFileAfterTheQuestion() {
    WindowUnderTest w;
    w.editor()->setBytes("new");
    QVERIFY(writeFile(pathOf("old.txt"), "the old text, longer than the new"));
    ModalAnswerer answerer;
    answerer.then(chooseFile(pathOf("old.txt")))
        .then(replaceExisting(false))
        .then([&](QWidget *modal) {
            QCOMPARE(contentOf(pathOf("old.txt")), QByteArray("the old text, longer than the new"));
            chooseFile(pathOf("old.txt"))(modal);
        })
        .then(replaceExisting(true));
    w.action("SaveFileAs1")->trigger();
    QVERIFY(answerer.done());
    QCOMPARE(shown(answerer), QStringList({saveTitle, saveTitle, saveTitle, saveTitle}));
    QCOMPARE(contentOf(pathOf("old.txt")), QByteArray("new"));
    // The dialog and its question gone, typing goes to the editor again.
    QTRY_VERIFY(QApplication::activeWindow() == &w.window());
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(w.editor()));
}

void TestSaveFile::replacedFileKeepsOwnerAndMode_data() {
    QTest::addColumn<uint>("mode");
    QTest::newRow("read-only") << uint(0444);
    QTest::newRow("private") << uint(0600);
    QTest::newRow("setgid, group-writable") << uint(02664);
}

// The new file keeps the replaced one's permission bits and, where the process may change
// them (as root), its owner and group.
void TestSaveFile::replacedFileKeepsOwnerAndMode() {
    QFETCH(uint, mode);
    const QString path = pathOf("kept.txt");
    QVERIFY(writeFile(path, "old"));
    const bool root = ::geteuid() == 0;
    if (root)
        QCOMPARE(::chown(qPrintable(path), 1, 1), 0);
    QCOMPARE(::chmod(qPrintable(path), mode), 0);
    WindowUnderTest w;
    w.editor()->setBytes("new");
    ModalAnswerer answerer;
    answerer.then(chooseFile(path)).then(replaceExisting(true));
    w.action("SaveFileAs1")->trigger();
    QVERIFY(answerer.done());
    QCOMPARE(contentOf(path), QByteArray("new"));
    struct stat status {};
    QCOMPARE(::stat(qPrintable(path), &status), 0);
    QCOMPARE(uint(status.st_mode & 07777), mode);
    if (root)
        QCOMPARE(std::pair(status.st_uid, status.st_gid), std::pair(uid_t(1), gid_t(1)));
}

void TestSaveFile::failures_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("device");
    QTest::addColumn<QString>("message");
    QTest::newRow("a folder that cannot be written")
        << "/proc/x.txt"
        << ""
        << "Shroud-a-Pad: Cannot create file /proc/x.txt.";
    // A name typed without an extension gets the default one, so the device is reached through
    // a link that has one.
    QTest::newRow("a link to a full device") << "full.txt"
                                             << "/dev/full"
                                             << "Shroud-a-Pad: Stream write error.";
}

// The application-level error box; the editor as it was, and a device written in place, never
// replaced by a file.
void TestSaveFile::failures() {
    QFETCH(QString, path);
    QFETCH(QString, device);
    QFETCH(QString, message);
    if (!device.isEmpty()) {
        QVERIFY(QFile::link(device, m_dir->filePath(path)));
        path = m_dir->filePath(path);
    }
    WindowUnderTest w;
    w.editor()->setBytes("text");
    const EditorState before(w);
    ModalAnswerer answerer;
    answerer.then(chooseFile(path));
    if (QFileInfo::exists(path))
        answerer.then(replaceExisting(true));
    answerer.press(QStringLiteral("msg_OK"));
    w.action("SaveFileAs1")->trigger();
    QVERIFY(answerer.done());
    QCOMPARE(shown(answerer).constLast(), message);
    QVERIFY(EditorState(w) == before);
    if (!device.isEmpty()) {
        QVERIFY(QFileInfo(path).isSymLink());
        QVERIFY(!QFileInfo(device).isFile());
    }
}

void TestSaveFile::missingFolderRefusedInTheDialog_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("folder");
    QTest::newRow("a folder that does not exist") << "/nonexistent-folder/x.txt"
                                                  << "/nonexistent-folder";
    QTest::newRow("a missing folder in the one shown") << "missing/x.txt"
                                                       << "missing";
    QTest::newRow("a file where the folder should be") << "file.txt/x.txt"
                                                       << "file.txt";
}

// The dialog says so and stays open, as the open dialog does for a missing file; nothing is
// written and no failure follows.
void TestSaveFile::missingFolderRefusedInTheDialog() {
    QFETCH(QString, typed);
    QFETCH(QString, folder);
    if (!folder.startsWith(u'/'))
        folder = m_dir->filePath(folder);
    QVERIFY(writeFile(pathOf("file.txt"), "a file"));
    WindowUnderTest w;
    w.editor()->setBytes("text");
    QString refusal;
    QFileDialog *stillOpen = nullptr;
    ModalAnswerer answerer;
    answerer
        .then([&](QWidget *modal) {
            auto *dialog = static_cast<QFileDialog *>(modal);
            dialog->setDirectory(m_dir->path());
            typeName(dialog, typed);
            pressAccept(dialog);
        })
        .then([&](QWidget *modal) {
            auto *box = qobject_cast<QMessageBox *>(modal);
            QVERIFY(box != nullptr);
            refusal = box->text();
            box->accept();
        })
        .then([&](QWidget *modal) {
            stillOpen = qobject_cast<QFileDialog *>(modal);
            modal->close();
        });
    w.action("SaveFileAs1")->trigger();
    QVERIFY(answerer.done());
    QCOMPARE(shown(answerer), QStringList({saveTitle, saveTitle, saveTitle}));
    QCOMPARE(refusal, folder + QStringLiteral("\nDirectory not found.\nPlease verify the correct "
                                              "directory name was given."));
    QVERIFY(stillOpen != nullptr);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList{"file.txt"});
    QVERIFY(beepNames().isEmpty());
}

// The names the name field proposes are shown in a list of their own; confirming the dialog
// while it shows closes it too.
void TestSaveFile::proposedNamesCloseWithTheDialog() {
    for (const char *name : {"letter.txt", "letters.txt"})
        QVERIFY(writeFile(pathOf(name), "old"));
    WindowUnderTest w;
    w.editor()->setBytes("text");
    QPointer<QWidget> proposals;
    bool proposed = false;
    ModalAnswerer answerer;
    answerer.then([&](QWidget *modal) {
        auto *dialog = static_cast<QFileDialog *>(modal);
        dialog->setDirectory(m_dir->path());
        auto *field = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        field->setFocus();
        QTest::keyClicks(field, pathOf("lett"));
        proposals = field->completer()->popup();
        proposed = QTest::qWaitForWindowActive(dialog) &&
                   QTest::qWaitFor([&] { return proposals->isVisible(); });
        pressAccept(dialog);
    });
    w.action("SaveFileAs1")->trigger();
    QVERIFY(answerer.done());
    QVERIFY(proposed);
    QCOMPARE(contentOf(pathOf("lett.txt")), QByteArray("text"));
    QVERIFY(proposals);
    QVERIFY(!proposals->isVisible());
}

// A save that fails half-way leaves the old file whole, and no stray file beside it.
void TestSaveFile::fullDiskKeepsTheOldFile() {
    WindowUnderTest w;
    w.editor()->setBytes(std::string(100'000, 'x'));
    QVERIFY(writeFile(pathOf("letter.qvl"), "the old letter"));
    ModalAnswerer answerer;
    answerer.then(chooseFile(pathOf("letter.qvl")))
        .then(replaceExisting(true))
        .press(QStringLiteral("msg_OK"));
    {
        const SmallFileLimit diskFull;
        w.action("SaveFileAs1")->trigger();
    }
    QVERIFY(answerer.done());
    QCOMPARE(shown(answerer).constLast(), QStringLiteral("Shroud-a-Pad: Stream write error."));
    QCOMPARE(contentOf(pathOf("letter.qvl")), QByteArray("the old letter"));
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList{"letter.qvl"});
}

void TestSaveFile::pipe_data() {
    QTest::addColumn<QString>("reader");
    QTest::addColumn<QString>("message");
    QTest::newRow("nobody reads") << "nobody reads"
                                  << "Shroud-a-Pad: Cannot create file %1.";
    QTest::newRow("a reader takes every byte") << "takes every byte"
                                               << "";
    QTest::newRow("the reader leaves early") << "leaves early"
                                             << "Shroud-a-Pad: Stream write error.";
    QTest::newRow("the reader takes nothing") << "takes nothing"
                                              << "Shroud-a-Pad: Stream write error.";
}

// Saving onto a pipe never holds the window for ever, and a reader that leaves does not end the
// program: each way ends with the text saved or a box, the editor as it was.
void TestSaveFile::pipe() {
    QFETCH(QString, reader);
    QFETCH(QString, message);
    const QString path = pathOf("pipe.txt");
    QCOMPARE(mkfifo(qPrintable(path), 0600), 0);
    const std::string text(200'000, 'x');
    WindowUnderTest w;
    w.editor()->setBytes(text);
    const EditorState before(w);
    // A reader that takes nothing is given up on after a moment instead of the program's
    // seconds; a reader that takes the bytes is never hurried.
    platform::setStallLimit(reader == QLatin1String("takes nothing")
                                ? std::chrono::milliseconds(100)
                                : platform::defaultStallLimit);
    PipeReader pipeReader(path, reader, qint64(text.size()));
    ModalAnswerer answerer;
    answerer.then(chooseFile(path)).then(replaceExisting(true));
    if (!message.isEmpty())
        answerer.press(QStringLiteral("msg_OK"));
    w.action("SaveFileAs1")->trigger();
    QVERIFY(answerer.done());
    const QStringList expected{saveTitle, saveTitle};
    QCOMPARE(shown(answerer),
             message.isEmpty() ? expected : expected + QStringList{message.arg(path)});
    QVERIFY(EditorState(w) == before);
    if (message.isEmpty())
        QCOMPARE(pipeReader.received(), qint64(text.size()));
    QVERIFY(QFileInfo(path).exists() && !QFileInfo(path).isFile());
}

// Choosing files in other folders moves neither dialog's caller.
void TestSaveFile::workingFolderUnchanged() {
    WindowUnderTest w;
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("elsewhere")));
    QVERIFY(writeFile(pathOf("elsewhere/in.txt"), "text"));
    const QString before = QDir::currentPath();
    ModalAnswerer answerer;
    answerer.then(chooseFile(pathOf("elsewhere/in.txt")))
        .then(chooseFile(pathOf("elsewhere/out.txt")));
    w.action("OpenFile1")->trigger();
    w.action("SaveFileAs1")->trigger();
    QVERIFY(answerer.done());
    QCOMPARE(contentOf(pathOf("elsewhere/out.txt")), QByteArray("text"));
    QCOMPARE(QDir::currentPath(), before);
}

QTEST_MAIN(TestSaveFile)
#include "tst_savefile.moc"
