// Decrypt through the real window and dialogs: every refusal and warning with its beep, box
// and buttons, the phrase asked for in a new dialog at each attempt, what the editor holds on
// each path, the busy cursor gone before the closing warning, nothing left to undo, the
// editor's wrapping left alone, and round trips through Encrypt and Decrypt.
#include "CommandScript.h"
#include "CryptFixtures.h"

#include "cipher/KeystreamMethods.h"
#include "platform/Help.h"
#include "platform/HelpWindow.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QTemporaryDir>

using namespace crypt_fixtures;

namespace {

const QString phrasePrompt =
    QStringLiteral("phrase: This text is password-protected.  Enter phrase:");
const QString wrongPhraseBox =
    QStringLiteral("Error: The phrase given does not match the phrase used to password-protect "
                   "the text. [Cancel Retry*]");
const QString endedEarlyBox =
    QStringLiteral("Warning: The encrypted text has terminated unexpectedly.  The decrypted text "
                   "is incomplete and possibly contains errors. [OK*]");
const QString checksumAbsentBox =
    QStringLiteral("Warning: CRC information was not present in the encrypted text.  Unable to "
                   "verify that the encrypted text was error-free. [OK*]");
const QString checksumDiffersBox =
    QStringLiteral("Warning: CRC error.  Errors were present in the encrypted text. [OK*]");

const std::string start = "********************** START  Shroud-a-Pad **********************";
const std::string end = "**********************  END   Shroud-a-Pad **********************";

// The block of "abc" with its header and checksum lines as given.
std::string abcBlock(const std::string &header, const std::string &checksum) {
    return start + "\r\n" + header + "\r\n" + "Cx2uq\r\n" + checksum + "\r\n" + end + "\r\n";
}

// The text as a mail reply quotes it: "> " before every line.
std::string quotedReply(const std::string &text) {
    std::string reply;
    for (const std::string_view line : cipher::splitLines(text))
        reply += "> " + std::string(line) + "\r\n";
    return reply;
}

QStringList run(WindowUnderTest &w, const char *item, const QStringList &steps) {
    CommandScript script(steps);
    w.action(item)->trigger();
    if (!script.done())
        qWarning("not every scripted step was used");
    return script.shown();
}

std::string replaceAll(std::string text, std::string_view from, std::string_view to) {
    for (std::size_t at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

// Word Wrap on, in a window narrow enough that a block's lines wrap on screen.
void wrapNarrowly(WindowUnderTest &w) {
    w.action("WordWrap1")->setChecked(true);
    w.editor()->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    w.window().resize(200, 300);
}

bool stillWrapsNarrowly(WindowUnderTest &w) {
    return w.action("WordWrap1")->isChecked() &&
           w.editor()->lineWrapMode() == QPlainTextEdit::WidgetWidth;
}

// Makes an edit that can be undone after the block: a blank last line.
void typeAfterTheBlock(WindowUnderTest &w) {
    w.editor()->moveCursor(QTextCursor::End);
    QTest::keyClicks(w.editor(), " ");
}

// Opens the bytes in the window as a file, written to a folder of the test's own.
bool openAsFile(WindowUnderTest &w, const QByteArray &file) {
    QTemporaryDir folder;
    QFile opened(folder.filePath("letter.txt"));
    if (!opened.open(QIODevice::WriteOnly) || opened.write(file) != file.size())
        return false;
    opened.close();
    w.window().loadFile(opened.fileName());
    return true;
}

} // namespace

class TestDecrypt : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();

    void emptyEditor_data();
    void emptyEditor();
    void everyWayIn_data();
    void everyWayIn();
    void refusals_data();
    void refusals();
    void outcomes_data();
    void outcomes();
    void quotedBlockShowsAsNormalText();
    void undoBringsBackTheTextAsItStood_data();
    void undoBringsBackTheTextAsItStood();
    void phrase_data();
    void phrase();
    void helpButtonReachesItsTopic();
    void integerOverflowReachesErrorBox();
    void roundTrips_data();
    void roundTrips();
    void charactersAndFormat_data();
    void charactersAndFormat();
    void damagedUtf8StaysUtf8_data();
    void damagedUtf8StaysUtf8();
    void fileRoundTripKeepsItsBytes_data();
    void fileRoundTripKeepsItsBytes();
};

void TestDecrypt::initTestCase() {
    platform::setHelpFile(QStringLiteral("QVL.HLP"));
}

void TestDecrypt::cleanupTestCase() {
    delete platform::helpViewer();
}

void TestDecrypt::init() {
    platform::clearRecordedBeeps();
}

void TestDecrypt::emptyEditor_data() {
    QTest::addColumn<bool>("byKey");
    QTest::newRow("menu item") << false;
    QTest::newRow("Ctrl+D") << true;
}

// The tool button is off while the editor is empty, but the menu item and its key still reach
// the refusal.
void TestDecrypt::emptyEditor() {
    QFETCH(bool, byKey);
    WindowUnderTest w;
    QVERIFY(w.ready());
    wrapNarrowly(w);
    QVERIFY(!w.button("btn_Decrypt")->isEnabled());
    CommandScript script({"press msg_OK"});
    if (byKey)
        QTest::keyClick(w.editor(), Qt::Key_D, Qt::ControlModifier);
    else
        w.action("Decrypt1")->trigger();
    QVERIFY(script.done());
    QCOMPARE(script.shown(), QStringList{"Error: There is no text to decrypt. [OK*]"});
    QCOMPARE(beepNames(), QStringList{"Hand"});
    QCOMPARE(w.bytes(), std::string());
    QVERIFY(stillWrapsNarrowly(w));
}

void TestDecrypt::everyWayIn_data() {
    QTest::addColumn<QString>("way");
    QTest::newRow("menu item") << "Decrypt1";
    QTest::newRow("Ctrl+D") << "Ctrl+D";
    QTest::newRow("tool button") << "btn_Decrypt";
}

void TestDecrypt::everyWayIn() {
    QFETCH(QString, way);
    WindowUnderTest w;
    QVERIFY(w.ready());
    w.editor()->setBytes(blockOf("abc"));
    if (way == QLatin1String("Ctrl+D"))
        QTest::keyClick(w.editor(), Qt::Key_D, Qt::ControlModifier);
    else if (way == QLatin1String("btn_Decrypt"))
        QTest::mouseClick(w.button("btn_Decrypt"), Qt::LeftButton);
    else
        w.action(qPrintable(way))->trigger();
    QCOMPARE(w.bytes(), std::string("abc"));
    QCOMPARE(w.textType(), QStringLiteral(" Normal Text"));
}

void TestDecrypt::refusals_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("box");
    const QString noBlock =
        QStringLiteral("Error: The header and footer lines are not present.  This text does not "
                       "appear to be encrypted. [OK*]");
    const QString invalidHeader =
        QStringLiteral("Error: The header line is not valid.  Unable to decrypt this text. [OK*]");
    const auto method = [](const char *version) {
        return QStringLiteral("Error: Cannot handle the encryption method used to encrypt this "
                              "text.  Try using Shroud-a-Pad %1. [OK*]")
            .arg(QLatin1String(version));
    };
    const std::string headerOnly = start + "\r\nQvL/0122/01/0/3\r\nCx2uq\r\n";
    std::string replyInside = quotedReply(abcBlock("QvL/0122/01/0/3", "QvL/882"));
    replyInside.insert(replyInside.find("> Cx2uq"), "Right, I agree.\r\n");
    QTest::newRow("plain text") << QByteArray("just some text") << noBlock;
    QTest::newRow("quoted block with a reply inside")
        << asBytes(replyInside)
        << QStringLiteral("Error: The encrypted text has been changed, and its changes cannot be "
                          "undone.  Unable to decrypt this text. [OK*]");
    QTest::newRow("header line only") << asBytes(headerOnly) << noBlock;
    QTest::newRow("tag in another case")
        << asBytes(abcBlock("QvL/0122/01/0/3", "qvl/882")) << noBlock;
    QTest::newRow("header of 14 characters")
        << asBytes(abcBlock("QvL/0122/1/0/3", "QvL/882")) << invalidHeader;
    QTest::newRow("a fifth slash")
        << asBytes(abcBlock("QvL/0122/01/0/3/", "QvL/882")) << invalidHeader;
    QTest::newRow("three slashes")
        << asBytes(abcBlock("QvL/0122/01/00003", "QvL/882")) << invalidHeader;
    QTest::newRow("length beyond 32 bits")
        << asBytes(abcBlock("QvL/0122/01/0/4294967299", "QvL/882")) << invalidHeader;
    QTest::newRow("method 02 of version 1.30")
        << asBytes(abcBlock("QvL/0130/02/0/3", "QvL/882")) << method("1.30");
    QTest::newRow("method 2 of version 0.05")
        << asBytes(abcBlock("QvL/5/2/0/00003", "QvL/882")) << method("0.05");
}

