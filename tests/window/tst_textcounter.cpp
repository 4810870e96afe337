// The editor's kept counts, of tag lines ("QvL/" at the start of a line), of lines that open and
// close an OpenPGP message, and of UTF-8 bytes, stay equal to counts over every line through
// edits that make, split, join and remove lines, undo and replacement.
#include "editor/text/MessageLines.h"
#include "editor/text/TextEditor.h"

#include <QRandomGenerator>
#include <QSignalBlocker>
#include <QTest>
#include <QTextCursor>
#include <functional>

namespace {

int countByWalking(const TextEditor &editor) {
    int count = 0;
    for (int i = 0; i < editor.lineCount(); ++i)
        count += editor.line(i).starts_with("QvL/") ? 1 : 0;
    return count;
}

bool holdsMessageLinesByWalking(const TextEditor &editor) {
    bool opens = false;
    bool closes = false;
    for (int i = 0; i < editor.lineCount(); ++i) {
        const QString line = QString::fromStdString(editor.line(i));
        opens = opens || message_lines::opensMessage(line);
        closes = closes || message_lines::closesMessage(line);
    }
    return opens && closes;
}

QTextCursor cursorAt(TextEditor &editor, int from, int to) {
    QTextCursor cursor(editor.document());
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    return cursor;
}

// The UTF-8 bytes of the selection, from the editor's own characters; each line break, three
// bytes as a paragraph separator, counts two as CR LF.
qint64 selectionBytesByWalking(const TextEditor &editor) {
    const QString selected = editor.textCursor().selectedText();
    return selected.toUtf8().size() - selected.count(QChar::ParagraphSeparator);
}

using Edit = std::function<void(TextEditor &)>;

Edit insertAt(int position, const QString &text) {
    return [=](TextEditor &editor) { cursorAt(editor, position, position).insertText(text); };
}

Edit removeRange(int from, int to) {
    return [=](TextEditor &editor) { cursorAt(editor, from, to).removeSelectedText(); };
}

} // namespace

Q_DECLARE_METATYPE(Edit)

class TestTextCounter : public QObject {
    Q_OBJECT
private slots:
    void followsEdits_data();
    void followsEdits();
    void countsReplacedText_data();
    void countsReplacedText();
    void followsTyping();
    void followsRandomEdits();
    void survivesTheEditor();
    void recountsAfterAChangeNeverAnnounced();
};

void TestTextCounter::followsEdits_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<Edit>("edit");
    QTest::addColumn<int>("expected");
    const QByteArray block = "-----START-----\r\nQvL/0122/x\r\nCabcd\r\nQvL/123\r\n-----END-----";
    QTest::newRow("loaded block") << block << Edit([](TextEditor &) {}) << 2;
    QTest::newRow("tag typed before") << QByteArray("x\r\nvL/") << insertAt(2, "Q") << 1;
    QTest::newRow("tag made by a break") << QByteArray("abQvL/") << insertAt(2, "\n") << 1;
    QTest::newRow("tag split") << QByteArray("QvL/a") << insertAt(2, "\n") << 0;
    QTest::newRow("break at the start") << QByteArray("QvL/a") << insertAt(0, "\n") << 1;
    QTest::newRow("break at the end") << QByteArray("QvL/a") << insertAt(5, "\n") << 1;
    QTest::newRow("joined behind text") << QByteArray("x\r\nQvL/") << removeRange(1, 2) << 0;
    QTest::newRow("joined behind empty") << QByteArray("\r\nQvL/") << removeRange(0, 1) << 1;
    QTest::newRow("two tags joined") << QByteArray("QvL/\r\nQvL/") << removeRange(4, 5) << 1;
    QTest::newRow("first char gone") << QByteArray("QvL/x") << removeRange(0, 1) << 0;
    QTest::newRow("tag lines removed") << block << removeRange(10, 40) << 0;
    QTest::newRow("everything removed") << block << removeRange(0, 54) << 0;
    QTest::newRow("pasted lines") << QByteArray("a") << insertAt(1, "\nQvL/1\nQvL/2\nQvL/3") << 3;
    QTest::newRow("blank before the tag") << QByteArray("QvL/") << insertAt(0, " ") << 0;
    QTest::newRow("other case") << QByteArray("QVL/\r\nqvL/") << Edit([](TextEditor &) {}) << 0;
    QTest::newRow("undo of a removal") << block << Edit([](TextEditor &editor) {
        cursorAt(editor, 0, 50).removeSelectedText();
        editor.undoLastEdit();
    }) << 2;
    QTest::newRow("undo of the undo") << block << Edit([](TextEditor &editor) {
        cursorAt(editor, 0, 50).removeSelectedText();
        editor.undoLastEdit();
        editor.undoLastEdit();
    }) << 0;
    QTest::newRow("replaced") << block << Edit([](TextEditor &editor) {
        editor.setBytes("QvL/\nQvL/\rQvL/");
    }) << 3;
    QTest::newRow("emptied") << block << Edit([](TextEditor &editor) { editor.setBytes({}); }) << 0;
}

