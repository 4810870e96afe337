// The editor on its own: its bytes (encodings, line breaks, sizes, lines), the characters it
// admits by every way in, the guarded paste, the copy's line breaks and the one-level undo.
#include "editor/text/TextEditor.h"

#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QInputMethodEvent>
#include <QMenu>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>

using namespace std::string_literals;

namespace {

// Opens the protected ways in, so a test can hand the editor a null source.
class OpenEditor : public TextEditor {
public:
    using TextEditor::canInsertFromMimeData;
    using TextEditor::insertFromMimeData;
};

void select(TextEditor &editor, int from, int to) {
    QTextCursor cursor = editor.textCursor();
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    editor.setTextCursor(cursor);
}

void putOnClipboard(const QString &text) {
    QGuiApplication::clipboard()->setText(text);
}

// Types characters that have no key of their own, as a keyboard layout or compose key would.
void typeCharacters(QWidget *editor, const QString &text) {
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, editor, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

} // namespace

class TestTextEditor : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void looksAsTheWindowNeeds();
    void everyByteRoundTrips();
    void utf8CharactersRoundTrip_data();
    void utf8CharactersRoundTrip();
    void setBytesNormalises_data();
    void setBytesNormalises();
    void setBytesLeavesNothingToUndo();
    void sizes_data();
    void sizes();
    void linesAreTheTextsOwn();
    void noBreakSpaceSurvives();
    void typedOutsideWindows1252MakesUtf8();
    void setBytesFindsTheEncoding_data();
    void setBytesFindsTheEncoding();
    void utf8Sizes_data();
    void utf8Sizes();
    void pastedTextIsAdmitted_data();
    void pastedTextIsAdmitted();
    void droppedTextIsAdmitted();
    void inputMethodTextIsAdmitted();
    void pasteWithoutTextIsRefused();
    void copyCarriesRealLineBreaks();
    void undoTogglesOneLevel();
    void editAfterUndoEndsItsTurn();
    void redoKeysDoNothing();
    void contextMenuUndoFollowsOneLevel();
    void reportsKeyReleaseAndMouseMove();
    void declinedKeysAreLeftToShortcuts();

private:
    OpenEditor *m_editor = nullptr;
};

void TestTextEditor::init() {
    m_editor = new OpenEditor;
    m_editor->resize(400, 300);
    m_editor->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_editor));
}

void TestTextEditor::cleanup() {
    delete m_editor;
    m_editor = nullptr;
    QGuiApplication::clipboard()->clear();
}

void TestTextEditor::looksAsTheWindowNeeds() {
    QCOMPARE(m_editor->objectName(), QStringLiteral("txt_SPad"));
    QCOMPARE(m_editor->font().family(), QStringLiteral("Fixedsys"));
    QCOMPARE(m_editor->font().pointSize(), 10);
    QCOMPARE(m_editor->font().styleHint(), QFont::TypeWriter);
    QCOMPARE(m_editor->lineWrapMode(), QPlainTextEdit::NoWrap);
    QVERIFY(!m_editor->tabChangesFocus());
    QVERIFY(m_editor->viewport()->hasMouseTracking());
    const QPalette palette = m_editor->palette();
    QCOMPARE(palette.color(QPalette::Text), QColor(Qt::black));
    QCOMPARE(palette.color(QPalette::Inactive, QPalette::Highlight),
             palette.color(QPalette::Active, QPalette::Highlight));
    QCOMPARE(palette.color(QPalette::Inactive, QPalette::HighlightedText),
             palette.color(QPalette::Active, QPalette::HighlightedText));
    QTest::keyClick(m_editor, Qt::Key_Tab);
    QCOMPARE(m_editor->bytes(), "\t"s);
}

void TestTextEditor::everyByteRoundTrips() {
    for (int value = 1; value <= 255; ++value) {
        if (value == '\r' || value == '\n')
            continue; // line breaks, below
        const std::string bytes = "a"s + char(value) + "z";
        m_editor->setBytes(bytes);
        QCOMPARE(m_editor->bytes(), bytes);
        QCOMPARE(m_editor->line(0), bytes);
        QCOMPARE(m_editor->byteLength(), 3);
    }
    std::string all;
    for (int value = 1; value <= 255; ++value)
        all += value == '\r' ? ""s : value == '\n' ? "\r\n"s : std::string(1, char(value));
    m_editor->setBytes(all);
    QCOMPARE(m_editor->bytes(), all);
    QCOMPARE(m_editor->byteLength(), qint64(all.size()));
}

