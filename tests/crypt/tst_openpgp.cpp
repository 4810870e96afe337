// OpenPGP through the real window, dialogs and GnuPG, in a GnuPG home of the test's own: gpg's
// messages decrypted by Ctrl+D (to a key without and with a passphrase, to a phrase of any
// length and case, quoted by mail), a wrong passphrase offered again, every refusal leaving the
// text, the signature reports, a block of ours going first; and the text encrypted to keys or
// to a phrase as gpg reads it.
#include "CommandScript.h"
#include "CryptFixtures.h"
#include "GnuPgHome.h"
#include "HomeChanges.h"
#include "SignerKeys.h"

#include "dialogs/RecipientsDialog.h"
#include "editor/crypt/OpenPgpModule.h"
#include "editor/text/FileText.h"
#include "openpgp/OpenPgp.h"
#include "platform/Help.h"
#include "platform/HelpWindow.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

using namespace crypt_fixtures;
using testing_openpgp::GnuPgHome;
using testing_openpgp::signerMessages;

namespace {

GnuPgHome &home() {
    return GnuPgHome::instance();
}

// A phrase longer than Method 02 allows, with capitals, blanks and letters beyond ASCII.
const QString longPhrase = QStringLiteral(
    "Seventy and more Characters, mixed Case: Grüße an Zoë, the Quick brown Fox jumps!");

std::string toKey(std::string_view email, std::string_view text) {
    return home().gpg("--armor --trust-model always --encrypt --recipient " + std::string(email),
                      text);
}

std::string toPhrase(const QString &phrase, std::string_view text) {
    return home().gpg("--armor --symmetric --pinentry-mode loopback --passphrase '" +
                          phrase.toStdString() + "'",
                      text);
}

// Every line of the text with mail's quote mark before it.
std::string quoted(const std::string &text) {
    std::string result = "> ";
    for (const char c : text)
        result += c == '\n' ? std::string("\n> ") : std::string(1, c);
    return result;
}

// The text with CR LF breaks, as the editor holds it.
std::string withCrLf(std::string text) {
    for (std::size_t at = 0; (at = text.find('\n', at)) != std::string::npos; at += 2)
        text.replace(at, 1, "\r\n");
    return text;
}

// The message with one letter of its body changed, so that its checksum disagrees.
std::string damaged(std::string message) {
    const std::size_t body = message.find("\n\n") + 2;
    const std::size_t at = message.find_first_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ", body + 10);
    message[at] = message[at] == 'A' ? 'B' : 'A';
    return message;
}

// The window's text decrypted by Ctrl+D with the dialogs answered by the steps; what they showed.
QStringList decrypt(WindowUnderTest &w, const std::string &text, const QStringList &steps) {
    if (!w.ready())
        qWarning("the window never became active, so Ctrl+D cannot reach it");
    w.editor()->setBytes(text);
    platform::clearRecordedBeeps();
    CommandScript script(steps);
    QTest::keyClick(w.editor(), Qt::Key_D, Qt::ControlModifier);
    if (!script.done())
        qWarning("not every scripted step was used");
    return script.shown();
}

// The window's text encrypted as an OpenPGP message through Encrypt With Specific Method, the
// method dialog's fourth choice taken and the later dialogs answered by the steps; what those
// later dialogs showed.
QStringList encrypt(WindowUnderTest &w, const std::string &text, const QStringList &steps) {
    w.editor()->setBytes(text);
    platform::clearRecordedBeeps();
    CommandScript script(QStringList{"OpenPGP"} + steps);
    w.window().findChild<QAction *>(QStringLiteral("EncryptUsingMethod1"))->trigger();
    if (!script.done())
        qWarning("not every scripted step was used");
    QStringList shown = script.shown();
    if (shown.value(0) != QLatin1String("method"))
        qWarning("the method dialog did not open first");
    shown.removeFirst();
    return shown;
}

// The key IDs a message of ours went to, read back by the engine with Locked's phrase at hand.
std::vector<std::string> recipientsOf(const std::string &message) {
    const auto found = openpgp::findMessage(message);
    if (!found)
        return {};
    openpgp::GnuPgSession session(*found);
    (void)session.open([](const cipher::PhraseRequest &) {
        return std::optional<cipher::SecretString>(testing_openpgp::lockedPhrase);
    });
    return session.keyIds();
}

// gpg's status lines when it decrypts or checks the text.
std::string gpgStatusOf(const std::string &text) {
    const QString status = QString::fromLocal8Bit(qgetenv("GNUPGHOME")) + "/status.txt";
    QFile::remove(status);
    home().gpg("--status-file " + status.toStdString() + " --decrypt", text);
    QFile file(status);
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
}

// A fingerprint in groups of four, as the recipients dialog shows it.
QString grouped(const std::string &fingerprint) {
    return RecipientsDialog::groupedFingerprint(QString::fromStdString(fingerprint));
}

// Locked's prompt names its primary key by the fingerprint's last four groups.
QString lockedPrompt() {
    const std::string fingerprint = home().fingerprintOf(testing_openpgp::lockedUser);
    return QStringLiteral("^phrase: Enter the passphrase of the key Locked <locked@example.org> "
                          "\\(%1\\)\\.$")
        .arg(grouped(fingerprint.substr(24)));
}

const QString wrongPassphraseBox =
    QStringLiteral("Error: The passphrase is not correct. [Cancel Retry*]");
const QString messagePrompt =
    QStringLiteral("phrase: Enter a phrase to protect the OpenPGP message:");
const QString confirmPrompt = QStringLiteral("phrase: Re-enter phrase to confirm: again");

} // namespace

