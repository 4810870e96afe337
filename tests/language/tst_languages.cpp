// The window in the language the test runs in (LANGUAGE, set by ctest for each language offered,
// or the C locale): every menu, bar, dialog and message box shows its words whole, in that
// language, and the C locale keeps the English words.
#include "tests/crypt/CryptFixtures.h"
#include "tests/dialogs/DialogChecks.h"

#include "ModalAnswerer.h"
#include "cipher/Messages.h"
#include "dialogs/RecipientsDialog.h"
#include "editor/window/UserLanguage.h"
#include "openpgp/Words.h"
#include "platform/Help.h"
#include "platform/HelpWindow.h"
#include "platform/Language.h"
#include "platform/MessageBox.h"
#include "platform/SystemWords.h"

#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>

namespace {

// The language ctest asks for: "de", "pt_BR", or empty for English.
QString expectedLanguage() {
    return qEnvironmentVariable("SHROUD_EXPECTED_LANGUAGE");
}

const std::vector<cipher::RecipientKey> keyring{
    {"0123456789ABCDEF0123456789ABCDEF01234567",
     {"Ann Example <ann@example.org>"},
     false,
     cipher::KeyValidity::Full},
    {"1111222233334444555566667777888899990000", {"Zoë Ürgüp <zoe@example.org>"}, true},
};

// Fails naming the texts of the widget that do not fit their controls.
void checkWhole(const QWidget *widget) {
    const QStringList clipped = dialog_checks::clippedTexts(widget);
    QVERIFY2(
        clipped.isEmpty(),
        qPrintable(
            QStringLiteral("clipped in %1: %2").arg(widget->objectName(), clipped.join(", "))));
}

// Runs the window's command and checks each modal widget it opens in turn, then leaves it by
// `leave` (the last one by Escape).
void checkDialogsOf(WindowUnderTest &w, const char *command,
                    const QList<std::function<void(QWidget *)>> &leaves) {
    ModalAnswerer answerer;
    for (const auto &leave : leaves)
        answerer.then([leave](QWidget *dialog) {
            checkWhole(dialog);
            leave(dialog);
        });
    w.action(command)->trigger();
    QVERIFY2(answerer.done(), "a dialog of the command did not open");
}

void escape(QWidget *dialog) {
    QTest::keyClick(dialog->focusWidget(), Qt::Key_Escape);
}

// The About box answers only OK and its frame.
void closeFrame(QWidget *dialog) {
    dialog->close();
}

std::function<void(QWidget *)> typeAndEnter(const QString &phrase) {
    return [phrase](QWidget *dialog) {
        dialog_checks::typeText(dialog->focusWidget(), phrase);
        QTest::keyClick(dialog->focusWidget(), Qt::Key_Return);
    };
}

} // namespace

class TestLanguages : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void wordsAreTheLanguages();
    void menusAndBarsShowWholeTexts();
    void dialogsShowWholeTexts_data();
    void dialogsShowWholeTexts();
    void recipientsDialogShowsWholeTexts();
    void messageBoxesShowWholeTexts_data();
    void messageBoxesShowWholeTexts();
    void helpViewerShowsWholeTexts();
};

void TestLanguages::initTestCase() {
    speakUserLanguage();
    platform::setHelpFile(QStringLiteral("QVL.HLP"));
    QCOMPARE(platform::chosenLanguage(), expectedLanguage());
}

// The words come from the language's catalogue: a menu, the system's sentences, and numbers in
// the language's digits; without one, the English stands byte for byte.
void TestLanguages::wordsAreTheLanguages() {
    WindowUnderTest w;
    const QString help = w.find<QMenu>("Help1")->title();
    const QString tooLong = platform::systemWords(cipher::messages::textTooLong);
    if (expectedLanguage().isEmpty()) {
        QCOMPARE(help, QStringLiteral("&Help"));
        QCOMPARE(tooLong, QString::fromLatin1(cipher::messages::textTooLong));
        return;
    }
    QVERIFY(help != QStringLiteral("&Help"));
    // Qt's own dialogs speak it from Qt's catalogue.
    QVERIFY(QCoreApplication::translate("QFileDialog", "Look in:") != u"Look in:");
    // A sentence composed of sentences: the key's name within the signature's words.
    const std::string signer =
        cipher::words::composed(openpgp::words::namedKey, {"Ann <ann@example.org>", "1234 5678"});
    const QString good =
        platform::systemWords(cipher::words::composed(openpgp::words::goodSignature, {signer}));
    QVERIFY2(!good.contains(u"Good signature") && !good.contains(u"(fingerprint"),
             qPrintable(good));
    QVERIFY2(good.contains(u"Ann <ann@example.org>") && good.contains(u"1234 5678"),
             qPrintable(good));
    QVERIFY2(tooLong.contains(QLocale().toString(22528)), qPrintable(tooLong));
    QVERIFY(tooLong != QString::fromLatin1(cipher::messages::textTooLong));
}

