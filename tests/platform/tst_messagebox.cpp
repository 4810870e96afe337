// The message box: titles, button order, Enter, Escape and frame-close answers; the
// application-level error box and the guard around handlers; beeps and the wait cursor.
#include "MarkingTranslator.h"
#include "ModalAnswerer.h"
#include "platform/Beep.h"
#include "platform/Failure.h"
#include "platform/MessageBox.h"
#include "platform/WaitCursor.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace platform;

class TestMessageBox : public QObject {
    Q_OBJECT
private slots:
    void answers_data();
    void answers();
    void titlesByKind_data();
    void titlesByKind();
    void buttonsStandInFixedOrder();
    void titlesAndButtonsGoThroughTheCatalogue();
    void frameOffersTitleAndClose_data();
    void frameOffersTitleAndClose();
    void longUnbrokenTextStaysOnScreen();
    void applicationErrorBoxAddsFullStop();
    void guardShowsFailureAndGoesOn();
    void guardShowsTheSystemsWordsInTheUsersLanguage();
    void beepsAreRecordedByKind();
    void beepSoundsBeforeItsBox_data();
    void beepSoundsBeforeItsBox();
    void waitCursorRestoresOnEveryPath();
};

void TestMessageBox::answers_data() {
    QTest::addColumn<unsigned>("buttons");
    QTest::addColumn<int>("how"); // 0 Enter, 1 Escape, 2 frame close
    QTest::addColumn<unsigned>("expected");
    QTest::newRow("OK, Enter") << unsigned(Ok) << 0 << unsigned(Ok);
    QTest::newRow("OK, Escape") << unsigned(Ok) << 1 << unsigned(Ok);
    QTest::newRow("OK, close") << unsigned(Ok) << 2 << unsigned(Cancel);
    QTest::newRow("Yes/No, Enter") << unsigned(Yes | No) << 0 << unsigned(Yes);
    QTest::newRow("Yes/No, Escape") << unsigned(Yes | No) << 1 << unsigned(No);
    QTest::newRow("Yes/No, close answers No") << unsigned(Yes | No) << 2 << unsigned(No);
    QTest::newRow("Cancel/Retry, Enter") << unsigned(Cancel | Retry) << 0 << unsigned(Retry);
    QTest::newRow("Cancel/Retry, Escape") << unsigned(Cancel | Retry) << 1 << unsigned(Cancel);
    QTest::newRow("Cancel/Retry, close") << unsigned(Cancel | Retry) << 2 << unsigned(Cancel);
}

void TestMessageBox::answers() {
    QFETCH(unsigned, buttons);
    QFETCH(int, how);
    QFETCH(unsigned, expected);
    ModalAnswerer answerer;
    if (how == 0)
        answerer.key(Qt::Key_Return);
    else if (how == 1)
        answerer.key(Qt::Key_Escape);
    else
        answerer.closeFrame();
    const MessageButton answer =
        showMessageBox(nullptr, QStringLiteral("Question?"), MessageKind::Confirmation, buttons);
    QCOMPARE(unsigned(answer), expected);
    QCOMPARE(answerer.texts(), QStringList{QStringLiteral("Question?")});
}

void TestMessageBox::titlesByKind_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("title");
    QTest::newRow("warning") << int(MessageKind::Warning) << "Warning";
    QTest::newRow("error") << int(MessageKind::Error) << "Error";
    QTest::newRow("information") << int(MessageKind::Information) << "Information";
    QTest::newRow("confirmation") << int(MessageKind::Confirmation) << "Confirm";
}

void TestMessageBox::titlesByKind() {
    QFETCH(int, kind);
    QFETCH(QString, title);
    ModalAnswerer answerer;
    answerer.press(QStringLiteral("msg_OK"));
    QCOMPARE(showMessageBox(nullptr, QStringLiteral("x"), MessageKind(kind), Ok), Ok);
    QCOMPARE(answerer.titles(), QStringList{title});
}