class TestOpenPgp : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void gpgMessagesAreDecrypted_data();
    void gpgMessagesAreDecrypted();
    void textReachesGpgAsUtf8WithLf_data();
    void textReachesGpgAsUtf8WithLf();
    void wrongPassphraseIsOfferedAgain_data();
    void wrongPassphraseIsOfferedAgain();
    void refusalsLeaveTheText_data();
    void refusalsLeaveTheText();
    void signatureIsReportedAfterTheText_data();
    void signatureIsReportedAfterTheText();
    void clearSignedTextIsChecked_data();
    void clearSignedTextIsChecked();
    void signedForGpg_data();
    void signedForGpg();
    void clearSignCommand_data();
    void clearSignCommand();
    void blockOfOursGoesFirst();
    void binaryFileIsNamed();
    void encryptedForGpg_data();
    void encryptedForGpg();
    void emptyMessagePhraseIsAskedAgain();
    void cancelLeavesTheText_data();
    void cancelLeavesTheText();

private:
    QTemporaryDir m_config;
};

void TestOpenPgp::initTestCase() {
    platform::setHelpFile(QStringLiteral("QVL.HLP"));
    addOpenPgpToMethods();
    try {
        home().create();
    } catch (const std::exception &failure) {
        QFAIL(failure.what());
    }
    // The settings file (which keeps "Sign with my own key") in a folder of the test's own.
    QVERIFY(m_config.isValid());
    qputenv("HOME", QFile::encodeName(m_config.path()));
    QStandardPaths::setTestModeEnabled(true);
}

void TestOpenPgp::cleanupTestCase() {
    home().destroy();
    delete platform::helpViewer();
}

void TestOpenPgp::gpgMessagesAreDecrypted_data() {
    QTest::addColumn<std::string>("message");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("prompt"); // a pattern; empty when nothing is asked
    QTest::addColumn<std::string>("text");
    QTest::addColumn<QString>("format"); // the status panel's caption
    const std::string text = "Grüße aus Köln.\nSecond line.\n";
    const std::string inEditor = "Grüße aus Köln.\r\nSecond line.\r\n";
    const QString utf8Lf = QStringLiteral(" UTF-8, LF");
    QTest::newRow("to a key without passphrase")
        << toKey("nopass@example.org", text) << QStringList{} << QString() << inEditor << utf8Lf;
    QTest::newRow("in text mode, plain ASCII")
        << home().gpg("--armor --textmode --trust-model always --encrypt -r nopass@example.org",
                      "Plain.\r\nText.\r\n")
        << QStringList{} << QString() << std::string("Plain.\r\nText.\r\n") << utf8Lf;
    QTest::newRow("with CR LF breaks in binary mode")
        << toKey("nopass@example.org", "Plain.\r\n") << QStringList{} << QString()
        << std::string("Plain.\r\n") << QStringLiteral(" UTF-8, CR LF");
    QTest::newRow("in another character set")
        << toKey("nopass@example.org", "Caf\xE9\n") << QStringList{} << QString()
        << std::string("Caf\xE9\r\n") << QStringLiteral(" Windows-1252, CR LF");
    QTest::newRow("to a key with a passphrase")
        << toKey("locked@example.org", "Locked away.\n")
        << QStringList{"phrase " + QString::fromUtf8(testing_openpgp::lockedPhrase.data())}
        << lockedPrompt() << std::string("Locked away.\r\n") << utf8Lf;
    QTest::newRow("to a phrase of any length and case")
        << toPhrase(longPhrase, text) << QStringList{"phrase " + longPhrase}
        << QStringLiteral(R"(^phrase: Enter the phrase of the message\.$)") << inEditor << utf8Lf;
    QTest::newRow("quoted in a reply, with words around it")
        << "Ann wrote:\n" + quoted(toKey("nopass@example.org", text)) + "\nRegards\n"
        << QStringList{} << QString() << inEditor << utf8Lf;
}

