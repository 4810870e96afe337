// Encrypt and Encrypt With Specific Method through the real window and dialogs: the block they
// write, the order of their checks, dialogs and questions, each refusal with its beep, box and
// buttons, the one-shot method request, the size limit, and nothing left to undo.
#include "CommandScript.h"
#include "CryptFixtures.h"

#include "platform/Help.h"
#include "platform/HelpWindow.h"

#include <QApplication>

using namespace crypt_fixtures;

namespace {

const QString firstPrompt =
    QStringLiteral("phrase: Enter a phrase to password-protect (if desired):");
const QString confirmPrompt = QStringLiteral("phrase: Re-enter phrase to confirm: again");
const QString mismatchBox =
    QStringLiteral("Error: The phrases entered do not match. [Cancel Retry*]");
const QString alreadyBox = QStringLiteral("Confirm: This text is already encrypted.  Are you "
                                          "sure you want to encrypt it again? [Yes* No]");

// Runs a menu item of the window while the script answers what it opens.
QStringList run(WindowUnderTest &w, const char *item, const QStringList &steps) {
    CommandScript script(steps);
    w.action(item)->trigger();
    if (!script.done())
        qWarning("not every scripted step was used");
    return script.shown();
}

} // namespace

class TestEncrypt : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();

    void abcExample();
    void everyWayIn_data();
    void everyWayIn();
    void refusals_data();
    void refusals();
    void refusalClearsTheMethodRequest();
    void largestTextIsEncrypted();
    void methodDialog_data();
    void methodDialog();
    void alreadyEncrypted_data();
    void alreadyEncrypted();
    void phraseExchange_data();
    void phraseExchange();
    void helpButtonsReachTheirTopics();
};

void TestEncrypt::initTestCase() {
    platform::setHelpFile(QStringLiteral("QVL.HLP"));
}

void TestEncrypt::cleanupTestCase() {
    delete platform::helpViewer();
}

void TestEncrypt::init() {
    platform::clearRecordedBeeps();
}

// The worked example of the block format, produced by plain Encrypt with no phrase.
void TestEncrypt::abcExample() {
    WindowUnderTest w;
    QTest::keyClicks(w.editor(), "abc");
    QVERIFY(w.editor()->canUndo());
    QCOMPARE(run(w, "Encrypt1", {"phrase "}), QStringList{firstPrompt});
    QCOMPARE(w.bytes(), std::string("********************** START  Shroud-a-Pad "
                                    "**********************\r\n"
                                    "QvL/0122/01/0/3\r\n"
                                    "Cx2uq\r\n"
                                    "QvL/882\r\n"
                                    "**********************  END   Shroud-a-Pad "
                                    "**********************\r\n"));
    QVERIFY(beepNames().isEmpty());
    QVERIFY(!w.editor()->canUndo());
    QVERIFY(QApplication::overrideCursor() == nullptr);
    QCOMPARE(w.textType(), QStringLiteral(" Encrypted Text"));
    QCOMPARE(w.sizeCaption(), QStringLiteral(" 167 bytes"));
}

void TestEncrypt::everyWayIn_data() {
    QTest::addColumn<QString>("way");
    QTest::newRow("menu item") << "Encrypt1";
    QTest::newRow("Ctrl+E") << "Ctrl+E";
    QTest::newRow("tool button") << "btn_Encrypt";
}

void TestEncrypt::everyWayIn() {
    QFETCH(QString, way);
    WindowUnderTest w;
    QVERIFY(w.ready());
    w.editor()->setBytes("abc");
    CommandScript script({"phrase "});
    if (way == QLatin1String("Ctrl+E"))
        QTest::keyClick(w.editor(), Qt::Key_E, Qt::ControlModifier);
    else if (way == QLatin1String("btn_Encrypt"))
        QTest::mouseClick(w.button("btn_Encrypt"), Qt::LeftButton);
    else
        w.action(qPrintable(way))->trigger();
    QVERIFY(script.done());
    QCOMPARE(w.bytes(), blockOf("abc"));
}

void TestEncrypt::refusals_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("box");
    const QString empty = QStringLiteral("Error: There is no text to encrypt. [OK*]");
    const QString tooLong =
        QStringLiteral("Error: The amount of text to encrypt cannot exceed 22,528 bytes. [OK*]");
    const QByteArray longest(22528, 'x');
    QTest::newRow("empty") << "Encrypt1" << QByteArray() << empty;
    QTest::newRow("empty, specific method") << "EncryptUsingMethod1" << QByteArray() << empty;
    QTest::newRow("22,529 bytes") << "Encrypt1" << longest + 'x' << tooLong;
    QTest::newRow("22,529 bytes, specific method")
        << "EncryptUsingMethod1" << longest + 'x' << tooLong;
    // Each line break counts its two bytes.
    QTest::newRow("22,527 bytes and a line break") << "Encrypt1" << longest.left(22527) + "\r\n"
                                                   << tooLong;
    // A UTF-8 text counts its UTF-8 bytes: 11,264 characters of two bytes and one more.
    QTest::newRow("22,529 bytes of UTF-8")
        << "Encrypt1" << QString(11264, QChar(0x0436)).toUtf8() + 'x' << tooLong;
}