void TestMessageBox::buttonsStandInFixedOrder() {
    QStringList captions;
    ModalAnswerer answerer;
    answerer.then([&](QWidget *box) {
        QList<QPushButton *> buttons = box->findChildren<QPushButton *>();
        std::sort(buttons.begin(), buttons.end(), [](auto *a, auto *b) { return a->x() < b->x(); });
        for (QPushButton *b : buttons)
            captions << b->text();
        box->findChild<QPushButton *>(QStringLiteral("msg_Retry"))->click();
    });
    const MessageButtons all = Retry | Cancel | Ok | No | Yes;
    QCOMPARE(showMessageBox(nullptr, QStringLiteral("x"), MessageKind::Information, all), Retry);
    QCOMPARE(captions, (QStringList{"&Yes", "&No", "OK", "Cancel", "&Retry"}));
}

// Every kind's title and every button's caption; only the message itself is the caller's.
void TestMessageBox::titlesAndButtonsGoThroughTheCatalogue() {
    const MarkingTranslator marking;
    QStringList unmarked;
    ModalAnswerer answerer;
    const MessageButtons all = Retry | Cancel | Ok | No | Yes;
    for (const MessageKind kind : {MessageKind::Warning, MessageKind::Error,
                                   MessageKind::Information, MessageKind::Confirmation}) {
        answerer.then([&](QWidget *box) {
            unmarked << unmarkedTexts(box);
            box->findChild<QPushButton *>(QStringLiteral("msg_OK"))->click();
        });
        showMessageBox(nullptr, QStringLiteral("x"), kind, all);
    }
    QVERIFY(answerer.done());
    QCOMPARE(unmarked, QStringList(4, QStringLiteral("x")));
    QCOMPARE(answerer.titles(), (QStringList{"{MessageBox}Warning", "{MessageBox}Error",
                                             "{MessageBox}Information", "{MessageBox}Confirm"}));
}

void TestMessageBox::frameOffersTitleAndClose_data() {
    QTest::addColumn<unsigned>("buttons");
    QTest::addColumn<bool>("closeButton");
    QTest::newRow("OK") << unsigned(Ok) << true;
    QTest::newRow("Cancel/Retry") << unsigned(Cancel | Retry) << true;
    QTest::newRow("Yes/No has no close button") << unsigned(Yes | No) << false;
}