// The passphrase dialog shows over the window without the busy cursor; the text stands in
// place of the message, UTF-8 kept (plain ASCII too) with the breaks GnuPG gave, a text in
// another character set read as before, and the window is left as after Decrypt.
void TestOpenPgp::gpgMessagesAreDecrypted() {
    QFETCH(std::string, message);
    QFETCH(QStringList, steps);
    QFETCH(QString, prompt);
    QFETCH(std::string, text);
    QFETCH(QString, format);
    QVERIFY(!message.empty());
    WindowUnderTest w;
    const QStringList shown = decrypt(w, message, steps);
    QCOMPARE(w.find<QLabel>("pan_Format")->text(), format);
    QCOMPARE(shown.size(), prompt.isEmpty() ? 0 : 1);
    if (!prompt.isEmpty())
        QVERIFY2(QRegularExpression(prompt).match(shown.front()).hasMatch(),
                 qPrintable(shown.front()));
    QCOMPARE(w.bytes(), text);
    QCOMPARE(beepNames(), QStringList());
    QVERIFY(QApplication::overrideCursor() == nullptr);
    // Undo right after Decrypt brings back the message as it stood.
    QVERIFY(w.editor()->canUndo());
}

void TestOpenPgp::textReachesGpgAsUtf8WithLf_data() {
    QTest::addColumn<QString>("typed");      // typed in a new window (Windows-1252, CR LF)
    QTest::addColumn<std::string>("opened"); // else the bytes of a file opened
    QTest::addColumn<std::string>("received");
    QTest::newRow("typed in a new window")
        << QStringLiteral("Café für Jürgen\nZeile zwei") << std::string()
        << std::string("Caf\xC3\xA9 f\xC3\xBCr J\xC3\xBCrgen\nZeile zwei");
    QTest::newRow("opened from an LF file")
        << QString() << std::string("Zo\xC3\xAB\nzwei\n") << std::string("Zo\xC3\xAB\nzwei\n");
    QTest::newRow("opened from a Windows-1252 CR LF file")
        << QString() << std::string("Caf\xE9\r\n") << std::string("Caf\xC3\xA9\n");
}

// gpg --decrypt gives the UTF-8 of what the editor shows, with LF breaks, whatever the
// document's encoding and breaks.
void TestOpenPgp::textReachesGpgAsUtf8WithLf() {
    QFETCH(QString, typed);
    QFETCH(std::string, opened);
    QFETCH(std::string, received);
    WindowUnderTest w;
    QVERIFY(w.ready());
    if (typed.isEmpty()) {
        const FileText file = fileText(opened);
        w.editor()->loadText(file.characters, file.format, file.lines);
    }
    for (const QChar c : typed) {
        if (c == u'\n')
            QTest::keyClick(w.editor(), Qt::Key_Return);
        else
            QTest::sendKeyEvent(QTest::Click, w.editor(), Qt::Key_unknown, QString(c),
                                Qt::NoModifier);
    }
    const DocumentFormat before = w.editor()->format();
    if (!typed.isEmpty())
        QCOMPARE(before, DocumentFormat());
    CommandScript script({"OpenPGP", "choose Nopass,-own"});
    w.window().findChild<QAction *>(QStringLiteral("EncryptUsingMethod1"))->trigger();
    QVERIFY(script.done());
    QCOMPARE(home().gpg("--decrypt", w.bytes()), received);
}

