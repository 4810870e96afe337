// The editing commands through the menu, their shortcuts and the tool buttons: refusals with
// their beeps and texts, the question of New, Undo's one level, the clipboard commands, a
// failure inside a handler, and Exit.
#include "ModalAnswerer.h"
#include "WindowUnderTest.h"

#include "platform/Beep.h"
#include "platform/Clipboard.h"
#include "platform/Failure.h"
#include "tests/crypt/CryptFixtures.h"
#include "tests/startup/PrivateConfig.h"

#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QMenu>
#include <QMimeData>
#include <QTimer>

using namespace std::string_literals;
using platform::BeepKind;

namespace {

void select(TextEditor *editor, int from, int to) {
    QTextCursor cursor = editor->textCursor();
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    editor->setTextCursor(cursor);
}

bool beepsWere(std::initializer_list<BeepKind> kinds) {
    return platform::recordedBeeps() == std::vector<BeepKind>(kinds);
}

// Puts the clipboard in one of the states the refusals care about.
void setClipboard(const QString &state) {
    QClipboard *clipboard = QGuiApplication::clipboard();
    if (state == QLatin1String("empty"))
        clipboard->clear();
    else if (state == QLatin1String("picture"))
        clipboard->setImage(QImage(8, 8, QImage::Format_RGB32));
    else
        clipboard->setText(state);
}

} // namespace

class TestEditCommands : public QObject {
    Q_OBJECT
private slots:
    void init();

    void refusals_data();
    void refusals();
    void shortcutsReachTheMenu_data();
    void shortcutsReachTheMenu();
    void keysNoMenuItemHoldsStayTheEditors();
    void newAsks_data();
    void newAsks();
    void newOnEmptyTextAsksNothing();
    void undoTakesBackAndBringsBack();
    void firstEditAfterUndoIsAStepOfItsOwn_data();
    void firstEditAfterUndoIsAStepOfItsOwn();
    void undoRefusedAfterNew();
    void cutMovesTheSelection();
    void copyChangesNothing();
    void copiedTextIsMarkedSecret_data();
    void copiedTextIsMarkedSecret();
    void othersClipboardTextStaysAtShutdown();
    void pasteIntoEmptyEditor();
    void deleteLeavesTheClipboard();
    void selectAllThenDelete();
    void toolButtonsRunTheSameCommands();
    void pasteFromEmptyClipboardLeavesProgramRunning();
    void failureInHandlerReachesErrorBox();
    void exitEndsTheEventLoop();
};

void TestEditCommands::init() {
    platform::clearRecordedBeeps();
    QGuiApplication::clipboard()->setText(QStringLiteral("clip"));
}

void TestEditCommands::refusals_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("message");
    QTest::newRow("Undo") << "Undo1"
                          << "clip"
                          << "No action can be undone at this time.";
    QTest::newRow("Cut") << "Cut1"
                         << "clip"
                         << "You must select some text to cut to the clipboard.";
    QTest::newRow("Copy") << "Copy1"
                          << "clip"
                          << "You must select some text to copy to the clipboard.";
    QTest::newRow("Delete") << "Delete1"
                            << "clip"
                            << "You must select some text to delete.";
    QTest::newRow("Paste, empty clipboard") << "Paste1"
                                            << "empty"
                                            << "The clipboard contains no text that can be pasted.";
    QTest::newRow("Paste, a picture") << "Paste1"
                                      << "picture"
                                      << "The clipboard contains no text that can be pasted.";
}

// With a caret and nothing selected: the stop beep, the error box, and nothing changed.
void TestEditCommands::refusals() {
    QFETCH(QString, command);
    QFETCH(QString, clipboard);
    QFETCH(QString, message);
    WindowUnderTest w;
    w.editor()->setBytes("some text");
    w.editor()->moveCursor(QTextCursor::End);
    setClipboard(clipboard);
    ModalAnswerer answerer;
    answerer.press(QStringLiteral("msg_OK"));
    w.action(qPrintable(command))->trigger();
    QVERIFY(answerer.done());
    QCOMPARE(answerer.texts(), QStringList{message});
    QCOMPARE(answerer.titles(), QStringList{QStringLiteral("Error")});
    QVERIFY(beepsWere({BeepKind::Hand}));
    QCOMPARE(w.bytes(), "some text"s);
    QCOMPARE(w.editor()->textCursor().position(), 9);
    QCOMPARE(w.sizeCaption(), QStringLiteral(" 9 bytes"));
}

