// Tests of the encoding-method dialog: Method 01 at every showing, the chosen method after OK,
// the other ways out, the refusal without a choice, the layout, and the Help topic.
#include "DialogChecks.h"
#include "MarkingTranslator.h"
#include "ModalAnswerer.h"
#include "cipher/KeystreamMethods.h"
#include "dialogs/MethodDialog.h"
#include "platform/Beep.h"
#include "platform/Help.h"
#include "platform/HelpWindow.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

class TestEncodeMethodDialog : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void enterAtOnceGivesMethod01();
    void method00ThenMethod01AgainAtNextShowing();
    void otherWaysOutAreNotOk_data();
    void otherWaysOutAreNotOk();
    void okWithoutChoiceIsRefused();
    void layoutAndLook();
    void tabReachesTheSelectedChoice_data();
    void tabReachesTheSelectedChoice();
    void tabFromHelpReachesTheClickedChoice();
    void fontsOfTheForm();
    void everyWordGoesThroughTheCatalogue();
    void helpButtonKeepsChoiceAndFocus();
    void helpViewerIsUsableWhileDialogWaits();

private:
    QRadioButton *radio(const char *name) const {
        return m_dialog->findChild<QRadioButton *>(name);
    }
    QPushButton *button(const char *name) const { return m_dialog->findChild<QPushButton *>(name); }
    // Runs the dialog modally with one answer; its result.
    int runWith(const ModalAnswerer::Answer &answer);

    MethodDialog *m_dialog = nullptr;
};

void TestEncodeMethodDialog::initTestCase() {
    platform::setHelpFile(QStringLiteral("QVL.HLP"));
}

void TestEncodeMethodDialog::cleanupTestCase() {
    delete platform::helpViewer();
}

void TestEncodeMethodDialog::init() {
    m_dialog = new MethodDialog;
}

void TestEncodeMethodDialog::cleanup() {
    delete m_dialog;
    m_dialog = nullptr;
}

int TestEncodeMethodDialog::runWith(const ModalAnswerer::Answer &answer) {
    ModalAnswerer answerer;
    answerer.then(answer);
    const int result = m_dialog->exec();
    if (!answerer.done())
        qWarning("the dialog was never answered");
    return result;
}

void TestEncodeMethodDialog::enterAtOnceGivesMethod01() {
    const int result = runWith([](QWidget *modal) {
        QCOMPARE(modal->focusWidget()->objectName(), QStringLiteral("OKBtn"));
        QTest::keyClick(modal->focusWidget(), Qt::Key_Return);
    });
    QCOMPARE(result, int(QDialog::Accepted));
    QCOMPARE(m_dialog->chosenMethod(), &cipher::method01);
}

void TestEncodeMethodDialog::method00ThenMethod01AgainAtNextShowing() {
    int result = runWith([](QWidget *modal) {
        QTest::mouseClick(modal->findChild<QRadioButton *>("RadioButton1"), Qt::LeftButton);
        modal->findChild<QPushButton *>("OKBtn")->click();
    });
    QCOMPARE(result, int(QDialog::Accepted));
    QCOMPARE(m_dialog->chosenMethod(), &cipher::method00);

    m_dialog->open();
    QVERIFY(radio("RadioButton2")->isChecked());
    QVERIFY(!radio("RadioButton1")->isChecked());
    QCOMPARE(m_dialog->focusWidget(), button("OKBtn"));
    m_dialog->reject();

    // A fresh dialog, as Encrypt makes for every run, opens the same way.
    cleanup();
    init();
    result = runWith([](QWidget *modal) {
        QVERIFY(modal->findChild<QRadioButton *>("RadioButton2")->isChecked());
        QTest::keyClick(modal->focusWidget(), Qt::Key_Return);
    });
    QCOMPARE(result, int(QDialog::Accepted));
    QCOMPARE(m_dialog->chosenMethod(), &cipher::method01);
}

void TestEncodeMethodDialog::otherWaysOutAreNotOk_data() {
    dialog_checks::addWaysOutRows("CancelBtn");
}