void TestOpenPgp::wrongPassphraseIsOfferedAgain_data() {
    QTest::addColumn<bool>("retried");
    QTest::newRow("Retry, then the right one") << true;
    QTest::newRow("Cancel") << false;
}

// A phrase that differs only in case is wrong; Retry asks again in a new dialog.
void TestOpenPgp::wrongPassphraseIsOfferedAgain() {
    QFETCH(bool, retried);
    WindowUnderTest w;
    const std::string message = toKey("locked@example.org", "Locked away.\n");
    QStringList steps{"phrase open sesame 42", retried ? "press msg_Retry" : "press msg_Cancel"};
    if (retried)
        steps << "phrase " + QString::fromUtf8(testing_openpgp::lockedPhrase.data());
    const QStringList shown = decrypt(w, message, steps);
    QCOMPARE(shown.size(), steps.size());
    QVERIFY2(QRegularExpression(lockedPrompt()).match(shown[0]).hasMatch(), qPrintable(shown[0]));
    QCOMPARE(shown[1], wrongPassphraseBox);
    if (retried)
        QVERIFY(QRegularExpression(lockedPrompt()).match(shown[2]).hasMatch());
    QCOMPARE(beepNames(), QStringList{"Hand"});
    QCOMPARE(w.bytes(), retried ? std::string("Locked away.\r\n") : withCrLf(message));
}

void TestOpenPgp::refusalsLeaveTheText_data() {
    QTest::addColumn<std::string>("message");
    QTest::addColumn<QString>("box"); // the box's start
    const std::string message = toKey("nopass@example.org", "Never shown.\n");
    QTest::newRow("no secret key")
        << home().toStranger
        << "Error: No secret key for this message is in the keyring.  It was encrypted to: ";
    QTest::newRow("damaged") << damaged(message)
                             << "Error: The OpenPGP message is damaged or was changed: its "
                                "checksum or integrity check failed. [OK*]";
    QTest::newRow("no integrity check")
        << signerMessages().unprotectedToKey
        << "Error: The OpenPGP message has no integrity check, so a change made to it on the way "
           "could not be noticed: it is not read. [OK*]";
    QTest::newRow("end line missing")
        << message.substr(0, message.find("-----END"))
        << "Error: The OpenPGP message is cut short: its end line \"-----END PGP MESSAGE-----\" "
           "is missing.  Unable to decrypt this text. [OK*]";
    const std::string clearSigned =
        home().gpg("-u nopass@example.org --clearsign", "Signed only.\n");
    QTest::newRow("clear-signed, cut short")
        << clearSigned.substr(0, clearSigned.find("-----END"))
        << "Error: The OpenPGP signed text is cut short: its signature's end line \"-----END PGP "
           "SIGNATURE-----\" is missing.  Unable to check this text. [OK*]";
    QTest::newRow("public key") << home().gpg("--armor --export nopass@example.org")
                                << "Error: This text is an OpenPGP public key, not an encrypted "
                                   "message. [OK*]";
}

void TestOpenPgp::refusalsLeaveTheText() {
    QFETCH(std::string, message);
    QFETCH(QString, box);
    WindowUnderTest w;
    const QStringList shown = decrypt(w, message, {"press msg_OK"});
    QCOMPARE(shown.size(), 1);
    QVERIFY2(shown.front().startsWith(box), qPrintable(shown.front()));
    QCOMPARE(beepNames(), QStringList{"Hand"});
    QCOMPARE(w.bytes(), withCrLf(message));
}

