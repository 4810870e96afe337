// Every dialog and box that the window's commands open stands centred on the screen, whichever
// way it is opened (from the command itself, or asked for by a Method 02 Decrypt whose key is
// derived on a worker thread) and wherever the main window stands.
#include "CryptFixtures.h"

#include "tests/dialogs/DialogChecks.h"
#include "tests/support/ModalAnswerer.h"

#include "cipher/Lines.h"
#include "cipher/Method02.h"

#include <QApplication>
#include <QScreen>

using namespace crypt_fixtures;

class TestDialogPlaces : public QObject {
    Q_OBJECT
private slots:
    void centredOnTheScreen_data();
    void centredOnTheScreen();
};

void TestDialogPlaces::centredOnTheScreen_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("command");
    QTest::addColumn<QString>("dialog");
    // Small limits, so that writing the block spends no time deriving.
    cipher::method02::SealInputs inputs = cipher::method02::freshSealInputs();
    inputs.limits = {2, 64};
    const QByteArray method02 =
        asBytes(cipher::joinLines(cipher::method02::write("text", "p", inputs)));
    QTest::newRow("Encrypt's passphrase dialog")
        << QByteArray("abc") << QByteArray("Encrypt1") << "frm_PWord";
    QTest::newRow("the encoding-method dialog")
        << QByteArray("abc") << QByteArray("EncryptUsingMethod1") << "Tfrm_EncodeMethod";
    QTest::newRow("Method 02 Decrypt's passphrase dialog")
        << method02 << QByteArray("Decrypt1") << "frm_PWord";
    QTest::newRow("a message box") << QByteArray("abc") << QByteArray("Decrypt1") << "";
    QTest::newRow("the About box") << QByteArray() << QByteArray("About2") << "";
}

void TestDialogPlaces::centredOnTheScreen() {
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, command);
    QFETCH(QString, dialog);
    WindowUnderTest w;
    QVERIFY(w.ready());
    // The main window away from the middle, so that a dialog centred over it would not be.
    const QRect screen = w.window().screen()->availableGeometry();
    w.window().move(screen.topLeft() + QPoint(10, 10));
    w.editor()->setBytes(text.toStdString());
    QString shown;
    bool centred = false;
    ModalAnswerer answers;
    answers.then([&](QWidget *modal) {
        shown = modal->objectName();
        centred = dialog_checks::centredOnScreen(modal);
        modal->close();
    });
    w.action(command.constData())->trigger();
    QVERIFY(answers.done());
    if (!dialog.isEmpty())
        QCOMPARE(shown, dialog);
    QVERIFY(centred);
}

QTEST_MAIN(TestDialogPlaces)
#include "tst_dialogplaces.moc"