void TestTextEditor::utf8CharactersRoundTrip_data() {
    QTest::addColumn<QByteArray>("given");
    QTest::addColumn<QString>("characters");
    QTest::newRow("first and last of each length")
        << QByteArray("a\xC2\x80\xDF\xBF\xE0\xA0\x80\xEF\xBF\xBF\xF0\x90\x80\x80\xF4\x8F\xBF\xBF")
        << QStringLiteral(u"a\u0080\u07FF\u0800\uFFFF\U00010000\U0010FFFF");
    QTest::newRow("ends in four bytes")
        << QByteArray("\xF0\x9F\x98\x80") << QStringLiteral(u"\U0001F600");
    QTest::newRow("a mark inside is a character")
        << QByteArray("\xC3\xA9\xEF\xBB\xBF") << QStringLiteral(u"\u00E9\uFEFF");
    QTest::newRow("letters between lines")
        << QByteArray("\xD0\xB6 a\r\n\xE4\xB8\xAD\r\n") << QStringLiteral(u"\u0436 a\n\u4E2D\n");
}

// UTF-8 text becomes its characters and gives back the same bytes.
void TestTextEditor::utf8CharactersRoundTrip() {
    QFETCH(QByteArray, given);
    QFETCH(QString, characters);
    m_editor->setBytes(given.toStdString());
    QCOMPARE(m_editor->format().encoding, cipher::Encoding::Utf8);
    QCOMPARE(m_editor->toPlainText(), characters);
    QCOMPARE(QByteArray::fromStdString(m_editor->bytes()), given);
    QCOMPARE(m_editor->byteLength(), given.size());
}

void TestTextEditor::setBytesNormalises_data() {
    QTest::addColumn<QByteArray>("given");
    QTest::addColumn<QByteArray>("held");
    QTest::addColumn<int>("lines");
    QTest::newRow("empty") << QByteArray() << QByteArray() << 1;
    QTest::newRow("CR LF kept") << QByteArray("a\r\nb") << QByteArray("a\r\nb") << 2;
    QTest::newRow("lone LF") << QByteArray("a\nb") << QByteArray("a\r\nb") << 2;
    QTest::newRow("lone CR") << QByteArray("a\rb") << QByteArray("a\r\nb") << 2;
    QTest::newRow("LF CR is two") << QByteArray("a\n\rb") << QByteArray("a\r\n\r\nb") << 3;
    QTest::newRow("trailing break") << QByteArray("a\r\n") << QByteArray("a\r\n") << 2;
    QTest::newRow("mixed") << QByteArray("a\r\r\nb\n\rc") << QByteArray("a\r\n\r\nb\r\n\r\nc") << 5;
    QTest::newRow("only breaks") << QByteArray("\r\r\n\n") << QByteArray("\r\n\r\n\r\n") << 4;
    QTest::newRow("ends at zero") << QByteArray("abc\0def", 7) << QByteArray("abc") << 1;
    QTest::newRow("zero first") << QByteArray("\0abc", 4) << QByteArray() << 1;
}

void TestTextEditor::setBytesNormalises() {
    QFETCH(QByteArray, given);
    QFETCH(QByteArray, held);
    QFETCH(int, lines);
    m_editor->setBytes(given.toStdString());
    QCOMPARE(QByteArray::fromStdString(m_editor->bytes()), held);
    QCOMPARE(m_editor->byteLength(), held.size());
    QCOMPARE(m_editor->lineCount(), lines);
}