void TestEditCommands::shortcutsReachTheMenu_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("message");
    QTest::newRow("Ctrl+X") << int(Qt::Key_X)
                            << "You must select some text to cut to the clipboard.";
    QTest::newRow("Ctrl+C") << int(Qt::Key_C)
                            << "You must select some text to copy to the clipboard.";
    QTest::newRow("Ctrl+V") << int(Qt::Key_V)
                            << "The clipboard contains no text that can be pasted.";
    QTest::newRow("Ctrl+Z") << int(Qt::Key_Z) << "No action can be undone at this time.";
    QTest::newRow("Ctrl+Del") << int(Qt::Key_Delete) << "You must select some text to delete.";
}

// The keys go to the editor, which has the focus; the menu's commands answer them with their
// refusals, though the matching tool buttons are disabled.
void TestEditCommands::shortcutsReachTheMenu() {
    QFETCH(int, key);
    QFETCH(QString, message);
    WindowUnderTest w;
    QVERIFY(w.ready());
    w.editor()->setBytes("word word");
    QGuiApplication::clipboard()->clear();
    ModalAnswerer answerer;
    answerer.press(QStringLiteral("msg_OK"));
    QTest::keyClick(w.editor(), Qt::Key(key), Qt::ControlModifier);
    QVERIFY(answerer.done());
    QCOMPARE(answerer.texts(), QStringList{message});
    QVERIFY(beepsWere({BeepKind::Hand}));
    QCOMPARE(w.bytes(), "word word"s);
}