// Refused before any dialog: the stop beep and the error box; the text and the wrapping stay.
void TestDecrypt::refusals() {
    QFETCH(QByteArray, text);
    QFETCH(QString, box);
    WindowUnderTest w;
    wrapNarrowly(w);
    w.editor()->setBytes(asString(text));
    QCOMPARE(run(w, "Decrypt1", {"press msg_OK"}), QStringList{box});
    QCOMPARE(beepNames(), QStringList{"Hand"});
    QCOMPARE(w.bytes(), asString(text));
    QVERIFY(stillWrapsNarrowly(w));
}

void TestDecrypt::outcomes_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("decrypted");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QStringList>("beeps");
    const QStringList none;
    const QStringList exclamation{"Exclamation"};

    QTest::newRow("verified") << asBytes(blockOf("abc")) << QByteArray("abc") << none << none;
    QTest::newRow("text around the block")
        << asBytes("From: someone\r\n\r\n" + blockOf("abc") + "-- \r\nsignature")
        << QByteArray("abc") << none << none;
    QTest::newRow("two blocks: the first")
        << asBytes(blockOf("abc") + blockOf("second")) << QByteArray("abc") << none << none;
    QTest::newRow("blanks after the numbers")
        << asBytes(abcBlock("QvL/0122/01/0/3  ", "QvL/882 ")) << QByteArray("abc") << none << none;

    // 49 bytes fill the first body line and one group of a second; without the second the
    // first 48 bytes are all there is.
    const std::string text49 = everyByteText(1).substr(0, 49);
    const std::string block49 = blockOf(text49);
    std::vector<std::string_view> cut = cipher::splitLines(block49);
    cut.erase(cut.begin() + 3);
    std::string truncated;
    for (const std::string_view line : cut)
        truncated += std::string(line) + "\r\n";
    QTest::newRow("last body line missing") << asBytes(truncated) << asBytes(text49.substr(0, 48))
                                            << QStringList{endedEarlyBox} << exclamation;
    QTest::newRow("every body line missing")
        << asBytes(start + "\r\nQvL/0122/01/0/3\r\nQvL/882\r\n" + end) << QByteArray()
        << QStringList{endedEarlyBox} << exclamation;
    QTest::newRow("checksum line holds only its tag")
        << asBytes(abcBlock("QvL/0122/01/0/3", "QvL/")) << QByteArray("abc")
        << QStringList{checksumAbsentBox} << exclamation;
    QTest::newRow("checksum 0") << asBytes(abcBlock("QvL/0122/01/0/3", "QvL/0"))
                                << QByteArray("abc") << QStringList{checksumAbsentBox}
                                << exclamation;
    QTest::newRow("CRC error") << asBytes(abcBlock("QvL/0122/01/0/3", "QvL/883"))
                               << QByteArray("abc") << QStringList{checksumDiffersBox}
                               << exclamation;
    QTest::newRow("text length 0 empties the editor")
        << asBytes(abcBlock("QvL/0122/01/0/0", "QvL/882")) << QByteArray()
        << QStringList{checksumDiffersBox} << exclamation;
    QTest::newRow("negative text length empties the editor")
        << asBytes(abcBlock("QvL/0122/01/0/-3", "QvL/882")) << QByteArray()
        << QStringList{checksumDiffersBox} << exclamation;
    // Nothing is set aside for the stated length; the body simply ends after one group.
    QTest::newRow("largest stated length")
        << asBytes(abcBlock("QvL/0122/01/0/2147483647", "QvL/882")) << QByteArray("abc")
        << QStringList{endedEarlyBox} << exclamation;
    // The zero byte that ends "abcd" in its block: the editor's text stops there.
    std::string abcd = blockOf("abcd");
    abcd.replace(abcd.find("/0/4"), 4, "/0/5");
    QTest::newRow("stated length past the ending zero")
        << asBytes(abcd) << QByteArray("abcd") << none << none;

    // Mail's changes undone: a repair proven by the checksum needs no box; a quoted block that
    // was really damaged warns as it would unquoted.
    QTest::newRow("quoted by a mail reply")
        << asBytes("Someone wrote:\r\n" + quotedReply(blockOf(text49)) + "\r\nThanks!")
        << asBytes(text49) << none << none;
    QTest::newRow("indented, spread by blank lines")
        << asBytes(replaceAll(blockOf(text49), "\r\n", "  \r\n\r\n    ")) << asBytes(text49) << none
        << none;
    QTest::newRow("a blank before the header's tag")
        << asBytes(abcBlock(" QvL/0122/01/0/3", "QvL/882")) << QByteArray("abc") << none << none;
    QTest::newRow("quoted, with a changed character")
        << asBytes(quotedReply(abcBlock("QvL/0122/01/0/3", "QvL/883"))) << QByteArray("abc")
        << QStringList{checksumDiffersBox} << exclamation;
}