void TestOpenPgp::signatureIsReportedAfterTheText_data() {
    QTest::addColumn<std::string>("message");
    QTest::addColumn<QString>("box"); // the box's start
    QTest::addColumn<QStringList>("beeps");
    QTest::addColumn<std::string>("text");
    const QString nopass = grouped(home().fingerprintOf(testing_openpgp::nopassUser));
    const auto &signers = signerMessages();
    const QString friendKey = grouped(signers.friendFingerprint);
    const std::string signedText = "Signed, sealed, delivered.\r\n";
    const QStringList none;
    const QStringList exclamation{"Exclamation"};
    QTest::newRow("good") << home().signedOnly("Signed and sound.\n", false)
                          << "Information: Good signature from Nopass <nopass@example.org> "
                             "(fingerprint " +
                                 nopass + "). [OK*]"
                          << none << std::string("Signed and sound.\r\n");
    QTest::newRow("bad") << home().signedOnly("Signed and sound.\n", true)
                         << "Warning: BAD signature: the message was signed by Nopass "
                            "<nopass@example.org> (fingerprint " +
                                nopass + ") but changed after signing. [OK*]"
                         << exclamation << std::string("Sigmed and sound.\r\n");
    QTest::newRow("unknown signer")
        << home().strangerSigned
        << QStringLiteral("Information: Signed by a key that is not in the keyring (") << none
        << std::string("Signed by a stranger.\r\n");
    QTest::newRow("same-name impostor")
        << signers.byImpostor
        << "Information: Signature by a key named Friend <friend@example.org> (fingerprint " +
               grouped(signers.impostorFingerprint) + "): the message is as that key signed it"
        << none << signedText;
    QTest::newRow("revoked key") << signers.byRevoked
                                 << QStringLiteral(
                                        "Warning: Signature from Revoked <revoked@example.org>")
                                 << exclamation << signedText;
    QTest::newRow("expired key")
        << signers.byExpiredKey
        << QStringLiteral("Information: Good signature from Expired <expired@example.org>") << none
        << signedText;
    QTest::newRow("expired signature")
        << signers.expired
        << "Warning: Expired signature from Friend <friend@example.org> (fingerprint " + friendKey
        << exclamation << signedText;
    QTest::newRow("second signature bad")
        << signers.secondBad
        << "Warning: Good signature from Friend <friend@example.org> (fingerprint " + friendKey +
               ").\nBAD signature: the message was signed by Nopass <nopass@example.org> "
               "(fingerprint " +
               nopass + ") but changed after signing. [OK*]"
        << exclamation << signedText;
}

void TestOpenPgp::signatureIsReportedAfterTheText() {
    QFETCH(std::string, message);
    QFETCH(QString, box);
    QFETCH(QStringList, beeps);
    QFETCH(std::string, text);
    WindowUnderTest w;
    QVERIFY(w.ready());
    std::string textWhenReported;
    ModalAnswerer answerer;
    answerer.then([&](QWidget *modal) {
        textWhenReported = w.bytes();
        modal->findChild<QPushButton *>("msg_OK")->click();
    });
    w.editor()->setBytes(message);
    platform::clearRecordedBeeps();
    QTest::keyClick(w.editor(), Qt::Key_D, Qt::ControlModifier);
    QVERIFY(answerer.done());
    QCOMPARE(answerer.texts().size(), 1);
    const QString shown = answerer.titles().front() + ": " + answerer.texts().front() + " [OK*]";
    QVERIFY2(shown.startsWith(box), qPrintable(shown));
    QCOMPARE(beepNames(), beeps);
    QCOMPARE(textWhenReported, text);
    QCOMPARE(w.bytes(), text);
}

void TestOpenPgp::clearSignedTextIsChecked_data() {
    QTest::addColumn<std::string>("text");
    QTest::addColumn<QString>("box"); // the box's start
    QTest::addColumn<QStringList>("beeps");
    QTest::addColumn<bool>("kept"); // the text stays as it stood
    const std::string letter = "Dear Ann,\n- a dash\n";
    const std::string byNopass = home().gpg("-u nopass@example.org --clearsign", letter);
    const std::string changed = [&] {
        std::string text = byNopass;
        return text.replace(text.find("Ann"), 3, "Eve");
    }();
    const QStringList none;
    const QStringList exclamation{"Exclamation"};
    QTest::newRow("good") << "Forwarded:\n" + byNopass
                          << QStringLiteral("Information: Good signature from Nopass") << none
                          << false;
    QTest::newRow("quoted") << quoted(byNopass)
                            << QStringLiteral("Information: Good signature from Nopass") << none
                            << false;
    QTest::newRow("changed after signing")
        << changed << QStringLiteral("Warning: BAD signature: the message was signed by Nopass")
        << exclamation << true;
    QTest::newRow("quoted and changed")
        << quoted(changed)
        << QStringLiteral("Warning: BAD signature: the message was signed by Nopass") << exclamation
        << true;
    QTest::newRow("revoked key") << signerMessages().clearByRevoked
                                 << QStringLiteral("Warning: Signature from Revoked") << exclamation
                                 << false;
}