void TestTextEditor::setBytesLeavesNothingToUndo() {
    QTest::keyClicks(m_editor, "typed");
    QVERIFY(m_editor->canUndo());
    m_editor->setBytes("loaded\r\ntext");
    QVERIFY(!m_editor->canUndo());
    QCOMPARE(m_editor->textCursor().position(), 0);
    QTest::keyClick(m_editor, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(m_editor->bytes(), "loaded\r\ntext"s);
}

void TestTextEditor::sizes_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<qint64>("length");
    QTest::addColumn<qint64>("selected");
    QTest::newRow("empty") << QByteArray() << 0 << 0 << 0LL << 0LL;
    QTest::newRow("one byte") << QByteArray("x") << 0 << 0 << 1LL << 0LL;
    QTest::newRow("a break b") << QByteArray("a\r\nb") << 1 << 1 << 4LL << 0LL;
    QTest::newRow("one of ten") << QByteArray("0123456789") << 3 << 4 << 10LL << 1LL;
    QTest::newRow("backwards") << QByteArray("0123456789") << 7 << 2 << 10LL << 5LL;
    QTest::newRow("the line break") << QByteArray("a\r\nb") << 1 << 2 << 4LL << 2LL;
    QTest::newRow("all") << QByteArray("ab\r\ncde") << 0 << 6 << 7LL << 7LL;
    QTest::newRow("empty lines") << QByteArray("\r\n\r\n\r\n") << 1 << 3 << 6LL << 4LL;
}

void TestTextEditor::sizes() {
    QFETCH(QByteArray, text);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(qint64, length);
    QFETCH(qint64, selected);
    m_editor->setBytes(text.toStdString());
    select(*m_editor, from, to);
    QCOMPARE(m_editor->byteLength(), length);
    QCOMPARE(m_editor->selectionByteLength(), selected);
}

void TestTextEditor::linesAreTheTextsOwn() {
    const std::string longLine(500, 'w');
    m_editor->setBytes("first\r\n" + longLine + "\r\n\r\nlast");
    m_editor->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    QCOMPARE(m_editor->lineCount(), 4);
    QCOMPARE(m_editor->line(0), "first"s);
    QCOMPARE(m_editor->line(1), longLine);
    QCOMPARE(m_editor->line(2), ""s);
    QCOMPARE(m_editor->line(3), "last"s);
    QCOMPARE(m_editor->line(4), ""s);
    QCOMPARE(m_editor->line(-1), ""s);
}

void TestTextEditor::noBreakSpaceSurvives() {
    m_editor->setBytes("a\xA0"
                       "b");
    QCOMPARE(m_editor->bytes(), "a\xA0"
                                "b"s);
    m_editor->selectAll();
    m_editor->copy();
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral(u"a\u00A0b"));
    m_editor->setBytes({});
    m_editor->paste();
    typeCharacters(m_editor, QStringLiteral(u"\u00A0"));
    QCOMPARE(m_editor->bytes(), "a\xA0"
                                "b\xA0"s);
}

// Windows-1252 holds the euro sign; the first character it cannot hold makes the document
// UTF-8, and every character typed before and after is kept.
void TestTextEditor::typedOutsideWindows1252MakesUtf8() {
    typeCharacters(m_editor, QStringLiteral(u"a\u20ACb"));
    QCOMPARE(m_editor->format().encoding, cipher::Encoding::Windows1252);
    QCOMPARE(m_editor->bytes(), "a\x80"
                                "b"s);
    typeCharacters(m_editor, QStringLiteral(u"\u4E2D\u0100"));
    QCOMPARE(m_editor->format().encoding, cipher::Encoding::Utf8);
    QCOMPARE(m_editor->toPlainText(), QStringLiteral(u"a\u20ACb\u4E2D\u0100"));
    QCOMPARE(m_editor->bytes(), "a\xE2\x82\xAC"
                                "b\xE4\xB8\xAD\xC4\x80"s);
    QCOMPARE(m_editor->byteLength(), 10);
    typeCharacters(m_editor, QString(QChar(0xD800))); // half a pair is held by no encoding
    QCOMPARE(m_editor->byteLength(), 11);
    QVERIFY(m_editor->toPlainText().endsWith(u'?'));
}

