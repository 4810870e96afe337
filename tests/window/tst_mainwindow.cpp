// The main window: its menus, tool buttons, editor and status panels as built, and the status
// refresh after typing, keyboard and mouse selections and the commands that run it.
#include "WindowUnderTest.h"

#include "openpgp/MessageFinding.h"

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

namespace {

struct Item {
    QString name;
    QString caption;
    QKeySequence shortcut;
};

bool isEnabled(WindowUnderTest &w, const char *name) {
    return w.button(name)->isEnabled();
}

// The tool buttons that updateStatus sets, as a word of flags in a fixed order.
QString buttonStates(WindowUnderTest &w) {
    QString states;
    for (const char *name : {"btn_Save", "btn_Cut", "btn_Copy", "btn_SelectAll", "btn_Delete",
                             "btn_Undo", "btn_Encrypt", "btn_Decrypt"})
        states += isEnabled(w, name) ? u'1' : u'0';
    return states;
}

QPoint pointOf(TextEditor *editor, int position) {
    QTextCursor cursor(editor->document());
    cursor.setPosition(position);
    return editor->cursorRect(cursor).center();
}

void typeLines(QWidget *editor, const QString &text) {
    const QStringList lines = text.split(u'\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0)
            QTest::keyClick(editor, Qt::Key_Return);
        QTest::keyClicks(editor, lines[i]);
    }
}

} // namespace

Q_DECLARE_METATYPE(QList<Item>)

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void windowAsCreated();
    void menus_data();
    void menus();
    void menuItemsAreNeverDisabled();
    void toolButtons_data();
    void toolButtons();
    void toolButtonGroupsAreApart();
    void statusPanelsAsCreated();
    void editorHasTheFocus();
    void statusAfterTyping_data();
    void statusAfterTyping();
    void textTypeOfOpenPgpShapes_data();
    void textTypeOfOpenPgpShapes();
    void keyboardSelection();
    void keyReleaseRefreshes();
    void mouseDragFollowsSelection();
    void mouseMoveRefreshes();
    void selectAllShowsBothSizes();
    void undoButtonFollowsTheEditor();
};

void TestMainWindow::windowAsCreated() {
    WindowUnderTest w;
    QCOMPARE(w.window().objectName(), QStringLiteral("Tfrm_SPad"));
    QCOMPARE(w.window().windowTitle(), QStringLiteral("Shroud-a-Pad"));
    QCOMPARE(w.window().width(), 560);
    QVERIFY(w.window().height() > 352);
    QVERIFY(w.find<QToolBar>("pan_Toolbar")->isVisible());
    QCOMPARE(w.find<QFrame>("pan_SPad"), w.window().centralWidget());
    QCOMPARE(w.editor()->parentWidget(), w.find<QFrame>("pan_SPad"));
    QCOMPARE(w.editor()->frameShape(), QFrame::NoFrame);
    QVERIFY(!w.editor()->accessibleName().isEmpty());
    QCOMPARE(w.window().menuBar()->actions().size(), 4);
}

