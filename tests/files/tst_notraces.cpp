// A whole session (Open, Encrypt, Decrypt, Save, Exit) with a home folder and a temporary folder
// of its own: afterwards no file there but the saved one holds the text, the phrase or the
// opened file's name. No recently-used list, no temporary or backup file, no cache of help.
#include "FileFixtures.h"
#include "tests/crypt/CommandScript.h"
#include "tests/startup/PrivateConfig.h"

#include "editor/window/MainWindow.h"
#include "platform/Help.h"
#include "platform/HelpWindow.h"

#include <QAction>
#include <QDirIterator>
#include <QFileDialog>
#include <QTemporaryDir>

using namespace file_fixtures;

namespace {

const QByteArray text = "Meet me at the old mill at nine";
const QString phrase = QStringLiteral("ORCHARD");
const QString folderName = QStringLiteral("letters-to-ann");
const QString fileName = QStringLiteral("rendezvous-plans.txt");

// Every file under the folder holding one of the secrets, by path, with the secret it holds.
QStringList filesHolding(const QString &folder, const QString &except) {
    const QList<QByteArray> secrets{
        text, phrase.toUtf8(), fileName.toUtf8(), folderName.toUtf8(),
        QByteArray(reinterpret_cast<const char *>(phrase.utf16()), phrase.size() * 2)};
    QStringList found;
    QDirIterator files(folder, QDir::Files | QDir::Hidden | QDir::System,
                       QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString path = files.next();
        if (path == except)
            continue;
        const QByteArray content = contentOf(path);
        for (const QByteArray &secret : secrets)
            if (content.contains(secret) || path.contains(QString::fromUtf8(secret)))
                found << path + ": " + QString::fromUtf8(secret);
    }
    return found;
}

// Goes into the folder in the file dialog, as the user does, and takes the name there.
ModalAnswerer::Answer chooseIn(const QString &folder, const QString &name) {
    return [folder, name](QWidget *modal) {
        auto *dialog = static_cast<QFileDialog *>(modal);
        dialog->setDirectory(folder);
        typeName(dialog, name);
        pressAccept(dialog);
    };
}

void run(MainWindow &window, const char *item, const QStringList &steps) {
    CommandScript script(steps);
    window.findChild<QAction *>(item)->trigger();
    QVERIFY(script.done());
}

} // namespace

class TestNoTraces : public QObject {
    Q_OBJECT
private slots:
    void sessionLeavesNoTraces();
};

void TestNoTraces::sessionLeavesNoTraces() {
    const PrivateConfig config;
    platform::setHelpFile(QStringLiteral("QVL.HLP"));
    QTemporaryDir temporary;
    qputenv("TMPDIR", QFile::encodeName(temporary.path()));
    const QString letters = QDir(config.home()).filePath(folderName);
    QVERIFY(QDir().mkpath(letters));
    const QString opened = QDir(letters).filePath(fileName);
    QVERIFY(writeFile(opened, text));
    const QString saved = QDir(letters).filePath(QStringLiteral("saved.qvl"));
    {
        MainWindow window;
        window.startUp(QString());
        window.show();
        ModalAnswerer open;
        open.then(chooseIn(letters, fileName));
        window.findChild<QAction *>("OpenFile1")->trigger();
        QVERIFY(open.done());
        run(window, "Encrypt1", {"phrase " + phrase, "phrase " + phrase});
        run(window, "Decrypt1", {"phrase " + phrase});
        window.findChild<QAction *>("Contents1")->trigger();
        QVERIFY(platform::helpViewer() != nullptr);
        ModalAnswerer save;
        save.then(chooseIn(letters, QStringLiteral("saved.qvl")));
        window.findChild<QAction *>("SaveFileAs1")->trigger();
        QVERIFY(save.done());
        window.shutDown();
        delete platform::helpViewer();
    }
    QCOMPARE(contentOf(saved), text);
    QVERIFY(QFile::remove(opened));
    // The letters' folder itself, and the file saved in it, are where the user put them.
    QVERIFY(QDir(letters).rename(QStringLiteral("saved.qvl"), QStringLiteral("../saved.qvl")));
    QVERIFY(QDir(config.home()).rmdir(folderName));
    const QString kept = QDir(config.home()).filePath(QStringLiteral("saved.qvl"));
    const QStringList traces =
        filesHolding(config.home(), kept) + filesHolding(temporary.path(), {});
    QVERIFY2(traces.isEmpty(), qPrintable(traces.join('\n')));

    qunsetenv("TMPDIR");
}

QTEST_MAIN(TestNoTraces)
#include "tst_notraces.moc"