// Every menu stands in the menu bar, and the status bar's panels show their words whole.
void TestLanguages::menusAndBarsShowWholeTexts() {
    WindowUnderTest w;
    QVERIFY(w.ready());
    w.editor()->setBytes(std::string(1234, 'a'));
    w.editor()->selectAll();
    QMenuBar *bar = w.window().menuBar();
    for (QAction *menu : bar->actions())
        QVERIFY2(bar->rect().contains(bar->actionGeometry(menu)), qPrintable(menu->text()));
    checkWhole(w.window().statusBar());
    for (QToolBar *tools : w.window().findChildren<QToolBar *>())
        checkWhole(tools);
}

void TestLanguages::dialogsShowWholeTexts_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("command");
    QTest::addColumn<QList<std::function<void(QWidget *)>>>("leaves");
    const auto methodTwo = [](QWidget *dialog) {
        dialog->findChild<QRadioButton *>(QStringLiteral("RadioButton3"))->click();
        QTest::keyClick(dialog->focusWidget(), Qt::Key_Return);
    };
    const QByteArray block = QByteArray::fromStdString(crypt_fixtures::blockOf("abc", "x"));
    QTest::newRow("About") << QByteArray() << QByteArray("About2")
                           << QList<std::function<void(QWidget *)>>{closeFrame};
    QTest::newRow("method") << QByteArray("abc") << QByteArray("EncryptUsingMethod1")
                            << QList<std::function<void(QWidget *)>>{escape};
    QTest::newRow("Method 02 phrase") << QByteArray("abc") << QByteArray("EncryptUsingMethod1")
                                      << QList<std::function<void(QWidget *)>>{methodTwo, escape};
    QTest::newRow("new and confirmed phrase")
        << QByteArray("abc") << QByteArray("Encrypt1")
        << QList<std::function<void(QWidget *)>>{typeAndEnter(QStringLiteral("x")), escape};
    QTest::newRow("phrase of a block")
        << block << QByteArray("Decrypt1") << QList<std::function<void(QWidget *)>>{escape};
}

void TestLanguages::dialogsShowWholeTexts() {
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, command);
    QFETCH(QList<std::function<void(QWidget *)>>, leaves);
    WindowUnderTest w;
    w.editor()->setBytes(text.toStdString());
    checkDialogsOf(w, command.constData(), leaves);
}

void TestLanguages::recipientsDialogShowsWholeTexts() {
    RecipientsDialog dialog(keyring, nullptr);
    dialog.offerSigning(keyring.back(), {}, true);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    checkWhole(&dialog);
}

void TestLanguages::messageBoxesShowWholeTexts_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<platform::MessageKind>("kind");
    QTest::addColumn<platform::MessageButtons>("buttons");
    using namespace platform;
    const QString question = systemWords(cipher::messages::alreadyEncrypted);
    const QString refusal = systemWords(cipher::messages::wrongPhrase);
    QTest::newRow("Yes No") << question << MessageKind::Confirmation << MessageButtons(Yes | No);
    QTest::newRow("Yes No Cancel")
        << question << MessageKind::Confirmation << MessageButtons(Yes | No | Cancel);
    QTest::newRow("OK") << systemWords(cipher::messages::textTooLong) << MessageKind::Error
                        << MessageButtons(Ok);
    QTest::newRow("OK Cancel") << question << MessageKind::Warning << MessageButtons(Ok | Cancel);
    QTest::newRow("Retry Cancel") << refusal << MessageKind::Error
                                  << MessageButtons(Retry | Cancel);
    QTest::newRow("note") << systemWords(cipher::messages::checksumAbsent)
                          << MessageKind::Information << MessageButtons(Ok);
}

void TestLanguages::messageBoxesShowWholeTexts() {
    QFETCH(QString, text);
    QFETCH(platform::MessageKind, kind);
    QFETCH(platform::MessageButtons, buttons);
    ModalAnswerer answerer;
    answerer.then([](QWidget *box) {
        checkWhole(box);
        box->close();
    });
    platform::showMessageBox(nullptr, text, kind, buttons);
    QVERIFY(answerer.done());
}

void TestLanguages::helpViewerShowsWholeTexts() {
    WindowUnderTest w;
    w.action("Contents1")->trigger();
    platform::HelpWindow *viewer = platform::helpViewer();
    QVERIFY(viewer != nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(viewer->widget()));
    checkWhole(viewer->widget());
    viewer->widget()->close();
}

QTEST_MAIN(TestLanguages)
#include "tst_languages.moc"