void TestMainWindow::menus_data() {
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QList<Item>>("items");
    const QKeySequence none;
    QTest::newRow("Action")
        << "Action1"
        << "&Action"
        << QList<Item>{{"New1", "&New", Qt::CTRL | Qt::Key_N},
                       {"OpenFile1", "&Open File...", Qt::CTRL | Qt::Key_O},
                       {"SaveFileAs1", "&Save File As...", Qt::CTRL | Qt::Key_S},
                       {"N5", "", none},
                       {"Encrypt1", "&Encrypt", Qt::CTRL | Qt::Key_E},
                       {"EncryptUsingMethod1", "Encrypt With Specific &Method...", none},
                       {"ClearSign1", "Clear-Si&gn", Qt::CTRL | Qt::Key_G},
                       {"Decrypt1", "&Decrypt", Qt::CTRL | Qt::Key_D},
                       {"N1", "", none},
                       {"Exit1", "E&xit", none}};
    QTest::newRow("Edit") << "Edit1"
                          << "&Edit"
                          << QList<Item>{{"Undo1", "&Undo", Qt::CTRL | Qt::Key_Z},
                                         {"Cut1", "Cu&t", Qt::CTRL | Qt::Key_X},
                                         {"Copy1", "&Copy", Qt::CTRL | Qt::Key_C},
                                         {"Paste1", "&Paste", Qt::CTRL | Qt::Key_V},
                                         {"Delete1", "&Delete", Qt::CTRL | Qt::Key_Delete},
                                         {"SelectAll1", "Se&lect All", none}};
    QTest::newRow("Options") << "Options1"
                             << "&Options"
                             << QList<Item>{{"Font1", "&Font...", none},
                                            {"TextColor1", "&Text Color...", none},
                                            {"BackgroundColor1", "&Background Color...", none},
                                            {"WordWrap1", "Word Wrap", none},
                                            {"N6", "", none},
                                            {"Encoding1", "&Encoding", none},
                                            {"LineBreaks1", "&Line Breaks", none}};
    QTest::newRow("Help") << "Help1"
                          << "&Help"
                          << QList<Item>{{"Contents1", "&Contents", Qt::Key_F1},
                                         {"SearchforHelpOn1", "&Search for Help On...", none},
                                         {"HowtoUseHelp1", "&How to Use Help", none},
                                         {"N4", "", none},
                                         {"About2", "&About...", none}};
}

void TestMainWindow::menus() {
    QFETCH(QString, menu);
    QFETCH(QString, caption);
    QFETCH(QList<Item>, items);
    WindowUnderTest w;
    auto *bar = w.window().menuBar();
    QMenu *found = w.find<QMenu>(qPrintable(menu));
    QCOMPARE(found->title(), caption);
    QVERIFY(bar->actions().contains(found->menuAction()));
    const QList<QAction *> actions = found->actions();
    QCOMPARE(actions.size(), items.size());
    for (qsizetype i = 0; i < items.size(); ++i) {
        QCOMPARE(actions[i]->objectName(), items[i].name);
        QCOMPARE(actions[i]->isSeparator(), items[i].caption.isEmpty());
        QCOMPARE(actions[i]->text(), items[i].caption);
        QCOMPARE(actions[i]->shortcut(), items[i].shortcut);
    }
    const QStringList order{"Action1", "Edit1", "Options1", "Help1"};
    QCOMPARE(bar->actions().indexOf(found->menuAction()), order.indexOf(menu));
}

void TestMainWindow::menuItemsAreNeverDisabled() {
    WindowUnderTest w;
    QVERIFY(w.action("WordWrap1")->isCheckable());
    QVERIFY(!w.action("WordWrap1")->isChecked());
    w.window().updateStatus();
    for (const QAction *action : w.window().findChildren<QAction *>())
        QVERIFY2(action->isEnabled(), qPrintable(action->objectName()));
}

void TestMainWindow::toolButtons_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("hint");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("captioned");
    QTest::newRow("New") << "btn_New"
                         << "New" << true << false;
    QTest::newRow("Open") << "btn_Open"
                          << "Open" << true << false;
    QTest::newRow("Save") << "btn_Save"
                          << "Save" << false << false;
    QTest::newRow("Cut") << "btn_Cut"
                         << "Cut" << false << false;
    QTest::newRow("Copy") << "btn_Copy"
                          << "Copy" << false << false;
    QTest::newRow("Paste") << "btn_Paste"
                           << "Paste" << true << false;
    QTest::newRow("Select All") << "btn_SelectAll"
                                << "Select All" << false << false;
    QTest::newRow("Delete") << "btn_Delete"
                            << "Delete" << false << false;
    QTest::newRow("Undo") << "btn_Undo"
                          << "Undo" << false << false;
    QTest::newRow("Encrypt") << "btn_Encrypt"
                             << "Encrypt" << false << true;
    QTest::newRow("Decrypt") << "btn_Decrypt"
                             << "Decrypt" << false << true;
}