void TestTextCounter::followsEdits() {
    QFETCH(QByteArray, text);
    QFETCH(Edit, edit);
    QFETCH(int, expected);
    TextEditor editor;
    editor.setBytes(text.toStdString());
    QCOMPARE(editor.tagLineCount(), countByWalking(editor));
    edit(editor);
    QCOMPARE(countByWalking(editor), expected);
    QCOMPARE(editor.tagLineCount(), expected);
}

void TestTextCounter::countsReplacedText_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("characters of one to four bytes")
        << QByteArray("QvL/\xC3\xA9\nx\xE4\xB8\xAD\r\nQvL/\xF0\x9F\x98\x80\n\n\xC3\xA9QvL/");
    // The document also breaks a line at a paragraph separator, so it holds more lines than the
    // text has line breaks.
    QTest::newRow("paragraph separator")
        << QByteArray("\xC3\xA9\nQvL/\xE2\x80\xA9QvL/\xC3\xA9\nab\xE2\x80\xA9\xE2\x80\xA9QvL/");
    QTest::newRow("ends with a break") << QByteArray("QvL/\xC3\xA9\nQvL/\n");
}

// A text put in place of the whole document is counted from the text itself: its counts equal
// counts over the document's lines.
void TestTextCounter::countsReplacedText() {
    QFETCH(QByteArray, text);
    TextEditor editor;
    editor.setBytes("QvL/\r\nQvL/x\r\n\xC3\xA9");
    editor.setBytes(text.toStdString());
    QCOMPARE(editor.tagLineCount(), countByWalking(editor));
    QCOMPARE(editor.byteLength(), qint64(editor.bytes().size()));
    editor.selectAll();
    QCOMPARE(editor.selectionByteLength(), selectionBytesByWalking(editor));
}

void TestTextCounter::followsTyping() {
    TextEditor editor;
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    QTest::keyClicks(&editor, "QvL/");
    QCOMPARE(editor.tagLineCount(), 1);
    QTest::keyClick(&editor, Qt::Key_Return);
    QTest::keyClicks(&editor, "QvL");
    QCOMPARE(editor.tagLineCount(), 1);
    QTest::keyClick(&editor, Qt::Key_Slash);
    QCOMPARE(editor.tagLineCount(), 2);
    QTest::keyClick(&editor, Qt::Key_Home);
    QTest::keyClick(&editor, Qt::Key_Backspace);
    QCOMPARE(editor.tagLineCount(), 1);
    QTest::keyClick(&editor, Qt::Key_Return);
    QCOMPARE(editor.tagLineCount(), 2);
    QTest::keyClick(&editor, Qt::Key_Delete);
    QCOMPARE(editor.tagLineCount(), 1);
    QCOMPARE(editor.tagLineCount(), countByWalking(editor));
}