// The editor holds what the block carries; the warning shows after the text is replaced, with
// the normal cursor. Lines wrapped on screen do not disturb the reading, and the wrapping stays
// as it was.
void TestDecrypt::outcomes() {
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, decrypted);
    QFETCH(QStringList, shown);
    QFETCH(QStringList, beeps);
    WindowUnderTest w;
    wrapNarrowly(w);
    w.editor()->setBytes(asString(text));
    typeAfterTheBlock(w);
    QVERIFY(w.editor()->canUndo());
    QStringList steps;
    if (!shown.isEmpty())
        steps << "press msg_OK";
    QCOMPARE(run(w, "Decrypt1", steps), shown);
    QCOMPARE(beepNames(), beeps);
    QCOMPARE(w.bytes(), asString(decrypted));
    QVERIFY(QApplication::overrideCursor() == nullptr);
    QVERIFY(stillWrapsNarrowly(w));
}

// Armour detection stays exact: a quoted block is Normal Text until Decrypt reads it.
void TestDecrypt::quotedBlockShowsAsNormalText() {
    WindowUnderTest w;
    w.editor()->setBytes(quotedReply(blockOf("abc", "SECRET")));
    QCOMPARE(w.textType(), QStringLiteral(" Normal Text"));
    QCOMPARE(run(w, "Decrypt1", {"phrase SECRET"}), QStringList{phrasePrompt});
    QCOMPARE(beepNames(), QStringList());
    QCOMPARE(w.bytes(), std::string("abc"));
}