void TestMainWindow::toolButtons() {
    QFETCH(QString, name);
    QFETCH(QString, hint);
    QFETCH(bool, enabled);
    QFETCH(bool, captioned);
    WindowUnderTest w;
    QToolButton *button = w.button(qPrintable(name));
    QCOMPARE(button->parentWidget(), w.find<QToolBar>("pan_Toolbar"));
    QCOMPARE(button->isEnabled(), enabled);
    QCOMPARE(button->focusPolicy(), Qt::NoFocus);
    QVERIFY(button->autoRaise());
    QCOMPARE(button->accessibleName(), hint);
    QCOMPARE(button->toolTip(), captioned ? QString() : hint);
    QCOMPARE(button->text(), captioned ? hint : QString());
    QCOMPARE(button->toolButtonStyle(),
             captioned ? Qt::ToolButtonTextBesideIcon : Qt::ToolButtonIconOnly);
    QVERIFY(button->width() >= (captioned ? 69 : 25));
    QVERIFY(button->height() >= 25);
    QVERIFY2(button->width() >= button->sizeHint().width(), "the caption is not clipped");
}

void TestMainWindow::toolButtonGroupsAreApart() {
    WindowUnderTest w;
    const char *order[] = {"btn_New",  "btn_Open",    "btn_Save",      "btn_Cut",
                           "btn_Copy", "btn_Paste",   "btn_SelectAll", "btn_Delete",
                           "btn_Undo", "btn_Encrypt", "btn_Decrypt"};
    const QStringList gapsBefore{"btn_Cut", "btn_Undo", "btn_Encrypt"};
    for (std::size_t i = 1; i < std::size(order); ++i) {
        const QRect before = w.button(order[i - 1])->geometry();
        const QRect after = w.button(order[i])->geometry();
        const int gap = after.left() - before.right() - 1;
        if (gapsBefore.contains(QLatin1String(order[i])))
            QVERIFY2(gap >= 13, order[i]);
        else
            QVERIFY2(gap >= 0 && gap < 13, order[i]);
    }
}

void TestMainWindow::statusPanelsAsCreated() {
    WindowUnderTest w;
    QCOMPARE(w.sizeCaption(), QStringLiteral(" 0 bytes"));
    QCOMPARE(w.textType(), QStringLiteral(" Normal Text"));
    auto *textType = w.find<QLabel>("pan_TextType");
    auto *bytes = w.find<QLabel>("pan_Bytes");
    QVERIFY(textType->width() >= 88);
    QVERIFY(bytes->geometry().right() < textType->geometry().left());
    QCOMPARE(bytes->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
    textType->setText(QStringLiteral(" Encrypted Text"));
    QVERIFY2(textType->width() >= textType->sizeHint().width(), "the caption is not clipped");
}

void TestMainWindow::editorHasTheFocus() {
    WindowUnderTest w;
    QVERIFY(w.ready());
    QCOMPARE(QApplication::focusWidget(), w.editor());
}

void TestMainWindow::statusAfterTyping_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("size");
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("buttons"); // Save Cut Copy SelectAll Delete Undo Encrypt Decrypt
    QTest::newRow("nothing") << ""
                             << " 0 bytes"
                             << " Normal Text"
                             << "00000000";
    QTest::newRow("one byte") << "x"
                              << " 1 byte"
                              << " Normal Text"
                              << "10010111";
    QTest::newRow("two bytes") << "xy"
                               << " 2 bytes"
                               << " Normal Text"
                               << "10010111";
    QTest::newRow("a break b") << "a\nb"
                               << " 4 bytes"
                               << " Normal Text"
                               << "10010111";
    QTest::newRow("one tag line") << "QvL/0122/\nbody"
                                  << " 15 bytes"
                                  << " Normal Text"
                                  << "10010111";
    QTest::newRow("two tag lines") << "QvL/0122/\nCabc\nQvL/9"
                                   << " 22 bytes"
                                   << " Encrypted Text"
                                   << "10010111";
    QTest::newRow("tag in other case") << "QvL/\nqvl/"
                                       << " 10 bytes"
                                       << " Normal Text"
                                       << "10010111";
}

