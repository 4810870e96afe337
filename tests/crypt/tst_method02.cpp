// Method 02 through the real window and dialogs: Encrypt With Specific Method's third choice,
// phrases kept with their case and any characters, an empty phrase asked again, Decrypt always
// asking, a wrong phrase offered again, a damaged block refused before any prompt, and the key
// derived off the user-interface thread under the busy cursor.
#include "CommandScript.h"
#include "CryptFixtures.h"

#include "tests/dialogs/DialogChecks.h"

#include "cipher/Lines.h"
#include "cipher/Method02.h"
#include "dialogs/PassphraseDialog.h"
#include "platform/Help.h"
#include "platform/HelpWindow.h"

#include <QApplication>
#include <QLineEdit>
#include <QRadioButton>
#include <QTimer>

// The phrase's bytes as a plain string, for comparing.
inline std::string plain(const cipher::SecretString &phrase) {
    return std::string(phrase.data(), phrase.size());
}

using namespace crypt_fixtures;

namespace {

const QString firstPrompt =
    QStringLiteral("phrase: Enter a phrase to password-protect (1 to 64 characters):");
const QString confirmPrompt = QStringLiteral("phrase: Re-enter phrase to confirm: again");
const QString decryptPrompt =
    QStringLiteral("phrase: This text is password-protected.  Enter phrase:");
const QString phraseNeededBox =
    QStringLiteral("Error: Method 02 needs a phrase.  Enter a phrase of 1 to 64 characters. [OK*]");
const QString wrongPhraseBox =
    QStringLiteral("Error: The phrase given does not match the phrase used to password-protect "
                   "the text. [Cancel Retry*]");
const QString damagedBox =
    QStringLiteral("Error: The encrypted text is damaged.  Unable to decrypt this text. [OK*]");

QStringList run(WindowUnderTest &w, const char *item, const QStringList &steps) {
    CommandScript script(steps);
    w.action(item)->trigger();
    if (!script.done())
        qWarning("not every scripted step was used");
    return script.shown();
}

// A Method 02 block written with small limits, so that tests of reading spend no time deriving.
std::string smallBlock(std::string_view text, std::string_view phrase) {
    cipher::method02::SealInputs inputs = cipher::method02::freshSealInputs();
    inputs.limits = {2, 64};
    return cipher::joinLines(cipher::method02::write(text, phrase, inputs));
}

} // namespace

class TestMethod02 : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();

    void encryptThenDecrypt_data();
    void encryptThenDecrypt();
    void emptyPhraseIsAskedAgain();
    void wrongPhraseOffersRetry();
    void damagedBlockIsRefusedBeforeThePrompt_data();
    void damagedBlockIsRefusedBeforeThePrompt();
    void cancelLeavesTheBlock();
    void keyIsDerivedWhileTheWindowGoesOn();
    void dialogKeepsCaseAndSixtyFourCharacters();
    void methodDialogNotesTheStrongMethod();
};

void TestMethod02::initTestCase() {
    platform::setHelpFile(QStringLiteral("QVL.HLP"));
}

void TestMethod02::cleanupTestCase() {
    delete platform::helpViewer();
}

void TestMethod02::init() {
    platform::clearRecordedBeeps();
}

void TestMethod02::encryptThenDecrypt_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("phrase");
    QTest::newRow("one byte, one character") << QByteArray("a") << "x";
    QTest::newRow("lines, a phrase in mixed case and other scripts")
        << QByteArray("Dear Ann,\r\nsee you at six.\r\n") << QString::fromUtf8("Pässwört ⚡ Ωmega");
}

// The block carries version 2.00 and method 02 and no phrase length; Decrypt asks for the
// phrase although the header states none, and gives the text back exactly.
void TestMethod02::encryptThenDecrypt() {
    QFETCH(QByteArray, text);
    QFETCH(QString, phrase);
    WindowUnderTest w;
    w.editor()->setBytes(asString(text));
    QCOMPARE(run(w, "EncryptUsingMethod1", {"Method 02", "phrase " + phrase, "phrase " + phrase}),
             QStringList({"method", firstPrompt, confirmPrompt}));
    QCOMPARE(w.editor()->line(1), "QvL/0200/02/0/" + std::to_string(text.size()));
    QCOMPARE(w.textType(), QStringLiteral(" Encrypted Text"));
    QCOMPARE(run(w, "Decrypt1", {"phrase " + phrase}), QStringList{decryptPrompt});
    QCOMPARE(w.bytes(), asString(text));
    QVERIFY(beepNames().isEmpty());
    QVERIFY(QApplication::overrideCursor() == nullptr);
}

// Method 02 needs a phrase: an empty one gets the stop beep and a box, then the first prompt.
void TestMethod02::emptyPhraseIsAskedAgain() {
    WindowUnderTest w;
    w.editor()->setBytes("abc");
    QCOMPARE(run(w, "EncryptUsingMethod1",
                 {"Method 02", "phrase ", "press msg_OK", "phrase Key", "phrase Key"}),
             QStringList(
                 {"method", firstPrompt, phraseNeededBox, firstPrompt + " again", confirmPrompt}));
    QCOMPARE(beepNames(), QStringList{"Hand"});
    QCOMPARE(w.editor()->line(1), std::string("QvL/0200/02/0/3"));
    platform::clearRecordedBeeps();
    QCOMPARE(run(w, "Decrypt1", {"phrase ", "press msg_OK", "phrase Key"}),
             QStringList({decryptPrompt, phraseNeededBox, decryptPrompt + " again"}));
    QCOMPARE(beepNames(), QStringList{"Hand"});
    QCOMPARE(w.bytes(), std::string("abc"));
}

