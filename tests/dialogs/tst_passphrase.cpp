// Tests of the passphrase dialog: the masked upper-case entry and its limit, the note of refused
// characters, the emptying at every showing, the results of OK, Cancel and Escape, the layout,
// and the Help topics.
#include "DialogChecks.h"
#include "MarkingTranslator.h"
#include "ModalAnswerer.h"
#include "cipher/Method.h"
#include "dialogs/PassphraseDialog.h"
#include "platform/Beep.h"
#include "platform/Help.h"
#include "platform/HelpWindow.h"

#include <QAccessible>
#include <QClipboard>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

// The phrase's bytes as a plain string, for comparing.
inline std::string plain(const cipher::SecretString &phrase) {
    return std::string(phrase.data(), phrase.size());
}

using dialog_checks::typeText;

class TestPassphraseDialog : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void entryUpperCasesAndMasks_data();
    void entryUpperCasesAndMasks();
    void seventeenthCharacterIsRefused();
    void longPasteKeepsSixteen_data();
    void longPasteKeepsSixteen();
    void composedCharacterIsRefused();
    void refusedCharacterIsNoted_data();
    void refusedCharacterIsNoted();
    void entryEmptiedByRefusalNeedsSecondOk_data();
    void entryEmptiedByRefusalNeedsSecondOk();
    void phraseAsTypedRefusesNothing();
    void everyShowingStartsEmptyWithFocus();
    void results_data();
    void results();
    void emptyPhraseIsAnAnswer();
    void layoutAndLook();
    void fittedAndCentredAtEveryPrompt();
    void fontsOfTheForm();
    void everyWordGoesThroughTheCatalogue();
    void helpButtonJumpsToTopicGiven_data();
    void helpButtonJumpsToTopicGiven();
    void helpViewerOutlivesDialog();
    void helpViewerIsUsableWhileDialogWaits();

private:
    QLineEdit *entry() const { return m_dialog->findChild<QLineEdit *>("txt_PWord"); }
    QLabel *refusalNote() const { return m_dialog->findChild<QLabel *>("lab_Refused"); }
    QPushButton *button(const char *name) const { return m_dialog->findChild<QPushButton *>(name); }

    PassphraseDialog *m_dialog = nullptr;
};

void TestPassphraseDialog::initTestCase() {
    platform::setHelpFile(QStringLiteral("QVL.HLP"));
}

void TestPassphraseDialog::cleanupTestCase() {
    delete platform::helpViewer();
}

void TestPassphraseDialog::init() {
    m_dialog = new PassphraseDialog;
    m_dialog->setPrompt(QStringLiteral("Enter a phrase to password-protect (if desired):"));
}

void TestPassphraseDialog::cleanup() {
    delete m_dialog;
    m_dialog = nullptr;
}

void TestPassphraseDialog::entryUpperCasesAndMasks_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("stopBeeps");

    QTest::newRow("six lower-case letters") << "abcdef"
                                            << "ABCDEF" << QByteArray("ABCDEF") << 0;
    QTest::newRow("digits, blanks and signs unchanged")
        << "pass 1-2!"
        << "PASS 1-2!" << QByteArray("PASS 1-2!") << 0;
    QTest::newRow("letters of Windows-1252 beyond ASCII")
        << QStringLiteral("àÿšœž") << QStringLiteral("ÀŸŠŒŽ") << QByteArray("\xC0\x9F\x8A\x8C\x8E")
        << 0;
    QTest::newRow("sharp s and micro have no one-character capital")
        << QStringLiteral("ßµ") << QStringLiteral("ßµ") << QByteArray("\xDF\xB5") << 0;
    QTest::newRow("euro sign is held by the code page")
        << QStringLiteral("a€") << QStringLiteral("A€") << QByteArray("A\x80") << 0;
    QTest::newRow("Greek letter is refused")
        << QStringLiteral("aωb") << QStringLiteral("AB") << QByteArray("AB") << 1;
    QTest::newRow("Cyrillic phrase is refused letter by letter")
        << QStringLiteral("Пароль1") << QStringLiteral("1") << QByteArray("1") << 6;
    QTest::newRow("character outside the basic plane is refused")
        << QStringLiteral("a\U0001F600b") << QStringLiteral("AB") << QByteArray("AB") << 1;
}