// The window manager is told exactly which buttons the frame has: never minimise or maximise.
void TestMessageBox::frameOffersTitleAndClose() {
    QFETCH(unsigned, buttons);
    QFETCH(bool, closeButton);
    Qt::WindowFlags flags;
    ModalAnswerer answerer;
    answerer.then([&](QWidget *box) {
        flags = box->windowFlags();
        QTest::keyClick(box->focusWidget(), Qt::Key_Escape);
    });
    showMessageBox(nullptr, QStringLiteral("x"), MessageKind::Confirmation, buttons);
    QVERIFY(answerer.done());
    QVERIFY(flags.testFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint));
    QCOMPARE(flags.testFlag(Qt::WindowCloseButtonHint), closeButton);
    QVERIFY(!(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
}

// A file name of 300 characters without a blank wraps inside the box, and every character of
// it is still shown.
void TestMessageBox::longUnbrokenTextStaysOnScreen() {
    const QString text = QStringLiteral("Cannot open file /") + QString(300, u'x') + u'.';
    int width = 0;
    QString shown;
    ModalAnswerer answerer;
    answerer.then([&](QWidget *box) {
        width = box->width();
        shown = box->findChild<QLabel *>(QStringLiteral("msg_Text"))->text();
        box->close();
    });
    showMessageBox(nullptr, text, MessageKind::Error, Ok);
    QVERIFY(answerer.done());
    QVERIFY2(width < 700, qPrintable(QString::number(width)));
    QCOMPARE(shown.remove(QChar(0x200B)), text);
}

void TestMessageBox::applicationErrorBoxAddsFullStop() {
    ModalAnswerer answerer;
    answerer.key(Qt::Key_Return);
    showApplicationErrorBox(QStringLiteral("Stream write error"));
    QCOMPARE(answerer.titles(), QStringList{"Shroud-a-Pad"});
    QCOMPARE(answerer.texts(), QStringList{"Stream write error."});
}

void TestMessageBox::guardShowsFailureAndGoesOn() {
    ModalAnswerer answerer;
    answerer.press(QStringLiteral("msg_OK")).press(QStringLiteral("msg_OK"));
    bool after = false;
    runGuarded([&] {
        throw Failure(QStringLiteral("Cannot open file /nowhere/x.txt"));
        after = true;
    });
    runGuarded([] { throw std::overflow_error("Integer overflow"); });
    QVERIFY(!after);
    QCOMPARE(answerer.texts(),
             (QStringList{"Cannot open file /nowhere/x.txt.", "Integer overflow."}));
    bool ran = false;
    runGuarded([&] { ran = true; });
    QVERIFY(ran);
}

// A refusal that the cipher's or GnuPG's side throws in English is looked up among the
// system's words; the program's own failures come translated already.
void TestMessageBox::guardShowsTheSystemsWordsInTheUsersLanguage() {
    const MarkingTranslator marking;
    ModalAnswerer answerer;
    answerer.press(QStringLiteral("msg_OK")).press(QStringLiteral("msg_OK"));
    runGuarded([] { throw std::runtime_error("The key has expired"); });
    runGuarded([] { throw Failure(QStringLiteral("Datei /x kann nicht geöffnet werden")); });
    QCOMPARE(answerer.texts(),
             (QStringList{"{Words}The key has expired.", "Datei /x kann nicht geöffnet werden."}));
}

void TestMessageBox::beepsAreRecordedByKind() {
    clearRecordedBeeps();
    messageBeep(BeepKind::Hand);
    messageBeep(BeepKind::Question);
    messageBeep(BeepKind::Exclamation);
    const std::vector<BeepKind> expected{BeepKind::Hand, BeepKind::Question, BeepKind::Exclamation};
    QVERIFY(recordedBeeps() == expected);
    QCOMPARE(int(recordedBeeps().front()), 16);
}

void TestMessageBox::beepSoundsBeforeItsBox_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("beep");
    QTest::newRow("warning") << int(MessageKind::Warning) << 48;
    QTest::newRow("error") << int(MessageKind::Error) << 16;
    QTest::newRow("information, no beep") << int(MessageKind::Information) << 0;
    QTest::newRow("confirmation") << int(MessageKind::Confirmation) << 32;
}

// The beep of the box's own kind, already sounded when the box appears; the box answers.
void TestMessageBox::beepSoundsBeforeItsBox() {
    QFETCH(int, kind);
    QFETCH(int, beep);
    clearRecordedBeeps();
    std::vector<BeepKind> heardWhenShown;
    ModalAnswerer answerer;
    answerer.then([&](QWidget *box) {
        heardWhenShown = recordedBeeps();
        QTest::keyClick(box->focusWidget(), Qt::Key_Escape);
    });
    QCOMPARE(beepAndShowMessageBox(nullptr, QStringLiteral("x"), MessageKind(kind), Yes | No), No);
    QVERIFY(answerer.done());
    const std::vector<BeepKind> expected =
        beep == 0 ? std::vector<BeepKind>{} : std::vector<BeepKind>{BeepKind(beep)};
    QVERIFY(heardWhenShown == expected);
    QVERIFY(recordedBeeps() == heardWhenShown);
}

void TestMessageBox::waitCursorRestoresOnEveryPath() {
    try {
        WaitCursor busy;
        QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        throw std::runtime_error("x");
    } catch (const std::runtime_error &) {
    }
    QVERIFY(!QApplication::overrideCursor());
    {
        WaitCursor busy;
        busy.release();
        QVERIFY(!QApplication::overrideCursor());
    }
    QVERIFY(!QApplication::overrideCursor());
}

QTEST_MAIN(TestMessageBox)
#include "tst_messagebox.moc"