// The signed text stands without its armour, as it was signed, and the signature is reported
// as a message's is; a text changed after signing stays as it stood, with the warning.
void TestOpenPgp::clearSignedTextIsChecked() {
    QFETCH(std::string, text);
    QFETCH(QString, box);
    QFETCH(QStringList, beeps);
    QFETCH(bool, kept);
    WindowUnderTest w;
    const QStringList shown = decrypt(w, text, {"press msg_OK"});
    QCOMPARE(shown.size(), 1);
    QVERIFY2(shown.front().startsWith(box), qPrintable(shown.front()));
    QCOMPARE(beepNames(), beeps);
    if (kept) {
        QVERIFY2(shown.front().contains("The signed text is left as it stands."),
                 qPrintable(shown.front()));
        QCOMPARE(w.bytes(), withCrLf(text));
        return;
    }
    QVERIFY2(w.bytes().find("-----BEGIN") == std::string::npos, w.bytes().c_str());
    QVERIFY(w.editor()->canUndo());
}

void TestOpenPgp::signedForGpg_data() {
    QTest::addColumn<QString>("gpgConf");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QString>("signer"); // the user ID of the key gpg finds signing; empty for none
    const QString dialog = QStringLiteral("recipients: 2 keys, own key offered");
    const QString lockedDefault = QStringLiteral("default-key locked@example.org\n");
    QTest::newRow("signed by the first secret key")
        << QString() << QStringList{"choose Nopass,-own"} << QStringList{dialog}
        << QString::fromLatin1(testing_openpgp::nopassUser.data());
    QTest::newRow("not signed, then the box stays clear")
        << QString() << QStringList{"choose Nopass,-own,-sign"} << QStringList{dialog} << QString();
    QTest::newRow("signed by the locked default key")
        << lockedDefault
        << QStringList{"choose Nopass,-own,+sign",
                       "phrase " + QString::fromLatin1(testing_openpgp::lockedPhrase.data())}
        << QStringList{dialog + ", not signing", "phrase: Enter the passphrase of the key Locked"}
        << QString::fromLatin1(testing_openpgp::lockedUser.data());
    QTest::newRow("the default key has expired")
        << QStringLiteral("default-key expired@example.org\n")
        << QStringList{"choose Nopass,-own,+sign", "press msg_OK"}
        << QStringList{dialog + ", not signing",
                       "Error: The key Expired <expired@example.org> (fingerprint "}
        << QString();
}

// Encrypt to a key with "Sign with my own key": gpg --decrypt at the recipient finds a good
// signature by the own key; a key that cannot sign is refused by name and the text stays. The
// rows run in order: the box keeps the state the row before left it in.
void TestOpenPgp::signedForGpg() {
    QFETCH(QString, gpgConf);
    QFETCH(QStringList, steps);
    QFETCH(QStringList, shown);
    QFETCH(QString, signer);
    signerMessages();
    const testing_openpgp::GpgConfLines conf(gpgConf.toStdString());
    WindowUnderTest w;
    const std::string text = "Signed and sealed.\r\n";
    const QStringList seen = encrypt(w, text, steps);
    QCOMPARE(seen.size(), shown.size());
    for (int at = 0; at < seen.size(); ++at)
        QVERIFY2(seen[at].startsWith(shown[at]), qPrintable(seen[at]));
    if (steps.last() == QLatin1String("press msg_OK")) {
        QCOMPARE(w.bytes(), text);
        return;
    }
    const std::string status = gpgStatusOf(w.bytes());
    QCOMPARE(home().gpg("--decrypt", w.bytes()), std::string("Signed and sealed.\n"));
    if (signer.isEmpty()) {
        QVERIFY2(status.find("SIG") == std::string::npos, status.c_str());
        QCOMPARE(encrypt(w, text, {"press CancelBtn"}),
                 QStringList{"recipients: 2 keys, own key offered, not signing"});
        return;
    }
    const std::string fingerprint = home().fingerprintOf(signer.toStdString());
    QVERIFY2(status.find("VALIDSIG " + fingerprint) != std::string::npos, status.c_str());
}