void TestMainWindow::statusAfterTyping() {
    QFETCH(QString, typed);
    QFETCH(QString, size);
    QFETCH(QString, type);
    QFETCH(QString, buttons);
    WindowUnderTest w;
    QVERIFY(w.ready());
    typeLines(w.editor(), typed);
    QCOMPARE(w.sizeCaption(), size);
    QCOMPARE(w.textType(), type);
    QCOMPARE(buttonStates(w), buttons);
    for (const char *name : {"btn_New", "btn_Open", "btn_Paste"})
        QVERIFY(isEnabled(w, name));
}

void TestMainWindow::textTypeOfOpenPgpShapes_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("decryptReadsIt");
    QTest::newRow("a message") << QByteArray("-----BEGIN PGP MESSAGE-----\n\njA0E\n=abcd\n"
                                             "-----END PGP MESSAGE-----\n")
                               << true;
    QTest::newRow("quoted, indented, in a reply")
        << QByteArray("Here it is:\n> -----BEGIN PGP MESSAGE-----\n>\n> jA0E\n"
                      ">  | -----END PGP MESSAGE-----\nThanks")
        << true;
    QTest::newRow("end line joined onto the last body line")
        << QByteArray("-----BEGIN PGP MESSAGE-----\n\njA0E =abcd -----END PGP MESSAGE----- Ann")
        << true;
    QTest::newRow("headers joined onto the begin line")
        << QByteArray("-----BEGIN PGP MESSAGE----- Version: GnuPG v2\n\njA0E\n"
                      "-----END PGP MESSAGE-----")
        << true;
    QTest::newRow("both lines broken between words")
        << QByteArray("-----BEGIN\tPGP\n> MESSAGE-----\n\njA0E -----END\nPGP  MESSAGE-----")
        << true;
    QTest::newRow("begin line without end line")
        << QByteArray("-----BEGIN PGP MESSAGE-----\n\njA0E\n") << false;
    QTest::newRow("end line alone") << QByteArray("jA0E\n-----END PGP MESSAGE-----") << false;
    QTest::newRow("begin line behind other words")
        << QByteArray("see -----BEGIN PGP MESSAGE-----\njA0E\n-----END PGP MESSAGE-----") << false;
    QTest::newRow("end line misspelt")
        << QByteArray("-----BEGIN PGP MESSAGE-----\njA0E\n-----END PGP MESSAGES-----") << false;
    QTest::newRow("clear-signed text")
        << QByteArray("-----BEGIN PGP SIGNED MESSAGE-----\nHash: SHA256\n\nHello\n"
                      "-----BEGIN PGP SIGNATURE-----\n\niQE\n-----END PGP SIGNATURE-----")
        << false;
    QTest::newRow("public key") << QByteArray("-----BEGIN PGP PUBLIC KEY BLOCK-----\n\nmQEN\n"
                                              "-----END PGP PUBLIC KEY BLOCK-----")
                                << false;
}

// The text type says " Encrypted Text" for a text that holds an OpenPGP message exactly where
// Decrypt's finder reads one.
void TestMainWindow::textTypeOfOpenPgpShapes() {
    QFETCH(QByteArray, text);
    QFETCH(bool, decryptReadsIt);
    QCOMPARE(openpgp::findMessage(text.toStdString()).has_value(), decryptReadsIt);
    WindowUnderTest w;
    w.editor()->setBytes(text.toStdString());
    w.window().updateStatus();
    QCOMPARE(w.textType(),
             decryptReadsIt ? QStringLiteral(" Encrypted Text") : QStringLiteral(" Normal Text"));
}

void TestMainWindow::keyboardSelection() {
    WindowUnderTest w;
    QVERIFY(w.ready());
    QTest::keyClicks(w.editor(), "0123456789");
    QTest::keyClick(w.editor(), Qt::Key_Left, Qt::ShiftModifier);
    QCOMPARE(w.sizeCaption(), QStringLiteral(" 10 bytes, 1 byte selected"));
    QCOMPARE(buttonStates(w), QStringLiteral("11111111"));
    QTest::keyClick(w.editor(), Qt::Key_Home, Qt::ShiftModifier);
    QCOMPARE(w.sizeCaption(), QStringLiteral(" 10 bytes, 10 bytes selected"));
    QTest::keyClick(w.editor(), Qt::Key_Right);
    QCOMPARE(w.sizeCaption(), QStringLiteral(" 10 bytes"));
    QCOMPARE(buttonStates(w), QStringLiteral("10010111"));

    w.editor()->setBytes("a\r\nb");
    QTest::keyClick(w.editor(), Qt::Key_End);
    QTest::keyClick(w.editor(), Qt::Key_Right, Qt::ShiftModifier);
    QCOMPARE(w.sizeCaption(), QStringLiteral(" 4 bytes, 2 bytes selected"));
}