void TestTextEditor::setBytesFindsTheEncoding_data() {
    QTest::addColumn<QByteArray>("given");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("utf8");
    QTest::addColumn<bool>("mark");
    QTest::newRow("ASCII") << QByteArray("abc") << QStringLiteral("abc") << false << false;
    QTest::newRow("Windows-1252") << QByteArray("K\xF6ln") << QStringLiteral(u"K\u00F6ln") << false
                                  << false;
    QTest::newRow("UTF-8") << QByteArray("K\xC3\xB6ln \xD0\xB6")
                           << QStringLiteral(u"K\u00F6ln \u0436") << true << false;
    QTest::newRow("UTF-8 mark") << QByteArray("\xEF\xBB\xBFx") << QStringLiteral("x") << true
                                << true;
    QTest::newRow("second mark kept")
        << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBF") << QStringLiteral(u"\uFEFF") << true << true;
    QTest::newRow("invalid UTF-8")
        << QByteArray("\xC3\xB6\xC3") << QStringLiteral(u"\u00C3\u00B6\u00C3") << false << false;
    QTest::newRow("surrogate in UTF-8")
        << QByteArray("\xED\xA0\x80") << QStringLiteral(u"\u00ED\u00A0\u20AC") << false << false;
    QTest::newRow("overlong") << QByteArray("\xC0\xAF") << QStringLiteral(u"\u00C0\u00AF") << false
                              << false;
    QTest::newRow("outside the basic plane")
        << QByteArray("\xF0\x9F\x98\x80") << QStringLiteral(u"\U0001F600") << true << false;
    QTest::newRow("beyond U+10FFFF")
        << QByteArray("\xF4\x90\x80\x80") << QStringLiteral(u"\u00F4\u0090\u20AC\u20AC") << false
        << false;
}

void TestTextEditor::setBytesFindsTheEncoding() {
    QFETCH(QByteArray, given);
    QFETCH(QString, text);
    QFETCH(bool, utf8);
    QFETCH(bool, mark);
    m_editor->setBytes(given.toStdString());
    QCOMPARE(m_editor->document()->toRawText(), text); // the no-break space kept
    QCOMPARE(m_editor->format().encoding == cipher::Encoding::Utf8, utf8);
    QCOMPARE(m_editor->format().byteOrderMark, mark);
    const QByteArray withoutMark = mark ? given.mid(3) : given;
    QCOMPARE(QByteArray::fromStdString(m_editor->bytes()), withoutMark);
    QCOMPARE(m_editor->byteLength(), withoutMark.size());
    QCOMPARE(QByteArray::fromStdString(m_editor->fileBytes()), given);
}

// Sizes count UTF-8 bytes: the selection's from its two ends, across whole lines between.
void TestTextEditor::utf8Sizes_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<qint64>("length");
    QTest::addColumn<qint64>("selected");
    const QString lines = QStringLiteral(u"\u00E9a\n\u0436\u0436\n\u4E2D\n\U0001F600\nz");
    QTest::newRow("one of each") << lines << 0 << 1 << 23LL << 2LL;
    QTest::newRow("a break") << lines << 2 << 3 << 23LL << 2LL;
    QTest::newRow("middle lines") << lines << 3 << 8 << 23LL << 11LL;
    QTest::newRow("surrogate pair") << lines << 8 << 10 << 23LL << 4LL;
    QTest::newRow("all") << lines << 0 << 12 << 23LL << 23LL;
    QTest::newRow("all but the ends") << lines << 1 << 11 << 23LL << 20LL;
    QTest::newRow("backwards") << lines << 7 << 1 << 23LL << 12LL;
}

void TestTextEditor::utf8Sizes() {
    QFETCH(QString, text);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(qint64, length);
    QFETCH(qint64, selected);
    m_editor->setBytes(text.toUtf8().toStdString());
    QCOMPARE(m_editor->byteLength(), length);
    QCOMPARE(qint64(m_editor->bytes().size()), length);
    select(*m_editor, from, to);
    QCOMPARE(m_editor->selectionByteLength(), selected);
    QCOMPARE(m_editor->textCursor()
                 .selectedText()
                 .replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"))
                 .toUtf8()
                 .size(),
             selected);
}