void TestDecrypt::phrase_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QStringList>("beeps");
    QTest::addColumn<bool>("decrypted");
    const QByteArray block = asBytes(blockOf("abc", "SECRET"));
    const QStringList none;
    const QStringList hand{"Hand"};
    QTest::newRow("right phrase") << block << QStringList{"phrase SECRET"}
                                  << QStringList{phrasePrompt} << none << true;
    QTest::newRow("typed in lower case")
        << block << QStringList{"phrase secret"} << QStringList{phrasePrompt} << none << true;
    QTest::newRow("cancelled") << block << QStringList{"press cmd_Cancel"}
                               << QStringList{phrasePrompt} << none << false;
    QTest::newRow("escaped") << block << QStringList{"key Escape"} << QStringList{phrasePrompt}
                             << none << false;
    QTest::newRow("other letters, Cancel")
        << block << QStringList{"phrase SECRAT", "press msg_Cancel"}
        << QStringList{phrasePrompt, wrongPhraseBox} << hand << false;
    QTest::newRow("other length, Escape")
        << block << QStringList{"phrase SECRETS", "key Escape"}
        << QStringList{phrasePrompt, wrongPhraseBox} << hand << false;
    QTest::newRow("empty phrase, closed by the frame")
        << block << QStringList{"phrase ", "frame"} << QStringList{phrasePrompt, wrongPhraseBox}
        << hand << false;
    QTest::newRow("Retry in a new dialog, then right")
        << block << QStringList{"phrase SECRAT", "press msg_Retry", "phrase SECRET"}
        << QStringList{phrasePrompt, wrongPhraseBox, phrasePrompt} << hand << true;
    QTest::newRow("Enter retries, then cancelled")
        << block << QStringList{"phrase SECRAT", "key Enter", "press cmd_Cancel"}
        << QStringList{phrasePrompt, wrongPhraseBox, phrasePrompt} << hand << false;
    QTest::newRow("stated length above 16 never matches")
        << asBytes(abcBlock("QvL/0122/01/17/3", "QvL/882"))
        << QStringList{"phrase ABCDEFGHIJKLMNOPQ", "press msg_Cancel"}
        << QStringList{phrasePrompt, wrongPhraseBox} << hand << false;
}