// A selection made without a change of text shows at the next key release.
void TestMainWindow::keyReleaseRefreshes() {
    WindowUnderTest w;
    QVERIFY(w.ready());
    QTest::keyClicks(w.editor(), "abcdef");
    QTextCursor cursor = w.editor()->textCursor();
    cursor.setPosition(1, QTextCursor::KeepAnchor);
    w.editor()->setTextCursor(cursor);
    QCOMPARE(w.sizeCaption(), QStringLiteral(" 6 bytes"));
    QTest::keyRelease(w.editor(), Qt::Key_Shift);
    QCOMPARE(w.sizeCaption(), QStringLiteral(" 6 bytes, 5 bytes selected"));
}

void TestMainWindow::mouseDragFollowsSelection() {
    WindowUnderTest w;
    QVERIFY(w.ready());
    TextEditor *editor = w.editor();
    editor->setBytes("hello world\r\nsecond line");
    QWidget *viewport = editor->viewport();
    QTest::mousePress(viewport, Qt::LeftButton, {}, pointOf(editor, 0));
    QTest::mouseMove(viewport, pointOf(editor, 5));
    QCOMPARE(w.sizeCaption(), QStringLiteral(" 24 bytes, 5 bytes selected"));
    QTest::mouseMove(viewport, pointOf(editor, 15));
    QCOMPARE(w.sizeCaption(), QStringLiteral(" 24 bytes, 16 bytes selected"));
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, pointOf(editor, 15));
    QTest::mouseClick(viewport, Qt::LeftButton, {}, pointOf(editor, 3));
    QTest::mouseMove(viewport, pointOf(editor, 4));
    QCOMPARE(w.sizeCaption(), QStringLiteral(" 24 bytes"));
}

// A selection made without a change of text shows at the next mouse movement, button or not.
void TestMainWindow::mouseMoveRefreshes() {
    WindowUnderTest w;
    QVERIFY(w.ready());
    w.editor()->setBytes("abcdef");
    w.editor()->selectAll();
    QCOMPARE(w.sizeCaption(), QStringLiteral(" 6 bytes"));
    QTest::mouseMove(w.editor()->viewport(), QPoint(40, 40));
    QCOMPARE(w.sizeCaption(), QStringLiteral(" 6 bytes, 6 bytes selected"));
}

void TestMainWindow::selectAllShowsBothSizes() {
    WindowUnderTest w;
    w.editor()->setBytes("ab\r\ncde");
    w.action("SelectAll1")->trigger();
    QCOMPARE(w.sizeCaption(), QStringLiteral(" 7 bytes, 7 bytes selected"));
    w.editor()->setBytes({});
    w.action("SelectAll1")->trigger();
    QCOMPARE(w.sizeCaption(), QStringLiteral(" 0 bytes"));
}

void TestMainWindow::undoButtonFollowsTheEditor() {
    WindowUnderTest w;
    QVERIFY(w.ready());
    QTest::keyClicks(w.editor(), "typed");
    QVERIFY(isEnabled(w, "btn_Undo"));
    w.button("btn_Undo")->click();
    QCOMPARE(w.bytes(), std::string());
    QVERIFY2(isEnabled(w, "btn_Undo"), "an undo can itself be undone");
    QCOMPARE(w.sizeCaption(), QStringLiteral(" 0 bytes"));
    w.button("btn_Undo")->click();
    QCOMPARE(w.bytes(), std::string("typed"));
    QVERIFY(isEnabled(w, "btn_Undo"));
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