void TestPassphraseDialog::entryUpperCasesAndMasks() {
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    QFETCH(QByteArray, bytes);
    QFETCH(int, stopBeeps);

    m_dialog->open();
    platform::clearRecordedBeeps();
    typeText(entry(), typed);

    QCOMPARE(platform::recordedBeeps(),
             std::vector<platform::BeepKind>(std::size_t(stopBeeps), platform::BeepKind::Hand));
    QCOMPARE(entry()->text(), kept);
    QCOMPARE(entry()->displayText(), QString(kept.size(), u'*'));
    QCOMPARE(QByteArray::fromStdString(plain(m_dialog->phrase())), bytes);
}

void TestPassphraseDialog::seventeenthCharacterIsRefused() {
    m_dialog->open();
    typeText(entry(), QStringLiteral("abcdefghijklmnop"));
    QCOMPARE(entry()->text(), QStringLiteral("ABCDEFGHIJKLMNOP"));

    typeText(entry(), QStringLiteral("q"));
    QCOMPARE(entry()->text(), QStringLiteral("ABCDEFGHIJKLMNOP"));
    QCOMPARE(m_dialog->phrase().size(), std::size_t(16));
}

void TestPassphraseDialog::longPasteKeepsSixteen_data() {
    QTest::addColumn<QString>("typedFirst");
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("kept");

    QTest::newRow("into an empty entry") << ""
                                         << "the quick brown fox jumps"
                                         << "THE QUICK BROWN ";
    QTest::newRow("after three letters") << "abc"
                                         << "defghijklmnopqrstuvwxyz"
                                         << "ABCDEFGHIJKLMNOP";
    QTest::newRow("short paste is kept whole") << ""
                                               << "secret"
                                               << "SECRET";
    QTest::newRow("paste keeps all but the refused characters")
        << "ab" << QStringLiteral("cΩd") << "ABCD";
}

void TestPassphraseDialog::longPasteKeepsSixteen() {
    QFETCH(QString, typedFirst);
    QFETCH(QString, clipboard);
    QFETCH(QString, kept);

    m_dialog->open();
    typeText(entry(), typedFirst);
    QGuiApplication::clipboard()->setText(clipboard);
    QTest::keyClick(entry(), Qt::Key_V, Qt::ControlModifier);

    QCOMPARE(entry()->text(), kept);
}

// A character composed by an input method (or dropped: both arrive as one insertion) is
// refused as a typed one is: a stop beep, the composition not entered, the text kept.
void TestPassphraseDialog::composedCharacterIsRefused() {
    m_dialog->open();
    typeText(entry(), QStringLiteral("ab"));
    platform::clearRecordedBeeps();
    QInputMethodEvent composed;
    composed.setCommitString(QStringLiteral("ж"));
    QApplication::sendEvent(entry(), &composed);
    QCOMPARE(entry()->text(), QStringLiteral("AB"));
    QCOMPARE(platform::recordedBeeps(), std::vector{platform::BeepKind::Hand});
    composed.setCommitString(QStringLiteral("é"));
    QApplication::sendEvent(entry(), &composed);
    QCOMPARE(entry()->text(), QStringLiteral("ABÉ"));
}

// A refused character shows a note under the entry that names what the phrase can hold, an
// alert to assistive tools; characters taken show none.
void TestPassphraseDialog::refusedCharacterIsNoted_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::addColumn<bool>("noted");

    QTest::newRow("Cyrillic word") << QStringLiteral("жук") << QString() << true;
    QTest::newRow("Cyrillic word, then letters") << QStringLiteral("жукab") << "AB" << true;
    QTest::newRow("letters, then a Greek one") << QStringLiteral("abω") << "AB" << true;
    QTest::newRow("Windows-1252 letters")
        << QStringLiteral("àb€") << QStringLiteral("ÀB€") << false;
}