void TestEncodeMethodDialog::otherWaysOutAreNotOk() {
    QFETCH(QString, way);
    const cipher::Method *before = m_dialog->chosenMethod();

    const int result = runWith([way](QWidget *modal) {
        QTest::mouseClick(modal->findChild<QRadioButton *>("RadioButton1"), Qt::LeftButton);
        dialog_checks::leaveBy(modal, way);
    });
    QVERIFY(result != QDialog::Accepted);
    QCOMPARE(m_dialog->chosenMethod(), before);
}

void TestEncodeMethodDialog::okWithoutChoiceIsRefused() {
    m_dialog->open();
    // The user cannot clear both choices; the refusal is the dialog's guard all the same.
    for (QRadioButton *choice : {radio("RadioButton1"), radio("RadioButton2")}) {
        choice->setAutoExclusive(false);
        choice->setChecked(false);
    }
    platform::clearRecordedBeeps();
    ModalAnswerer answerer;
    answerer.press("msg_OK");

    button("OKBtn")->click();

    QVERIFY(answerer.done());
    QCOMPARE(answerer.texts(), QStringList{"You must choose an encoding method."});
    QCOMPARE(answerer.titles(), QStringList{"Error"});
    QVERIFY(platform::recordedBeeps().empty());
    QVERIFY(m_dialog->isVisible());
    QCOMPARE(m_dialog->result(), 0);
}