// The phrase dialog is new at every attempt (never shown "again"), and the text stays as it
// was unless the phrase matched.
void TestDecrypt::phrase() {
    QFETCH(QByteArray, text);
    QFETCH(QStringList, steps);
    QFETCH(QStringList, shown);
    QFETCH(QStringList, beeps);
    QFETCH(bool, decrypted);
    WindowUnderTest w;
    wrapNarrowly(w);
    w.editor()->setBytes(asString(text));
    QCOMPARE(run(w, "Decrypt1", steps), shown);
    QCOMPARE(beepNames(), beeps);
    QCOMPARE(w.bytes(), decrypted ? std::string("abc") : asString(text));
    QVERIFY(w.window().findChildren<QDialog *>().isEmpty());
    QVERIFY(stillWrapsNarrowly(w));
}

void TestDecrypt::helpButtonReachesItsTopic() {
    WindowUnderTest w;
    w.editor()->setBytes(blockOf("abc", "SECRET"));
    CommandScript script({"help phrase SECRET"});
    w.action("Decrypt1")->trigger();
    QVERIFY(script.done());
    QCOMPARE(script.helpTopics(), QStringList{"Help_Password2"});
    QCOMPARE(w.bytes(), std::string("abc"));
}

// A body so long that its checksum passes 32 bits: an error box that says so, the text as it
// was, the normal cursor.
void TestDecrypt::integerOverflowReachesErrorBox() {
    // Every "~" group decodes to FF FF FF under Method 00 and adds 1,530 to the sum.
    std::string text = "QvL/0122/00/0/2147483647\r\n";
    const std::string full = "C" + std::string(64, '~') + "\r\n";
    for (int line = 0; line <= 2147483647 / 1530 / 16 + 1; ++line)
        text += full;
    text += "QvL/1";
    WindowUnderTest w;
    w.editor()->setBytes(text);
    QCOMPARE(run(w, "Decrypt1", {"press msg_OK"}),
             QStringList{"Error: The encrypted text is too long for its checksum.  Unable to "
                         "decrypt this text. [OK*]"});
    QCOMPARE(w.editor()->byteLength(), qint64(text.size()));
    QVERIFY(QApplication::overrideCursor() == nullptr);
}

void TestDecrypt::roundTrips_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("phrase");
    QTest::addColumn<int>("method");
    const std::pair<const char *, std::string> texts[] = {
        {"1 byte", "a"},
        {"2 bytes", "ab"},
        {"3 bytes", "abc"},
        {"a line break alone", "\r\n"},
        {"every byte in 3 lines", everyByteText(3) + "\r\n"},
        {"every byte, 22,528 bytes", everyByteText(89).substr(0, 22528)},
        {"UTF-8", "Gr\xC3\xBC\xC3\x9F"
                  "e \xD0\xB6 \xE4\xB8\xAD \xF0\x9F\x98\x80\r\n"},
        {"UTF-8, 22,528 bytes", QString(11264, QChar(0x0436)).toUtf8().toStdString()},
    };
    for (const auto &[name, text] : texts) {
        for (const char *phrase : {"", "ABCDEFGHIJKLMNOP"}) {
            for (const int method : {0, 1}) {
                QTest::addRow("%s, %s, Method 0%d", name,
                              *phrase ? "16-letter phrase" : "no phrase", method)
                    << asBytes(text) << QString::fromLatin1(phrase) << method;
            }
        }
    }
}