void TestEditCommands::keysNoMenuItemHoldsStayTheEditors() {
    WindowUnderTest w;
    QVERIFY(w.ready());
    QTest::keyClicks(w.editor(), "abc");
    QTest::keyClick(w.editor(), Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(w.sizeCaption(), QStringLiteral(" 3 bytes, 3 bytes selected"));
    QTest::keyClick(w.editor(), Qt::Key_Insert, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("abc"));
    QTest::keyClick(w.editor(), Qt::Key_Delete, Qt::ShiftModifier);
    QCOMPARE(w.bytes(), ""s);
    QTest::keyClick(w.editor(), Qt::Key_Insert, Qt::ShiftModifier);
    QTest::keyClick(w.editor(), Qt::Key_Insert, Qt::ShiftModifier);
    QCOMPARE(w.bytes(), "abcabc"s);
    QVERIFY(platform::recordedBeeps().empty());
}

void TestEditCommands::newAsks_data() {
    QTest::addColumn<QString>("answer"); // a button's objectName, "Escape" or "frame"
    QTest::addColumn<bool>("emptied");
    QTest::newRow("Yes") << "msg_Yes" << true;
    QTest::newRow("No") << "msg_No" << false;
    QTest::newRow("Escape answers No") << "Escape" << false;
    QTest::newRow("Enter answers Yes") << "Enter" << true;
    QTest::newRow("closed by the frame answers No") << "frame" << false;
}

void TestEditCommands::newAsks() {
    QFETCH(QString, answer);
    QFETCH(bool, emptied);
    WindowUnderTest w;
    QVERIFY(w.ready());
    QTest::keyClicks(w.editor(), "abcdef");
    select(w.editor(), 1, 3);
    ModalAnswerer answerer;
    if (answer == QLatin1String("Escape"))
        answerer.key(Qt::Key_Escape);
    else if (answer == QLatin1String("Enter"))
        answerer.key(Qt::Key_Return);
    else if (answer == QLatin1String("frame"))
        answerer.closeFrame();
    else
        answerer.press(answer);
    w.action("New1")->trigger();
    QVERIFY(answerer.done());
    QCOMPARE(answerer.texts(), QStringList{QStringLiteral("Clear text for new document?")});
    QCOMPARE(answerer.titles(), QStringList{QStringLiteral("Confirm")});
    QVERIFY(beepsWere({BeepKind::Question}));
    if (emptied) {
        QCOMPARE(w.bytes(), ""s);
        QCOMPARE(w.sizeCaption(), QStringLiteral(" 0 bytes"));
        QVERIFY(!w.editor()->canUndo());
        QVERIFY(!w.button("btn_Undo")->isEnabled());
    } else {
        QCOMPARE(w.bytes(), "abcdef"s);
        QCOMPARE(w.editor()->selectionByteLength(), 2);
        QVERIFY(w.editor()->canUndo());
    }
}

// Emptied by typing, the text could be brought back by Undo; New asks nothing and leaves
// nothing to undo.
void TestEditCommands::newOnEmptyTextAsksNothing() {
    WindowUnderTest w;
    QVERIFY(w.ready());
    QTest::keyClicks(w.editor(), "ab");
    QTest::keyClick(w.editor(), Qt::Key_Backspace);
    QTest::keyClick(w.editor(), Qt::Key_Backspace);
    QVERIFY(w.editor()->canUndo());
    QTest::keyClick(w.editor(), Qt::Key_N, Qt::ControlModifier);
    QVERIFY(platform::recordedBeeps().empty());
    QCOMPARE(w.sizeCaption(), QStringLiteral(" 0 bytes"));
    QVERIFY(!w.editor()->canUndo());
    QVERIFY(!w.button("btn_Undo")->isEnabled());
}

void TestEditCommands::undoTakesBackAndBringsBack() {
    WindowUnderTest w;
    QVERIFY(w.ready());
    QTest::keyClicks(w.editor(), "hello");
    for (int round = 0; round < 2; ++round) {
        QTest::keyClick(w.editor(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(w.bytes(), ""s);
        QCOMPARE(w.sizeCaption(), QStringLiteral(" 0 bytes"));
        QVERIFY(w.button("btn_Undo")->isEnabled());
        w.action("Undo1")->trigger();
        QCOMPARE(w.bytes(), "hello"s);
        QCOMPARE(w.sizeCaption(), QStringLiteral(" 5 bytes"));
    }
    QVERIFY(platform::recordedBeeps().empty());
}

void TestEditCommands::firstEditAfterUndoIsAStepOfItsOwn_data() {
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("undone");
    QTest::addColumn<QString>("broughtBack");
    QTest::newRow("typing after a Backspace was undone")
        << QStringList{"abc", "Backspace", "Ctrl+Z", "x"} << "abc"
        << "abcx";
    QTest::newRow("typing after typing was brought back")
        << QStringList{"abc", "Ctrl+Z", "Ctrl+Z", "d"} << "abc"
        << "abcd";
    QTest::newRow("typing after Undo from the menu")
        << QStringList{"abc", "Backspace", "Undo1", "x"} << "abc"
        << "abcx";
}

// The edit that follows an Undo is never merged into the step before it: one Undo takes back
// exactly that edit, and the next brings it back.
void TestEditCommands::firstEditAfterUndoIsAStepOfItsOwn() {
    QFETCH(QStringList, steps);
    QFETCH(QString, undone);
    QFETCH(QString, broughtBack);
    WindowUnderTest w;
    QVERIFY(w.ready());
    for (const QString &step : steps) {
        if (step == QLatin1String("Ctrl+Z"))
            QTest::keyClick(w.editor(), Qt::Key_Z, Qt::ControlModifier);
        else if (step == QLatin1String("Backspace"))
            QTest::keyClick(w.editor(), Qt::Key_Backspace);
        else if (step == QLatin1String("Undo1"))
            w.action("Undo1")->trigger();
        else
            QTest::keyClicks(w.editor(), step);
    }
    QTest::keyClick(w.editor(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(QString::fromStdString(w.bytes()), undone);
    QTest::keyClick(w.editor(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(QString::fromStdString(w.bytes()), broughtBack);
    QVERIFY(platform::recordedBeeps().empty());
}

void TestEditCommands::undoRefusedAfterNew() {
    WindowUnderTest w;
    QVERIFY(w.ready());
    QTest::keyClicks(w.editor(), "text");
    ModalAnswerer answerer;
    answerer.press(QStringLiteral("msg_Yes")).press(QStringLiteral("msg_OK"));
    w.action("New1")->trigger();
    w.action("Undo1")->trigger();
    QVERIFY(answerer.done());
    QCOMPARE(answerer.texts().last(), QStringLiteral("No action can be undone at this time."));
    QVERIFY(beepsWere({BeepKind::Question, BeepKind::Hand}));
}

void TestEditCommands::cutMovesTheSelection() {
    WindowUnderTest w;
    QVERIFY(w.ready());
    w.editor()->setBytes("one\r\ntwo");
    select(w.editor(), 2, 5);
    QTest::keyClick(w.editor(), Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("e\nt"));
    QCOMPARE(w.bytes(), "onwo"s);
    QCOMPARE(w.sizeCaption(), QStringLiteral(" 4 bytes"));
}

void TestEditCommands::copyChangesNothing() {
    WindowUnderTest w;
    QVERIFY(w.ready());
    QTest::keyClicks(w.editor(), "copy me");
    QTest::keyClick(w.editor(), Qt::Key_Home, Qt::ShiftModifier);
    const QString before = w.sizeCaption();
    QTest::keyClick(w.editor(), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("copy me"));
    QCOMPARE(w.bytes(), "copy me"s);
    QCOMPARE(w.editor()->selectionByteLength(), 7);
    QCOMPARE(w.sizeCaption(), before);
}

void TestEditCommands::copiedTextIsMarkedSecret_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("secret");
    const QString block = QString::fromLatin1(crypt_fixtures::blockOf("a letter").c_str())
                              .replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QTest::newRow("plain text, Copy") << "a private letter"
                                      << "Copy1" << true;
    QTest::newRow("plain text, Cut") << "a private letter"
                                     << "Cut1" << true;
    QTest::newRow("an armoured block, Copy") << block << "Copy1" << false;
    QTest::newRow("a mail holding a block, Cut") << "Dear Ann,\n" + block << "Cut1" << false;
}

// Plain text goes to the clipboard marked secret, so clipboard managers keep no history of it;
// an armoured block, meant for mail, goes plainly. At shutdown the plain text is taken back.
void TestEditCommands::copiedTextIsMarkedSecret() {
    QFETCH(QString, text);
    QFETCH(QString, command);
    QFETCH(bool, secret);
    const PrivateConfig config; // shutdown writes the settings
    WindowUnderTest w;
    w.editor()->setPlainText(text);
    w.editor()->selectAll();
    w.action(qPrintable(command))->trigger();
    const QMimeData *offered = QGuiApplication::clipboard()->mimeData();
    QCOMPARE(offered->text(), text);
    QCOMPARE(offered->data(platform::secretHintType), secret ? QByteArray("secret") : QByteArray());
    w.window().shutDown();
    QCOMPARE(QGuiApplication::clipboard()->text(), secret ? QString() : text);
}

// Another program's text (a password manager's, with the same hint) is never taken back.
void TestEditCommands::othersClipboardTextStaysAtShutdown() {
    auto *foreign = new QMimeData;
    foreign->setText(QStringLiteral("someone else's secret"));
    foreign->setData(platform::secretHintType, "secret");
    QGuiApplication::clipboard()->setMimeData(foreign);
    const PrivateConfig config; // shutdown writes the settings
    WindowUnderTest w;
    w.window().shutDown();
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("someone else's secret"));
}

void TestEditCommands::pasteIntoEmptyEditor() {
    WindowUnderTest w;
    QVERIFY(w.ready());
    QGuiApplication::clipboard()->setText(QStringLiteral("pasted\nlines"));
    QTest::keyClick(w.editor(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(w.bytes(), "pasted\r\nlines"s);
    QCOMPARE(w.sizeCaption(), QStringLiteral(" 13 bytes"));
    select(w.editor(), 0, 6);
    w.action("Paste1")->trigger();
    QCOMPARE(w.bytes(), "pasted\r\nlines\r\nlines"s);
}

void TestEditCommands::deleteLeavesTheClipboard() {
    WindowUnderTest w;
    QVERIFY(w.ready());
    w.editor()->setBytes("a\r\nb word");
    select(w.editor(), 1, 2);
    QTest::keyClick(w.editor(), Qt::Key_Delete, Qt::ControlModifier);
    QCOMPARE(w.bytes(), "ab word"s);
    QCOMPARE(w.sizeCaption(), QStringLiteral(" 7 bytes"));
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("clip"));
}

void TestEditCommands::selectAllThenDelete() {
    WindowUnderTest w;
    QVERIFY(w.ready());
    QTest::keyClicks(w.editor(), "everything");
    w.action("SelectAll1")->trigger();
    w.action("Delete1")->trigger();
    QCOMPARE(w.sizeCaption(), QStringLiteral(" 0 bytes"));
    QVERIFY(platform::recordedBeeps().empty());
}

void TestEditCommands::toolButtonsRunTheSameCommands() {
    WindowUnderTest w;
    QVERIFY(w.ready());
    QTest::keyClicks(w.editor(), "abc");
    w.button("btn_SelectAll")->click();
    QCOMPARE(w.sizeCaption(), QStringLiteral(" 3 bytes, 3 bytes selected"));
    w.button("btn_Copy")->click();
    w.button("btn_Cut")->click();
    QCOMPARE(w.bytes(), ""s);
    w.button("btn_Paste")->click();
    w.button("btn_Paste")->click();
    QCOMPARE(w.bytes(), "abcabc"s);
    select(w.editor(), 0, 3);
    QTest::keyRelease(w.editor(), Qt::Key_Shift);
    w.button("btn_Delete")->click();
    QCOMPARE(w.bytes(), "abc"s);
    // A disabled button stays quiet; its menu item still refuses.
    QVERIFY(!w.button("btn_Cut")->isEnabled());
    w.button("btn_Cut")->click();
    QVERIFY(platform::recordedBeeps().empty());
}

// Every paste path meets an empty clipboard: the menu's Paste refuses, the editor's own keys
// and context menu do nothing, and the program goes on.
void TestEditCommands::pasteFromEmptyClipboardLeavesProgramRunning() {
    WindowUnderTest w;
    QVERIFY(w.ready());
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(w.editor(), Qt::Key_Insert, Qt::ShiftModifier);
    const std::unique_ptr<QMenu> menu(w.editor()->createContextMenu());
    menu->findChild<QAction *>(QStringLiteral("edit-paste"))->trigger();
    w.editor()->paste();
    ModalAnswerer answerer;
    answerer.press(QStringLiteral("msg_OK"));
    QTest::keyClick(w.editor(), Qt::Key_V, Qt::ControlModifier);
    QVERIFY(answerer.done());
    QTest::keyClicks(w.editor(), "still here");
    QCOMPARE(w.bytes(), "still here"s);
}

void TestEditCommands::failureInHandlerReachesErrorBox() {
    WindowUnderTest w;
    QVERIFY(w.ready());
    QObject::connect(w.action("New1"), &QAction::triggered, &w.window(), [] {
        platform::runGuarded([] { throw platform::Failure(QStringLiteral("Disk full")); });
    });
    ModalAnswerer answerer;
    answerer.press(QStringLiteral("msg_OK"));
    w.action("New1")->trigger();
    QVERIFY(answerer.done());
    QCOMPARE(answerer.titles(), QStringList{QStringLiteral("Shroud-a-Pad")});
    QCOMPARE(answerer.texts(), QStringList{QStringLiteral("Disk full.")});
    QTest::keyClicks(w.editor(), "goes on");
    QCOMPARE(w.sizeCaption(), QStringLiteral(" 7 bytes"));
}

void TestEditCommands::exitEndsTheEventLoop() {
    WindowUnderTest w;
    QTimer::singleShot(0, w.action("Exit1"), &QAction::trigger);
    QTimer hang; // a failure, not a hang
    hang.callOnTimeout([] { QCoreApplication::exit(1); });
    hang.start(5000);
    QCOMPARE(QApplication::exec(), 0);
}

QTEST_MAIN(TestEditCommands)
#include "tst_editcommands.moc"