void TestOpenPgp::clearSignCommand_data() {
    QTest::addColumn<QString>("gpgConf");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("shown");  // the start of what the command showed; empty for nothing
    QTest::addColumn<QString>("signer"); // the user ID of the key that signs; empty for none
    const QString nopass = QString::fromLatin1(testing_openpgp::nopassUser.data());
    const QString locked = QString::fromLatin1(testing_openpgp::lockedUser.data());
    const QString lockedDefault = QStringLiteral("default-key locked@example.org\n");
    QTest::newRow("first secret key") << QString() << QStringList() << QString() << nopass;
    QTest::newRow("locked default key")
        << lockedDefault
        << QStringList{"phrase " + QString::fromLatin1(testing_openpgp::lockedPhrase.data())}
        << QStringLiteral("phrase: Enter the passphrase of the key Locked") << locked;
    QTest::newRow("wrong phrase") << lockedDefault << QStringList{"phrase wrong", "press msg_OK"}
                                  << QStringLiteral(
                                         "phrase: Enter the passphrase of the key Locked")
                                  << QString();
    QTest::newRow("cancelled") << lockedDefault << QStringList{"press cmd_Cancel"}
                               << QStringLiteral("phrase: Enter the passphrase") << QString();
    QTest::newRow("revoked default key")
        << QStringLiteral("default-key revoked@example.org\n") << QStringList{"press msg_OK"}
        << QStringLiteral("Error: The key Revoked <revoked@example.org> (fingerprint ")
        << QString();
}

// Clear-Sign (Ctrl+G) signs the text in place: gpg finds a good signature by the own key and
// gives the text back, and Decrypt reads it back; any refusal leaves the text.
void TestOpenPgp::clearSignCommand() {
    QFETCH(QString, gpgConf);
    QFETCH(QStringList, steps);
    QFETCH(QString, shown);
    QFETCH(QString, signer);
    signerMessages();
    const testing_openpgp::GpgConfLines conf(gpgConf.toStdString());
    WindowUnderTest w;
    QVERIFY(w.ready());
    const std::string text = "Grüße, Zoë.\r\n- a dash\r\n";
    w.editor()->setBytes(text);
    {
        CommandScript script(steps);
        QTest::keyClick(w.editor(), Qt::Key_G, Qt::ControlModifier);
        QVERIFY(script.done());
        QVERIFY2(shown.isEmpty() || script.shown().value(0).startsWith(shown),
                 qPrintable(script.shown().join('|')));
    }
    if (signer.isEmpty()) {
        QCOMPARE(w.bytes(), text);
        return;
    }
    const std::string signedText = w.bytes();
    QVERIFY(signedText.starts_with("-----BEGIN PGP SIGNED MESSAGE-----\r\n"));
    const std::string fingerprint = home().fingerprintOf(signer.toStdString());
    QVERIFY(gpgStatusOf(signedText).find("VALIDSIG " + fingerprint) != std::string::npos);
    QCOMPARE(home().gpg("--decrypt", signedText), text);
    const QStringList reported = decrypt(w, signedText, {"press msg_OK"});
    QVERIFY2(reported.value(0).startsWith("Information: Good signature from " + signer),
             qPrintable(reported.join('|')));
    QCOMPARE(w.bytes(), text);
}

void TestOpenPgp::blockOfOursGoesFirst() {
    WindowUnderTest w;
    const QStringList shown =
        decrypt(w, blockOf("ours") + toKey("nopass@example.org", "theirs\n"), {});
    QCOMPARE(shown, QStringList());
    QCOMPARE(w.bytes(), std::string("ours"));
}