// Edits drawn from the characters of the tag, the words of an OpenPGP message's armour lines,
// blanks, line breaks and characters of one to four UTF-8 bytes, so tags and armour lines appear,
// split and join often; after every edit the kept counts must equal counts over all lines, and a
// selection's size the bytes it holds.
void TestTextCounter::followsRandomEdits() {
    QRandomGenerator random(20261210);
    const QString pieces[] = {"Q",
                              "v",
                              "L",
                              "/",
                              "\n",
                              "QvL/",
                              "\nQvL/",
                              "x",
                              "QvL/x\n",
                              QStringLiteral(u"\u00E9"),
                              QStringLiteral(u"\u4E2D\n\u0436"),
                              QStringLiteral(u"\U0001F600"),
                              QStringLiteral(u"a\u20AC\n"),
                              "-----BEGIN",
                              "-----END",
                              " PGP",
                              " MESSAGE-----",
                              "> -----BEGIN PGP MESSAGE-----\n",
                              "-----END PGP MESSAGE-----",
                              " ",
                              ">"};
    TextEditor editor;
    editor.setBytes("\xC3\xA9"); // UTF-8 from the start, so every size counts UTF-8 bytes
    // A position drawn at random, moved off the middle of a surrogate pair: the editor never
    // splits a character.
    const auto anywhere = [&] {
        const int position = int(random.bounded(editor.document()->characterCount()));
        return editor.document()->characterAt(position).isLowSurrogate() ? position - 1 : position;
    };
    for (int step = 0; step < 3000; ++step) {
        const int at = anywhere();
        switch (random.bounded(10)) {
        case 0:
            editor.undoLastEdit();
            break;
        case 1:
        case 2:
        case 3: {
            QTextCursor removed = cursorAt(editor, at, at);
            removed.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor,
                                 int(random.bounded(8)));
            removed.removeSelectedText();
            break;
        }
        default:
            cursorAt(editor, at, at).insertText(pieces[random.bounded(int(std::size(pieces)))]);
        }
        QCOMPARE(editor.tagLineCount(), countByWalking(editor));
        QCOMPARE(editor.holdsMessageLines(), holdsMessageLinesByWalking(editor));
        QCOMPARE(editor.byteLength(), qint64(editor.bytes().size()));
        // The last selection, carried along by the edit before, after or around it.
        QCOMPARE(editor.selectionByteLength(), selectionBytesByWalking(editor));
        QTextCursor selection = cursorAt(editor, anywhere(), anywhere());
        editor.setTextCursor(selection);
        QCOMPARE(editor.selectionByteLength(), selectionBytesByWalking(editor));
        // One end moved by a character, as a selection grows under the keys or the mouse.
        selection.movePosition(QTextCursor::PreviousCharacter, QTextCursor::KeepAnchor);
        editor.setTextCursor(selection);
        QCOMPARE(editor.selectionByteLength(), selectionBytesByWalking(editor));
    }
}

void TestTextCounter::survivesTheEditor() {
    auto *editor = new TextEditor;
    editor->setBytes("QvL/\r\nQvL/");
    QCOMPARE(editor->tagLineCount(), 2);
    delete editor; // the marks go with the document's blocks, after the editor itself
}

// Lines the document took in without telling the counter leave its counts short; the next edit
// finds that they do not add up and counts every line afresh instead of patching past the end.
void TestTextCounter::recountsAfterAChangeNeverAnnounced() {
    TextEditor editor;
    editor.setBytes("QvL/\r\nb");
    {
        const QSignalBlocker silent(editor.document());
        QTextCursor(editor.document()).insertText(QStringLiteral("QvL/\nQvL/\n\n"));
    }
    QTextCursor end(editor.document());
    end.movePosition(QTextCursor::End);
    end.insertText(QStringLiteral("\n"));
    QCOMPARE(editor.tagLineCount(), countByWalking(editor));
    QCOMPARE(editor.tagLineCount(), 3);
    QCOMPARE(editor.byteLength(), qint64(editor.bytes().size()));
}

QTEST_MAIN(TestTextCounter)
#include "tst_textcounter.moc"