void TestPassphraseDialog::refusedCharacterIsNoted() {
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    QFETCH(bool, noted);

    m_dialog->open();
    QVERIFY(QTest::qWaitForWindowExposed(m_dialog));
    QVERIFY(!refusalNote()->isVisible());
    typeText(entry(), typed);

    QCOMPARE(entry()->text(), kept);
    QCOMPARE(refusalNote()->isVisible(), noted);
    if (noted) {
        QVERIFY(refusalNote()->text().contains(QLatin1String("Windows-1252")));
        QCOMPARE(dialog_checks::clippedTexts(m_dialog), QStringList());
        // Assistive tools read the note as an alert that says it.
        QAccessibleInterface *note = QAccessible::queryAccessibleInterface(refusalNote());
        QCOMPARE(note->role(), QAccessible::AlertMessage);
        QCOMPARE(note->text(QAccessible::Description), refusalNote()->text());
    }
    // The next showing starts without the note.
    m_dialog->reject();
    m_dialog->open();
    QVERIFY(!refusalNote()->isVisible());
}

// An entry that holds nothing only because its characters were refused is not taken as "no
// phrase" at the first OK: the dialog stays open with the note; the second OK takes it. An
// entry the user emptied himself after a refusal is an answer at once.
void TestPassphraseDialog::entryEmptiedByRefusalNeedsSecondOk_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("backspaces");
    QTest::addColumn<QString>("typedAfter");
    QTest::addColumn<int>("presses");

    QTest::newRow("refused word") << QStringLiteral("жук") << 0 << QString() << 2;
    QTest::newRow("letter deleted, then a refused one") << "a" << 1 << QStringLiteral("ж") << 2;
    QTest::newRow("refused, then a letter deleted") << QStringLiteral("жa") << 1 << QString() << 1;
    QTest::newRow("nothing typed") << QString() << 0 << QString() << 1;
}

void TestPassphraseDialog::entryEmptiedByRefusalNeedsSecondOk() {
    QFETCH(QString, typed);
    QFETCH(int, backspaces);
    QFETCH(QString, typedAfter);
    QFETCH(int, presses);

    m_dialog->open();
    typeText(entry(), typed);
    for (int i = 0; i < backspaces; ++i)
        QTest::keyClick(entry(), Qt::Key_Backspace);
    typeText(entry(), typedAfter);
    QVERIFY(entry()->text().isEmpty());

    platform::clearRecordedBeeps();
    for (int press = 1; press < presses; ++press) {
        QTest::keyClick(entry(), Qt::Key_Return);
        QVERIFY(m_dialog->isVisible());
        QVERIFY(refusalNote()->isVisible());
        QCOMPARE(platform::recordedBeeps(), std::vector{platform::BeepKind::Hand});
    }
    QTest::keyClick(entry(), Qt::Key_Return);
    QVERIFY(!m_dialog->isVisible());
    QCOMPARE(m_dialog->result(), int(QDialog::Accepted));
    QCOMPARE(plain(m_dialog->phrase()), std::string());
}

// A phrase kept as typed takes every character: no note, no second OK.
void TestPassphraseDialog::phraseAsTypedRefusesNothing() {
    m_dialog->setPhraseRule(cipher::methodNamed("2")->phraseRule);
    m_dialog->open();
    typeText(entry(), QStringLiteral("жук"));
    QVERIFY(!refusalNote()->isVisible());
    QTest::keyClick(entry(), Qt::Key_Return);
    QCOMPARE(m_dialog->result(), int(QDialog::Accepted));
    QCOMPARE(plain(m_dialog->phrase()), std::string("жук"));
}

void TestPassphraseDialog::everyShowingStartsEmptyWithFocus() {
    for (int showing = 1; showing <= 2; ++showing) {
        m_dialog->open();
        QVERIFY(m_dialog->isVisible());
        QVERIFY(entry()->text().isEmpty());
        QCOMPARE(m_dialog->focusWidget(), entry());

        typeText(entry(), QStringLiteral("word"));
        QTest::keyClick(entry(), Qt::Key_Return);
        QCOMPARE(m_dialog->result(), int(QDialog::Accepted));
        QCOMPARE(plain(m_dialog->phrase()), std::string("WORD"));
    }
}

void TestPassphraseDialog::results_data() {
    QTest::addColumn<QString>("answer");
    QTest::addColumn<int>("result");

    QTest::newRow("Enter presses OK") << "Enter" << int(QDialog::Accepted);
    QTest::newRow("OK button") << "cmd_OK" << int(QDialog::Accepted);
    QTest::newRow("Escape presses Cancel") << "Escape" << int(QDialog::Rejected);
    QTest::newRow("Cancel button") << "cmd_Cancel" << int(QDialog::Rejected);
    QTest::newRow("closed by the window manager") << "close" << int(QDialog::Rejected);
}