void TestTextEditor::pastedTextIsAdmitted_data() {
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QByteArray>("held");
    QTest::addColumn<bool>("utf8");
    QTest::newRow("plain") << QStringLiteral("abc") << QByteArray("abc") << false;
    QTest::newRow("outside the code page")
        << QStringLiteral(u"x\u4E2D\u0416y") << QByteArray("x\xE4\xB8\xAD\xD0\x96y") << true;
    QTest::newRow("outside the basic plane")
        << QStringLiteral(u"x\U0001F600y") << QByteArray("x\xF0\x9F\x98\x80y") << true;
    QTest::newRow("half a pair") << QString::fromUtf16(u"x\xDC00y", 3) << QByteArray("x?y")
                                 << false;
    QTest::newRow("line breaks") << QStringLiteral("a\nb\rc\r\nd") << QByteArray("a\r\nb\r\nc\r\nd")
                                 << false;
    QTest::newRow("paragraph separator")
        << QStringLiteral(u"a\u2029b") << QByteArray("a\r\nb") << false;
    QTest::newRow("ends at zero") << QString::fromUtf16(u"ab\0cd", 5) << QByteArray("ab") << false;
    QTest::newRow("code page letters")
        << QStringLiteral(u"\u00E9\u0153\u2122") << QByteArray("\xE9\x9C\x99") << false;
}

void TestTextEditor::pastedTextIsAdmitted() {
    QFETCH(QString, clipboard);
    QFETCH(QByteArray, held);
    QFETCH(bool, utf8);
    putOnClipboard(clipboard);
    m_editor->paste();
    QCOMPARE(QByteArray::fromStdString(m_editor->bytes()), held);
    QCOMPARE(m_editor->format().encoding == cipher::Encoding::Utf8, utf8);
    QCOMPARE(m_editor->byteLength(), held.size());
}

void TestTextEditor::droppedTextIsAdmitted() {
    QMimeData dropped;
    dropped.setText(QStringLiteral(u"d\u4E2D\nr"));
    const QPointF at(5, 5);
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &dropped, Qt::LeftButton, {});
    QApplication::sendEvent(m_editor->viewport(), &enter);
    QDropEvent drop(at, Qt::CopyAction, &dropped, Qt::LeftButton, {});
    QApplication::sendEvent(m_editor->viewport(), &drop);
    QCOMPARE(m_editor->bytes(), "d\xE4\xB8\xAD\r\nr"s);
}

void TestTextEditor::inputMethodTextIsAdmitted() {
    QInputMethodEvent composed;
    composed.setCommitString(QStringLiteral(u"\u65E5\u00E9"));
    QApplication::sendEvent(m_editor, &composed);
    QCOMPARE(m_editor->bytes(), "\xE6\x97\xA5\xC3\xA9"s);
}

// The toolkit's own paste fails when the source holds no text; every way to paste must
// refuse such a source and leave the text as it was.
void TestTextEditor::pasteWithoutTextIsRefused() {
    m_editor->setBytes("kept");
    QVERIFY(!m_editor->canInsertFromMimeData(nullptr));
    m_editor->insertFromMimeData(nullptr);

    QGuiApplication::clipboard()->clear();
    QTest::keyClick(m_editor, Qt::Key_Insert, Qt::ShiftModifier);
    QTest::keyClick(m_editor, Qt::Key_V, Qt::ControlModifier);
    m_editor->paste();
    const std::unique_ptr<QMenu> menu(m_editor->createContextMenu());
    auto *pasteItem = menu->findChild<QAction *>(QStringLiteral("edit-paste"));
    QVERIFY(pasteItem);
    QVERIFY(!pasteItem->isEnabled());
    pasteItem->trigger();

    QGuiApplication::clipboard()->setImage(QImage(4, 4, QImage::Format_RGB32));
    QTest::keyClick(m_editor, Qt::Key_Insert, Qt::ShiftModifier);
    m_editor->paste();
    QCOMPARE(m_editor->bytes(), "kept"s);
}

void TestTextEditor::copyCarriesRealLineBreaks() {
    m_editor->setBytes("one\r\ntwo\r\nthree");
    select(*m_editor, 1, 10);
    m_editor->copy();
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("ne\ntwo\nth"));
    m_editor->cut();
    QCOMPARE(m_editor->bytes(), "oree"s);
    m_editor->paste();
    QCOMPARE(m_editor->bytes(), "one\r\ntwo\r\nthree"s);
}