// Refused before any dialog: the stop beep and the error box, nothing else, text unchanged.
void TestEncrypt::refusals() {
    QFETCH(QString, item);
    QFETCH(QByteArray, text);
    QFETCH(QString, box);
    WindowUnderTest w;
    w.editor()->setBytes(asString(text));
    QCOMPARE(run(w, qPrintable(item), {"press msg_OK"}), QStringList{box});
    QCOMPARE(beepNames(), QStringList{"Hand"});
    QCOMPARE(w.bytes(), asString(text));
}

// The request of Encrypt With Specific Method does not outlive a refused run: the next plain
// Encrypt asks no method and writes Method 01.
void TestEncrypt::refusalClearsTheMethodRequest() {
    WindowUnderTest w;
    run(w, "EncryptUsingMethod1", {"press msg_OK"});
    w.editor()->setBytes("abc");
    QCOMPARE(run(w, "Encrypt1", {"phrase "}), QStringList{firstPrompt});
    QCOMPARE(w.bytes(), blockOf("abc"));
}

void TestEncrypt::largestTextIsEncrypted() {
    const std::string text = everyByteText(89).substr(0, 22528);
    QCOMPARE(text.size(), std::size_t(22528));
    WindowUnderTest w;
    w.editor()->setBytes(text);
    QCOMPARE(run(w, "Encrypt1", {"phrase "}), QStringList{firstPrompt});
    QCOMPARE(w.editor()->line(1), std::string("QvL/0122/01/0/22528"));
    QCOMPARE(w.bytes(), blockOf(text));
}

void TestEncrypt::methodDialog_data() {
    QTest::addColumn<QString>("answer");
    QTest::addColumn<int>("method"); // -1: the text stays as it was
    QTest::newRow("Method 00") << "Method 00" << 0;
    QTest::newRow("Method 01") << "Method 01" << 1;
    QTest::newRow("Enter takes Method 01") << "key Enter" << 1;
    QTest::newRow("Cancel") << "press CancelBtn" << -1;
    QTest::newRow("Escape") << "key Escape" << -1;
    QTest::newRow("closed by the frame") << "frame" << -1;
}

// The method dialog opens with Method 01 whatever was chosen before; anything but OK ends the
// command with nothing else asked.
void TestEncrypt::methodDialog() {
    QFETCH(QString, answer);
    QFETCH(int, method);
    WindowUnderTest w;
    w.editor()->setBytes("abc");
    if (method < 0) {
        QCOMPARE(run(w, "EncryptUsingMethod1", {answer}), QStringList{"method"});
        QCOMPARE(w.bytes(), std::string("abc"));
    } else {
        QCOMPARE(run(w, "EncryptUsingMethod1", {answer, "phrase "}),
                 QStringList({"method", firstPrompt}));
        QCOMPARE(w.bytes(), blockOf("abc", {}, method));
    }
    QVERIFY(beepNames().isEmpty());
}

void TestEncrypt::alreadyEncrypted_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<bool>("encryptedAgain");
    QTest::newRow("Yes") << "Encrypt1" << QStringList{"press msg_Yes", "phrase "}
                         << QStringList{alreadyBox, firstPrompt} << true;
    QTest::newRow("No") << "Encrypt1" << QStringList{"press msg_No"} << QStringList{alreadyBox}
                        << false;
    QTest::newRow("Escape answers No")
        << "Encrypt1" << QStringList{"key Escape"} << QStringList{alreadyBox} << false;
    QTest::newRow("Enter answers Yes") << "Encrypt1" << QStringList{"key Enter", "phrase "}
                                       << QStringList{alreadyBox, firstPrompt} << true;
    QTest::newRow("closed by the frame answers No")
        << "Encrypt1" << QStringList{"frame"} << QStringList{alreadyBox} << false;
    QTest::newRow("the method comes first")
        << "EncryptUsingMethod1" << QStringList{"Method 01", "press msg_Yes", "phrase "}
        << QStringList{"method", alreadyBox, firstPrompt} << true;
}

// A text that already holds a block: the question beep and the question; only No ends. Yes
// makes a block of the block, its lines and breaks the new plain text.
void TestEncrypt::alreadyEncrypted() {
    QFETCH(QString, item);
    QFETCH(QStringList, steps);
    QFETCH(QStringList, shown);
    QFETCH(bool, encryptedAgain);
    const std::string block = blockOf("abc");
    WindowUnderTest w;
    w.editor()->setBytes(block);
    QCOMPARE(run(w, qPrintable(item), steps), shown);
    QCOMPARE(beepNames(), QStringList{"Question"});
    QCOMPARE(w.bytes(), encryptedAgain ? blockOf(block) : block);
}