void TestPassphraseDialog::results() {
    QFETCH(QString, answer);
    QFETCH(int, result);

    ModalAnswerer answerer;
    answerer.then([answer](QWidget *modal) {
        auto *edit = modal->findChild<QLineEdit *>("txt_PWord");
        typeText(edit, QStringLiteral("abc"));
        if (answer == "Enter")
            QTest::keyClick(edit, Qt::Key_Return);
        else if (answer == "Escape")
            QTest::keyClick(edit, Qt::Key_Escape);
        else if (answer == "close")
            modal->close();
        else
            modal->findChild<QPushButton *>(answer)->click();
    });

    QCOMPARE(m_dialog->exec(), result);
    QVERIFY(answerer.done());
    QVERIFY(!m_dialog->isVisible());
    if (result == QDialog::Accepted)
        QCOMPARE(plain(m_dialog->phrase()), std::string("ABC"));
}

void TestPassphraseDialog::emptyPhraseIsAnAnswer() {
    ModalAnswerer answerer;
    answerer.press("cmd_OK");
    QCOMPARE(m_dialog->exec(), int(QDialog::Accepted));
    QCOMPARE(plain(m_dialog->phrase()), std::string());
}

// The title, the buttons and the note of a refused character; the prompt is the caller's.
void TestPassphraseDialog::everyWordGoesThroughTheCatalogue() {
    const MarkingTranslator marking;
    PassphraseDialog dialog;
    dialog.open();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    typeText(dialog.findChild<QLineEdit *>("txt_PWord"), QStringLiteral("ж"));
    QCOMPARE(unmarkedTexts(&dialog), QStringList());
    QVERIFY(dialog.findChild<QLabel *>("lab_Refused")->text().startsWith("{PassphraseDialog}"));
    dialog.reject();
}