// The case of the phrase counts: the phrase in capitals is wrong, Retry asks again.
void TestMethod02::wrongPhraseOffersRetry() {
    WindowUnderTest w;
    const std::string block = smallBlock("the text", "Secret");
    w.editor()->setBytes(block);
    QCOMPARE(run(w, "Decrypt1", {"phrase SECRET", "press msg_Retry", "phrase Secret"}),
             QStringList({decryptPrompt, wrongPhraseBox, decryptPrompt}));
    QCOMPARE(beepNames(), QStringList{"Hand"});
    QCOMPARE(w.bytes(), std::string("the text"));
}

void TestMethod02::damagedBlockIsRefusedBeforeThePrompt_data() {
    QTest::addColumn<int>("line");
    QTest::addColumn<QByteArray>("replacement");
    QTest::newRow("a body character changed") << 2 << QByteArray();
    QTest::newRow("checksum absent") << 4 << QByteArray("QvL/0");
    QTest::newRow("checksum different") << 4 << QByteArray("QvL/1");
    QTest::newRow("last body line lost") << 3 << QByteArray("");
}

// Damage is told apart from a wrong phrase: the stop beep and the damaged-block box, nothing
// asked, the block left as it was.
void TestMethod02::damagedBlockIsRefusedBeforeThePrompt() {
    QFETCH(int, line);
    QFETCH(QByteArray, replacement);
    const std::string block = smallBlock("a text of some length", "p");
    std::vector<std::string> lines;
    for (const std::string_view l : cipher::splitLines(block))
        lines.emplace_back(l);
    lines.pop_back(); // the empty line after the last break
    if (replacement.isNull())
        lines[std::size_t(line)][10] ^= 1;
    else if (replacement.isEmpty())
        lines.erase(lines.begin() + line);
    else
        lines[std::size_t(line)] = replacement.toStdString();
    const std::string damaged = cipher::joinLines(lines);
    WindowUnderTest w;
    w.editor()->setBytes(damaged);
    QCOMPARE(run(w, "Decrypt1", {"press msg_OK"}), QStringList{damagedBox});
    QCOMPARE(beepNames(), QStringList{"Hand"});
    QCOMPARE(w.bytes(), damaged);
}

void TestMethod02::cancelLeavesTheBlock() {
    WindowUnderTest w;
    const std::string block = smallBlock("text", "p");
    w.editor()->setBytes(block);
    QCOMPARE(run(w, "Decrypt1", {"press cmd_Cancel"}), QStringList{decryptPrompt});
    QCOMPARE(w.bytes(), block);
    QVERIFY(beepNames().isEmpty());
}

// While the key is derived the event loop goes on (a timer keeps firing, so the window is
// painted) with the busy cursor showing; the command stays modal.
void TestMethod02::keyIsDerivedWhileTheWindowGoesOn() {
    WindowUnderTest w;
    w.editor()->setBytes("abc");
    int ticks = 0;
    int busyTicks = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        ++ticks;
        if (QApplication::overrideCursor() != nullptr)
            ++busyTicks;
    });
    ticker.start(10);
    run(w, "EncryptUsingMethod1", {"Method 02", "phrase Key", "phrase Key"});
    ticker.stop();
    QCOMPARE(w.editor()->line(1), std::string("QvL/0200/02/0/3"));
    QVERIFY2(busyTicks > 0, qPrintable(QString::number(ticks) + " ticks, none while busy"));
    QVERIFY(QApplication::overrideCursor() == nullptr);
}

// Under Method 02 the entry keeps case and every character, up to 64 of them, and yields UTF-8.
void TestMethod02::dialogKeepsCaseAndSixtyFourCharacters() {
    PassphraseDialog dialog;
    dialog.setPhraseRule(cipher::method02::phraseRule);
    auto *entry = dialog.findChild<QLineEdit *>(QStringLiteral("txt_PWord"));
    dialog_checks::typeText(entry, QString::fromUtf8("aB€ ") + QString(70, u'é'));
    QCOMPARE(entry->text().size(), 64);
    QCOMPARE(
        plain(dialog.phrase()), std::string("aB\xE2\x82\xAC ") + [] {
            std::string rest;
            for (int i = 0; i < 60; ++i)
                rest += "\xC3\xA9";
            return rest;
        }());
    entry->clear();
    dialog_checks::typeText(entry, QString::fromUtf8("\xF0\x9F\x94\x91") + QString(70, u'k'));
    QCOMPARE(cipher::phraseCharacters(cipher::method02::phraseRule, dialog.phrase()),
             std::size_t(64));
}

// The third choice with its note; Method 01 stays the one selected at every showing.
void TestMethod02::methodDialogNotesTheStrongMethod() {
    WindowUnderTest w;
    w.editor()->setBytes("abc");
    QString note;
    ModalAnswerer answerer;
    answerer.then([&](QWidget *dialog) {
        QVERIFY(dialog->findChild<QRadioButton *>(QStringLiteral("RadioButton2"))->isChecked());
        QCOMPARE(dialog->findChild<QRadioButton *>(QStringLiteral("RadioButton3"))->text(),
                 QStringLiteral("Method 02"));
        for (const QLabel *label : dialog->findChildren<QLabel *>())
            if (label->text().contains(QLatin1String("2.00")))
                note = label->text();
        QTest::keyClick(dialog->focusWidget(), Qt::Key_Escape);
    });
    w.action("EncryptUsingMethod1")->trigger();
    QCOMPARE(note,
             QStringLiteral("Strong protection.  Requires version 2.00 or higher to decrypt."));
    QCOMPARE(w.bytes(), std::string("abc"));
}

QTEST_MAIN(TestMethod02)
#include "tst_method02.moc"