void TestEncrypt::phraseExchange_data() {
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QStringList>("beeps");
    QTest::addColumn<QString>("stored"); // the phrase in the block; null: the text stays
    const QStringList none;
    const QStringList hand{"Hand"};
    QTest::newRow("empty phrase, no confirmation")
        << QStringList{"phrase "} << QStringList{firstPrompt} << none << "";
    QTest::newRow("phrase confirmed")
        << QStringList{"phrase SECRET", "phrase SECRET"} << QStringList{firstPrompt, confirmPrompt}
        << none << "SECRET";
    QTest::newRow("typed in lower case, kept in capitals")
        << QStringList{"phrase secret", "phrase Secret"} << QStringList{firstPrompt, confirmPrompt}
        << none << "SECRET";
    QTest::newRow("sixteen characters")
        << QStringList{"phrase ABCDEFGHIJKLMNOPQ", "phrase ABCDEFGHIJKLMNOP"}
        << QStringList{firstPrompt, confirmPrompt} << none << "ABCDEFGHIJKLMNOP";
    QTest::newRow("first prompt cancelled")
        << QStringList{"press cmd_Cancel"} << QStringList{firstPrompt} << none << QString();
    QTest::newRow("first prompt escaped")
        << QStringList{"key Escape"} << QStringList{firstPrompt} << none << QString();
    QTest::newRow("confirmation cancelled")
        << QStringList{"phrase SECRET", "press cmd_Cancel"}
        << QStringList{firstPrompt, confirmPrompt} << none << QString();
    QTest::newRow("confirmed empty")
        << QStringList{"phrase SECRET", "phrase ", "press msg_Cancel"}
        << QStringList{firstPrompt, confirmPrompt, mismatchBox} << hand << QString();
    QTest::newRow("mismatch, Cancel")
        << QStringList{"phrase SECRET", "phrase SECRAT", "press msg_Cancel"}
        << QStringList{firstPrompt, confirmPrompt, mismatchBox} << hand << QString();
    QTest::newRow("mismatch, Escape")
        << QStringList{"phrase SECRET", "phrase SECRAT", "key Escape"}
        << QStringList{firstPrompt, confirmPrompt, mismatchBox} << hand << QString();
    QTest::newRow("mismatch, closed by the frame")
        << QStringList{"phrase SECRET", "phrase SECRAT", "frame"}
        << QStringList{firstPrompt, confirmPrompt, mismatchBox} << hand << QString();
    QTest::newRow("mismatch, Retry, a new phrase")
        << QStringList{"phrase SECRET", "phrase SECRAT", "press msg_Retry", "phrase OTHER",
                       "phrase OTHER"}
        << QStringList{firstPrompt, confirmPrompt, mismatchBox, firstPrompt + " again",
                       confirmPrompt}
        << hand << "OTHER";
    QTest::newRow("mismatch, Enter retries, then no phrase")
        << QStringList{"phrase SECRET", "phrase SECRAT", "key Enter", "phrase "}
        << QStringList{firstPrompt, confirmPrompt, mismatchBox, firstPrompt + " again"} << hand
        << "";
}

// One dialog serves the whole exchange, empty at every prompt; the busy cursor never shows
// while a dialog is open.
void TestEncrypt::phraseExchange() {
    QFETCH(QStringList, steps);
    QFETCH(QStringList, shown);
    QFETCH(QStringList, beeps);
    QFETCH(QString, stored);
    WindowUnderTest w;
    w.editor()->setBytes("abc");
    QCOMPARE(run(w, "Encrypt1", steps), shown);
    QCOMPARE(beepNames(), beeps);
    QCOMPARE(w.bytes(),
             stored.isNull() ? std::string("abc") : blockOf("abc", stored.toStdString()));
    QVERIFY(QApplication::overrideCursor() == nullptr);
}

// Help in each dialog shows its topic; the dialog stays open and the command goes on.
void TestEncrypt::helpButtonsReachTheirTopics() {
    WindowUnderTest w;
    w.editor()->setBytes("abc");
    CommandScript script({"help Method 00", "help phrase SECRET", "help phrase SECRET"});
    w.action("EncryptUsingMethod1")->trigger();
    QVERIFY(script.done());
    QCOMPARE(script.helpTopics(),
             QStringList({"Help_EncodingMethod", "Help_Password1", "Help_Password3"}));
    QCOMPARE(w.bytes(), blockOf("abc", "SECRET", 0));
}

QTEST_MAIN(TestEncrypt)
#include "tst_encrypt.moc"