void TestTextEditor::undoTogglesOneLevel() {
    QVERIFY(!m_editor->canUndo());
    QTest::keyClicks(m_editor, "first");
    QTest::keyClick(m_editor, Qt::Key_Return);
    m_editor->selectAll();
    m_editor->cut();
    QVERIFY(m_editor->canUndo());
    for (int round = 0; round < 3; ++round) {
        m_editor->undoLastEdit();
        QCOMPARE(m_editor->bytes(), "first\r\n"s);
        QVERIFY(m_editor->canUndo());
        m_editor->undoLastEdit();
        QCOMPARE(m_editor->bytes(), ""s);
        QVERIFY(m_editor->canUndo());
    }
    // The editor's own undo key follows the same one level.
    QTest::keyClick(m_editor, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(m_editor->bytes(), "first\r\n"s);
    QTest::keyClick(m_editor, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(m_editor->bytes(), ""s);
}

void TestTextEditor::editAfterUndoEndsItsTurn() {
    m_editor->setBytes("base");
    m_editor->moveCursor(QTextCursor::End);
    QTest::keyClicks(m_editor, "12");
    m_editor->undoLastEdit();
    QCOMPARE(m_editor->bytes(), "base"s);
    QTest::keyClicks(m_editor, "x");
    QVERIFY(m_editor->canUndo());
    m_editor->undoLastEdit();
    QCOMPARE(m_editor->bytes(), "base"s);
    m_editor->undoLastEdit();
    QCOMPARE(m_editor->bytes(), "basex"s);
}

void TestTextEditor::redoKeysDoNothing() {
    QTest::keyClicks(m_editor, "abc");
    m_editor->undoLastEdit();
    QCOMPARE(m_editor->bytes(), ""s);
    QTest::keyClick(m_editor, Qt::Key_Y, Qt::ControlModifier);
    QTest::keyClick(m_editor, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(m_editor->bytes(), ""s);
    m_editor->undoLastEdit();
    QCOMPARE(m_editor->bytes(), "abc"s);
}

void TestTextEditor::contextMenuUndoFollowsOneLevel() {
    const auto undoItem = [this] {
        const std::unique_ptr<QMenu> menu(m_editor->createContextMenu());
        return std::pair(menu->findChild<QAction *>(QStringLiteral("edit-undo"))->isEnabled(),
                         menu->findChild<QAction *>(QStringLiteral("edit-redo")) != nullptr);
    };
    const auto chooseUndo = [this] {
        const std::unique_ptr<QMenu> menu(m_editor->createContextMenu());
        menu->findChild<QAction *>(QStringLiteral("edit-undo"))->trigger();
    };
    QCOMPARE(undoItem(), std::pair(false, false));
    QTest::keyClicks(m_editor, "abc");
    QCOMPARE(undoItem(), std::pair(true, false));
    chooseUndo();
    QCOMPARE(m_editor->bytes(), ""s);
    QCOMPARE(undoItem(), std::pair(true, false));
    chooseUndo();
    QCOMPARE(m_editor->bytes(), "abc"s);
}

void TestTextEditor::reportsKeyReleaseAndMouseMove() {
    QSignalSpy released(m_editor, &TextEditor::keyReleased);
    QSignalSpy moved(m_editor, &TextEditor::mouseMoved);
    QTest::keyClick(m_editor, Qt::Key_A);
    QTest::keyClick(m_editor, Qt::Key_Left, Qt::ShiftModifier);
    QCOMPARE(released.count(), 3); // Shift's own release counts too
    QTest::mouseMove(m_editor->viewport(), QPoint(20, 20));
    QTest::mouseMove(m_editor->viewport(), QPoint(30, 25));
    QCOMPARE(moved.count(), 2);
}

void TestTextEditor::declinedKeysAreLeftToShortcuts() {
    m_editor->declineKeys({QKeySequence(Qt::CTRL | Qt::Key_Delete)});
    const auto claims = [this](Qt::Key key) {
        QKeyEvent override(QEvent::ShortcutOverride, key, Qt::ControlModifier);
        override.ignore();
        QApplication::sendEvent(m_editor, &override);
        return override.isAccepted();
    };
    QVERIFY(!claims(Qt::Key_Delete));
    QVERIFY(claims(Qt::Key_X));
}

QTEST_MAIN(TestTextEditor)
#include "tst_texteditor.moc"