// A .gpg file opened as the editor reads its bytes (cut at its first zero byte, if it holds one,
// with the warning answered) is named as what it is; the text stays, and the status bar calls it
// normal text.
void TestOpenPgp::binaryFileIsNamed() {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("letter.gpg"));
    const std::string packets =
        home().gpg("--trust-model always --encrypt -r nopass@example.org", "In binary form.\n");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) &&
            file.write(packets.data(), qint64(packets.size())) == qint64(packets.size()));
    file.close();
    WindowUnderTest w;
    QVERIFY(w.ready());
    {
        // The packets are random: the warning comes only when they hold a zero byte.
        const bool holdsZero = packets.find('\0') != std::string::npos;
        CommandScript zeroByteWarning(holdsZero ? QStringList{"press msg_OK"} : QStringList{});
        w.window().loadFile(path);
    }
    const std::string opened = w.bytes();
    platform::clearRecordedBeeps();
    CommandScript script({"press msg_OK"});
    w.window().findChild<QAction *>(QStringLiteral("Decrypt1"))->trigger();
    QVERIFY(script.done());
    const QStringList shown = script.shown();
    QCOMPARE(shown.size(), 1);
    QVERIFY2(shown.front().startsWith(
                 "Error: This is an encrypted OpenPGP message in binary form (a .gpg file)"),
             qPrintable(shown.front()));
    QCOMPARE(w.bytes(), opened);
    QCOMPARE(w.window().findChild<QLabel *>(QStringLiteral("pan_TextType"))->text(),
             QStringLiteral(" Normal Text"));
}

void TestOpenPgp::encryptedForGpg_data() {
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<int>("recipients"); // 0 for a phrase
    const QString dialog = QStringLiteral("recipients: 2 keys, own key offered");
    QTest::newRow("to a key") << QStringList{"choose Nopass,-own"} << QStringList{dialog} << 1;
    QTest::newRow("to another key and my own key, the first secret key")
        << QStringList{"choose Locked"} << QStringList{dialog} << 2;
    QTest::newRow("to my own key, also as my own key")
        << QStringList{"choose Nopass"} << QStringList{dialog} << 1;
    QTest::newRow("to a phrase") << QStringList{"choose", "phrase " + longPhrase,
                                                "phrase " + longPhrase}
                                 << QStringList{dialog, messagePrompt, confirmPrompt} << 0;
}

// The message stands in place of the text with CR LF breaks, and gpg reads it with the key or
// the phrase, the text's breaks LF.
void TestOpenPgp::encryptedForGpg() {
    QFETCH(QStringList, steps);
    QFETCH(QStringList, shown);
    QFETCH(int, recipients);
    WindowUnderTest w;
    const std::string text = "Grüße, Zoë.\r\nSecond line.\r\n";
    QCOMPARE(encrypt(w, text, steps), shown);
    const std::string message = w.bytes();
    QVERIFY(message.starts_with("-----BEGIN PGP MESSAGE-----\r\n"));
    QVERIFY(message.ends_with("-----END PGP MESSAGE-----\r\n"));
    QVERIFY(!w.editor()->canUndo());
    QCOMPARE(int(recipientsOf(message).size()), recipients);
    const std::string phrase = recipients == 0 ? " --pinentry-mode loopback --passphrase '" +
                                                     longPhrase.toStdString() + "'"
                                               : std::string();
    QCOMPARE(home().gpg("--decrypt" + phrase, message), std::string("Grüße, Zoë.\nSecond line.\n"));
}

void TestOpenPgp::emptyMessagePhraseIsAskedAgain() {
    WindowUnderTest w;
    const QStringList shown =
        encrypt(w, "abc", {"choose", "phrase ", "press msg_OK", "phrase Ab", "phrase Ab"});
    QCOMPARE(shown, QStringList({"recipients: 2 keys, own key offered", messagePrompt,
                                 "Error: An OpenPGP message protected by a phrase needs a "
                                 "phrase.  Enter a phrase. [OK*]",
                                 messagePrompt + " again", confirmPrompt}));
    QCOMPARE(beepNames(), QStringList{"Hand"});
    QCOMPARE(home().gpg("--decrypt --pinentry-mode loopback --passphrase Ab", w.bytes()),
             std::string("abc"));
}

void TestOpenPgp::cancelLeavesTheText_data() {
    QTest::addColumn<QStringList>("steps");
    QTest::newRow("recipients dialog") << QStringList{"press CancelBtn"};
    QTest::newRow("phrase") << QStringList{"choose", "press cmd_Cancel"};
    QTest::newRow("confirming phrase") << QStringList{"choose", "phrase Ab", "press cmd_Cancel"};
}

void TestOpenPgp::cancelLeavesTheText() {
    QFETCH(QStringList, steps);
    WindowUnderTest w;
    encrypt(w, "abc", steps);
    QCOMPARE(w.bytes(), std::string("abc"));
    QCOMPARE(beepNames(), QStringList());
}

QTEST_MAIN(TestOpenPgp)
#include "tst_openpgp.moc"