void TestPassphraseDialog::layoutAndLook() {
    m_dialog->setPrompt(QStringLiteral("This text is password-protected.  Enter phrase:"));
    m_dialog->open();

    QCOMPARE(m_dialog->objectName(), QStringLiteral("frm_PWord"));
    QCOMPARE(m_dialog->windowTitle(), QStringLiteral("Password Protection"));
    const Qt::WindowFlags flags = m_dialog->windowFlags();
    QVERIFY(flags & Qt::CustomizeWindowHint);
    QVERIFY(flags & Qt::WindowTitleHint);
    QVERIFY(!(flags & (Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                       Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QVERIFY(dialog_checks::centredOnScreen(m_dialog));

    QCOMPARE(entry()->echoMode(), QLineEdit::Password);
    QCOMPARE(entry()->maxLength(), 16);
    QVERIFY(button("cmd_OK")->isDefault());
    QCOMPARE(button("HelpBtn")->text(), QStringLiteral("&Help"));
    for (const char *name : {"cmd_OK", "cmd_Cancel", "HelpBtn"}) {
        QVERIFY2(!button(name)->icon().isNull(), name);
        QVERIFY(button(name)->width() >= 70 && button(name)->height() >= 27);
    }
    QVERIFY(entry()->width() >= 249);
    QCOMPARE(dialog_checks::tabOrder(m_dialog),
             QStringList({"txt_PWord", "cmd_OK", "cmd_Cancel", "HelpBtn"}));
    QCOMPARE(dialog_checks::clippedTexts(m_dialog), QStringList());
}

// One dialog shown with each prompt in turn, as Encrypt shows it (the first prompt again after
// Retry) and then Decrypt: every showing takes the size of its prompt, fixed, and stands in
// the middle of the screen.
void TestPassphraseDialog::fittedAndCentredAtEveryPrompt() {
    const QString first = QStringLiteral("Enter a phrase to password-protect (if desired):");
    for (const QString &prompt :
         {first, QStringLiteral("Re-enter phrase to confirm:"), first,
          QStringLiteral("This text is password-protected.  Enter phrase:")}) {
        m_dialog->setPrompt(prompt);
        m_dialog->open();
        QVERIFY(QTest::qWaitForWindowExposed(m_dialog));
        QCOMPARE(m_dialog->minimumSize(), m_dialog->maximumSize());
        QCOMPARE(m_dialog->size(), m_dialog->sizeHint());
        QVERIFY2(dialog_checks::centredOnScreen(m_dialog), qPrintable(prompt));
        QCOMPARE(dialog_checks::clippedTexts(m_dialog), QStringList());
        m_dialog->accept();
    }
}

void TestPassphraseDialog::fontsOfTheForm() {
    m_dialog->open();
    QCOMPARE(m_dialog->font().family(), QStringLiteral("MS Sans Serif"));
    QCOMPARE(m_dialog->font().pointSize(), 8);
    QVERIFY(m_dialog->font().bold());
    QVERIFY(entry()->font().bold());
    QVERIFY(!m_dialog->findChild<QLabel *>("lab_PWord")->font().bold());
    for (const char *name : {"cmd_OK", "cmd_Cancel", "HelpBtn"})
        QVERIFY2(!button(name)->font().bold(), name);
}

// The topic is the one the method asking gives with its prompt; the prompt's words do not choose
// it. Until one is given, it is that of Encrypt's first prompt.
void TestPassphraseDialog::helpButtonJumpsToTopicGiven_data() {
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<QString>("given");
    QTest::addColumn<QString>("topic");

    QTest::newRow("first prompt of Encrypt") << "Enter a phrase to password-protect (if desired):"
                                             << "Help_Password1"
                                             << "Help_Password1";
    QTest::newRow("confirming prompt of Encrypt") << "Re-enter phrase to confirm:"
                                                  << "Help_Password3"
                                                  << "Help_Password3";
    QTest::newRow("prompt of Decrypt") << "This text is password-protected.  Enter phrase:"
                                       << "Help_Password2"
                                       << "Help_Password2";
    QTest::newRow("passphrase of an OpenPGP key")
        << "Enter the passphrase of the key Ann <ann@example.org> (1A2B3C4D)."
        << "Help_OpenPgp"
        << "Help_OpenPgp";
    QTest::newRow("words of another prompt") << "This text is password-protected.  Enter phrase:"
                                             << "Help_OpenPgp"
                                             << "Help_OpenPgp";
    QTest::newRow("none given") << "Re-enter phrase to confirm:"
                                << ""
                                << "Help_Password1";
}

void TestPassphraseDialog::helpButtonJumpsToTopicGiven() {
    QFETCH(QString, prompt);
    QFETCH(QString, given);
    QFETCH(QString, topic);

    m_dialog->setPrompt(prompt);
    if (!given.isEmpty())
        m_dialog->setHelpTopic(given);
    m_dialog->open();
    typeText(entry(), QStringLiteral("kept"));
    QTest::mouseClick(button("HelpBtn"), Qt::LeftButton);

    QVERIFY(platform::helpViewer());
    QVERIFY(platform::helpViewer()->widget()->isVisible());
    QCOMPARE(platform::helpViewer()->currentTopic(), topic);
    QVERIFY(m_dialog->isVisible());
    QCOMPARE(m_dialog->result(), 0);
    QCOMPARE(m_dialog->prompt(), prompt);
    QCOMPARE(entry()->text(), QStringLiteral("KEPT"));
    QCOMPARE(m_dialog->focusWidget(), entry());
}

void TestPassphraseDialog::helpViewerOutlivesDialog() {
    m_dialog->open();
    QTest::mouseClick(button("HelpBtn"), Qt::LeftButton);
    platform::HelpWindow *viewer = platform::helpViewer();
    QVERIFY(viewer);
    QVERIFY(!viewer->widget()->parent());

    delete m_dialog;
    m_dialog = nullptr;
    QCOMPARE(platform::helpViewer(), viewer);
    QVERIFY(viewer->widget()->isVisible());
}

void TestPassphraseDialog::helpViewerIsUsableWhileDialogWaits() {
    dialog_checks::checkHelpViewerUsableWhileWaiting<PassphraseDialog>("cmd_Cancel");
}

QTEST_MAIN(TestPassphraseDialog)
#include "tst_passphrase.moc"