void TestEncodeMethodDialog::layoutAndLook() {
    m_dialog->open();

    QCOMPARE(m_dialog->objectName(), QStringLiteral("Tfrm_EncodeMethod"));
    QCOMPARE(m_dialog->windowTitle(), QStringLiteral("Encoding Method"));
    QCOMPARE(m_dialog->minimumSize(), m_dialog->maximumSize());
    QVERIFY(m_dialog->windowFlags() & Qt::WindowCloseButtonHint);
    QVERIFY(
        !(m_dialog->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QVERIFY(dialog_checks::centredOnScreen(m_dialog));

    QCOMPARE(radio("RadioButton1")->text(), QStringLiteral("Method 00"));
    QCOMPARE(radio("RadioButton2")->text(), QStringLiteral("Method 01"));
    QCOMPARE(radio("RadioButton3")->text(), QStringLiteral("Method 02"));
    QStringList labels;
    for (const QLabel *label : m_dialog->findChildren<QLabel *>())
        labels << label->text();
    QCOMPARE(labels, QStringList({"Requires version 1.0 or higher to decrypt.",
                                  "Requires version 1.1 or higher to decrypt.",
                                  "Strong protection.  Requires version 2.00 or higher to "
                                  "decrypt."}));
    QCOMPARE(button("HelpBtn")->text(), QStringLiteral("&Help"));
    QCOMPARE(button("CancelBtn")->text(), QStringLiteral("Cancel"));
    QCOMPARE(button("OKBtn")->text(), QStringLiteral("OK"));
    QVERIFY(button("OKBtn")->isDefault());
    for (const char *name : {"OKBtn", "CancelBtn", "HelpBtn"}) {
        QVERIFY2(!button(name)->icon().isNull(), name);
        QVERIFY(button(name)->width() >= 70 && button(name)->height() >= 27);
    }
    QCOMPARE(dialog_checks::clippedTexts(m_dialog), QStringList());
}

void TestEncodeMethodDialog::tabReachesTheSelectedChoice_data() {
    QTest::addColumn<int>("arrow");         // pressed on the selected choice first; 0 for none
    QTest::addColumn<QStringList>("order"); // the chosen one first when an arrow was pressed
    QTest::newRow("Method 01 as the dialog opens")
        << 0 << QStringList{"OKBtn", "CancelBtn", "HelpBtn", "RadioButton2"};
    QTest::newRow("Method 00 chosen by the arrow key")
        << int(Qt::Key_Up) << QStringList{"RadioButton1", "OKBtn", "CancelBtn", "HelpBtn"};
    QTest::newRow("Method 02 chosen by the arrow key")
        << int(Qt::Key_Down) << QStringList{"RadioButton3", "OKBtn", "CancelBtn", "HelpBtn"};
}

// The selected choice is the group's one tab stop; the others are reached by the arrow keys.
void TestEncodeMethodDialog::tabReachesTheSelectedChoice() {
    QFETCH(int, arrow);
    QFETCH(QStringList, order);
    m_dialog->open();
    QVERIFY(QTest::qWaitForWindowActive(m_dialog));
    if (arrow != 0) {
        radio("RadioButton2")->setFocus();
        QTest::keyClick(radio("RadioButton2"), Qt::Key(arrow));
        QVERIFY(radio(qPrintable(order.front()))->isChecked());
    }
    QCOMPARE(dialog_checks::tabOrder(m_dialog), order);
}

// Whichever choice is selected, by the mouse too, Tab from Help goes to it and to no other.
void TestEncodeMethodDialog::tabFromHelpReachesTheClickedChoice() {
    m_dialog->open();
    QVERIFY(QTest::qWaitForWindowActive(m_dialog));
    for (const char *choice : {"RadioButton3", "RadioButton1", "RadioButton2"}) {
        QTest::mouseClick(radio(choice), Qt::LeftButton);
        button("HelpBtn")->setFocus();
        QCOMPARE(dialog_checks::tabOrder(m_dialog),
                 QStringList({"HelpBtn", choice, "OKBtn", "CancelBtn"}));
    }
}

// The methods' captions and notes come from the method table in English: they are looked up
// among the system's words.
void TestEncodeMethodDialog::everyWordGoesThroughTheCatalogue() {
    const MarkingTranslator marking;
    const MethodDialog dialog;
    QCOMPARE(unmarkedTexts(&dialog), QStringList());
    QCOMPARE(dialog.findChild<QRadioButton *>("RadioButton2")->text(),
             "{Words}" + QString::fromUtf8(cipher::method01.name));
    QStringList labels;
    for (const QLabel *label : dialog.findChildren<QLabel *>())
        labels << label->text();
    QVERIFY(labels.contains("{Words}" + QString::fromUtf8(cipher::method01.note)));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("{MethodDialog}Encoding Method"));
}

void TestEncodeMethodDialog::fontsOfTheForm() {
    m_dialog->open();
    QCOMPARE(m_dialog->font().family(), QStringLiteral("MS Sans Serif"));
    QVERIFY(radio("RadioButton1")->font().bold());
    QVERIFY(radio("RadioButton2")->font().bold());
    for (const QLabel *label : m_dialog->findChildren<QLabel *>())
        QVERIFY2(!label->font().bold(), qPrintable(label->text()));
    for (const char *name : {"OKBtn", "CancelBtn", "HelpBtn"})
        QVERIFY2(!button(name)->font().bold(), name);
}

void TestEncodeMethodDialog::helpButtonKeepsChoiceAndFocus() {
    m_dialog->open();
    QTest::mouseClick(radio("RadioButton1"), Qt::LeftButton);
    QWidget *focus = m_dialog->focusWidget();

    QTest::mouseClick(button("HelpBtn"), Qt::LeftButton);

    QVERIFY(platform::helpViewer());
    QCOMPARE(platform::helpViewer()->currentTopic(), QStringLiteral("Help_EncodingMethod"));
    QVERIFY(m_dialog->isVisible());
    QCOMPARE(m_dialog->result(), 0);
    QVERIFY(radio("RadioButton1")->isChecked());
    QCOMPARE(m_dialog->focusWidget(), focus);
}

void TestEncodeMethodDialog::helpViewerIsUsableWhileDialogWaits() {
    dialog_checks::checkHelpViewerUsableWhileWaiting<MethodDialog>("CancelBtn");
}

QTEST_MAIN(TestEncodeMethodDialog)
#include "tst_encodemethod.moc"