// Encrypt With Specific Method, then Decrypt, gives back every byte.
void TestDecrypt::roundTrips() {
    QFETCH(QByteArray, text);
    QFETCH(QString, phrase);
    QFETCH(int, method);
    WindowUnderTest w;
    w.editor()->setBytes(asString(text));
    QCOMPARE(w.bytes(), asString(text));
    QStringList encryptSteps{QStringLiteral("Method 0%1").arg(method), "phrase " + phrase};
    if (!phrase.isEmpty())
        encryptSteps << "phrase " + phrase;
    run(w, "EncryptUsingMethod1", encryptSteps);
    const std::string header = "QvL/0122/0" + std::to_string(method) + '/' +
                               std::to_string(phrase.size()) + '/' + std::to_string(text.size());
    QCOMPARE(w.editor()->line(1), header);
    run(w, "Decrypt1", phrase.isEmpty() ? QStringList() : QStringList{"phrase " + phrase});
    QCOMPARE(w.bytes(), asString(text));
    QVERIFY(beepNames().isEmpty());
    // Undo reaches back to the block, never to the plain text Encrypt replaced.
    w.action("Undo1")->trigger();
    QCOMPARE(w.editor()->line(1), header);
    w.action("Undo1")->trigger();
    QCOMPARE(w.bytes(), asString(text));
}

void TestDecrypt::charactersAndFormat_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("characters");
    QTest::addColumn<QString>("format");
    const QString windows = QStringLiteral(" Windows-1252, CR LF");
    QTest::newRow("ASCII") << QByteArray("abc\r\n") << QStringLiteral("abc\n") << windows;
    QTest::newRow("Windows-1252, from older copies")
        << QByteArray("Gr\xFC\xDF"
                      "e aus K\xF6ln \x80")
        << QStringLiteral(u"Gr\u00FC\u00DFe aus K\u00F6ln \u20AC") << windows;
    QTest::newRow("Windows-1252 that is almost UTF-8")
        << QByteArray("\xC3\xA9\xC3") << QStringLiteral(u"\u00C3\u00A9\u00C3") << windows;
    QTest::newRow("UTF-8") << QByteArray("Gr\xC3\xBC\xC3\x9F"
                                         "e \xE2\x86\x92 \xD0\xB6")
                           << QStringLiteral(u"Gr\u00FC\u00DFe \u2192 \u0436")
                           << QStringLiteral(" UTF-8, LF");
    QTest::newRow("UTF-8 with the mark")
        << QByteArray("\xEF\xBB\xBFx") << QStringLiteral("x") << QStringLiteral(" UTF-8 BOM, LF");
}

// The decrypted bytes are UTF-8 when they are valid UTF-8 holding a byte above 7F, else
// Windows-1252, so blocks of older copies show the characters they always did.
void TestDecrypt::charactersAndFormat() {
    QFETCH(QByteArray, text);
    QFETCH(QString, characters);
    QFETCH(QString, format);
    WindowUnderTest w;
    w.editor()->setBytes(blockOf(asString(text)));
    run(w, "Decrypt1", {});
    QCOMPARE(w.editor()->toPlainText(), characters);
    QCOMPARE(w.find<QLabel>("pan_Format")->text(), format);
    QVERIFY(beepNames().isEmpty());
}

void TestDecrypt::damagedUtf8StaysUtf8_data() {
    QTest::addColumn<int>("lostLines");
    QTest::addColumn<QString>("box");
    QTest::newRow("a changed group") << 0 << checksumDiffersBox;
    QTest::newRow("a lost last line") << 1 << endedEarlyBox;
}

// A damaged group or a lost line spoils a few bytes of a UTF-8 text, not its reading: the
// characters around the damage stay what they were, each spoilt sequence shows as U+FFFD,
// and the document is UTF-8 with LF breaks.
void TestDecrypt::damagedUtf8StaysUtf8() {
    QFETCH(int, lostLines);
    QFETCH(QString, box);
    const QString intact =
        QStringLiteral(u"na\u00EFve caf\u00E9, \u0436\u0436\u0436 ") + QString(60, QChar(0x0436));
    const QByteArray text = "abc" + intact.toUtf8();
    std::vector<std::string> lines = cipher::writeBlock(cipher::method01, asString(text), "");
    lines[2][2] = lines[2][2] == 'A' ? 'B' : 'A';
    lines.erase(lines.end() - 2 - lostLines, lines.end() - 2);
    WindowUnderTest w;
    w.editor()->setBytes(cipher::joinLines(lines));
    QCOMPARE(run(w, "Decrypt1", {"press msg_OK"}), QStringList{box});
    const QString shown = w.editor()->toPlainText();
    QVERIFY2(shown.contains(intact.left(lostLines ? 30 : intact.size())), qPrintable(shown));
    QVERIFY(!shown.contains(u'\u00C3'));
    QCOMPARE(w.find<QLabel>("pan_Format")->text(), QStringLiteral(" UTF-8, LF"));
}

void TestDecrypt::fileRoundTripKeepsItsBytes_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::newRow("UTF-8, LF") << QByteArray("Gr\xC3\xBC\xC3\x9F\n\xD0\xB6 line two\n");
    QTest::newRow("Windows-1252, CR LF") << QByteArray("Gr\xFC\xDF\r\nline two\r\n");
}

// Open, Encrypt, Decrypt: what Save would write is the file as it was opened.
void TestDecrypt::fileRoundTripKeepsItsBytes() {
    QFETCH(QByteArray, file);
    WindowUnderTest w;
    QVERIFY(openAsFile(w, file));
    run(w, "Encrypt1", {"phrase ", "phrase "});
    run(w, "Decrypt1", {});
    QCOMPARE(asBytes(w.editor()->fileBytes()), file);
}

void TestDecrypt::undoBringsBackTheTextAsItStood_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("steps");

    std::string withLf = "\xD0\x92\xD0\xBE\xD1\x82:\r\n" + blockOf("abc", "OPEN") + "Bye\r\n";
    for (std::size_t at = 0; (at = withLf.find("\r\n", at)) != std::string::npos;)
        withLf.erase(at, 1);
    QTest::newRow("reply typed above a quoted block")
        << asBytes("Here it is:\r\n" + quotedReply(blockOf("abc"))) << QStringList();
    QTest::newRow("UTF-8 reply around a protected block, LF line breaks")
        << asBytes(withLf) << QStringList{"phrase open"};
}

// Decrypt replaces the whole text as one edit: Undo brings back the file's text with its
// character set and line breaks, byte for byte, and Undo again the decrypted text. Once the
// user edits the decrypted text, Undo takes back that edit, never the Decrypt.
void TestDecrypt::undoBringsBackTheTextAsItStood() {
    QFETCH(QByteArray, file);
    QFETCH(QStringList, steps);
    WindowUnderTest w;
    QVERIFY(openAsFile(w, file));
    QVERIFY(!w.editor()->canUndo());

    run(w, "Decrypt1", steps);
    QVERIFY(beepNames().isEmpty());
    QCOMPARE(w.editor()->fileBytes(), std::string("abc"));
    QVERIFY(w.editor()->canUndo());
    w.action("Undo1")->trigger();
    QCOMPARE(asBytes(w.editor()->fileBytes()), file);
    w.action("Undo1")->trigger();
    QCOMPARE(w.editor()->fileBytes(), std::string("abc"));

    typeAfterTheBlock(w);
    w.action("Undo1")->trigger();
    QCOMPARE(w.editor()->fileBytes(), std::string("abc"));
    w.action("Undo1")->trigger();
    QCOMPARE(w.editor()->fileBytes(), std::string("abc "));
}

QTEST_MAIN(TestDecrypt)
#include "tst_decrypt.moc"
