// The editor's count of tag lines ("QvL/" at the start of a line) stays equal to a count over
// every line through edits that make, split, join and remove tag lines, undo and replacement.
#include "editor/SPadEditor.h"

#include <QRandomGenerator>
#include <QTest>
#include <functional>

namespace {

int countByWalking(const SPadEditor &editor) {
    int count = 0;
    for (int i = 0; i < editor.lineCount(); ++i)
        count += editor.line(i).starts_with("QvL/") ? 1 : 0;
    return count;
}

QTextCursor cursorAt(SPadEditor &editor, int from, int to) {
    QTextCursor cursor(editor.document());
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    return cursor;
}

using Edit = std::function<void(SPadEditor &)>;

Edit insertAt(int position, const QString &text) {
    return [=](SPadEditor &editor) { cursorAt(editor, position, position).insertText(text); };
}

Edit removeRange(int from, int to) {
    return [=](SPadEditor &editor) { cursorAt(editor, from, to).removeSelectedText(); };
}

} // namespace

Q_DECLARE_METATYPE(Edit)

class TestTagLines : public QObject {
    Q_OBJECT
private slots:
    void followsEdits_data();
    void followsEdits();
    void followsTyping();
    void followsRandomEdits();
    void survivesTheEditor();
};

void TestTagLines::followsEdits_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<Edit>("edit");
    QTest::addColumn<int>("expected");
    const QByteArray block = "-----START-----\r\nQvL/0122/x\r\nCabcd\r\nQvL/123\r\n-----END-----";
    QTest::newRow("loaded block") << block << Edit([](SPadEditor &) {}) << 2;
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
    QTest::newRow("other case") << QByteArray("QVL/\r\nqvL/") << Edit([](SPadEditor &) {}) << 0;
    QTest::newRow("undo of a removal") << block << Edit([](SPadEditor &editor) {
        cursorAt(editor, 0, 50).removeSelectedText();
        editor.undoLastEdit();
    }) << 2;
    QTest::newRow("undo of the undo") << block << Edit([](SPadEditor &editor) {
        cursorAt(editor, 0, 50).removeSelectedText();
        editor.undoLastEdit();
        editor.undoLastEdit();
    }) << 0;
    QTest::newRow("replaced") << block << Edit([](SPadEditor &editor) {
        editor.setBytes("QvL/\nQvL/\rQvL/");
    }) << 3;
    QTest::newRow("emptied") << block << Edit([](SPadEditor &editor) { editor.setBytes({}); }) << 0;
}

void TestTagLines::followsEdits() {
    QFETCH(QByteArray, text);
    QFETCH(Edit, edit);
    QFETCH(int, expected);
    SPadEditor editor;
    editor.setBytes(text.toStdString());
    QCOMPARE(editor.tagLineCount(), countByWalking(editor));
    edit(editor);
    QCOMPARE(countByWalking(editor), expected);
    QCOMPARE(editor.tagLineCount(), expected);
}

void TestTagLines::followsTyping() {
    SPadEditor editor;
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

// Edits drawn from the characters of the tag and line breaks, so tags appear, split and join
// often; after every edit the kept count must equal a count over all lines.
void TestTagLines::followsRandomEdits() {
    QRandomGenerator random(20261210);
    const QString pieces[] = {"Q", "v", "L", "/", "\n", "QvL/", "\nQvL/", "x", "QvL/x\n"};
    SPadEditor editor;
    for (int step = 0; step < 3000; ++step) {
        const int size = editor.document()->characterCount() - 1;
        const int at = int(random.bounded(size + 1));
        switch (random.bounded(10)) {
        case 0:
            editor.undoLastEdit();
            break;
        case 1:
        case 2:
        case 3: {
            const int to = std::min(size, at + int(random.bounded(8)));
            cursorAt(editor, at, to).removeSelectedText();
            break;
        }
        default:
            cursorAt(editor, at, at).insertText(pieces[random.bounded(int(std::size(pieces)))]);
        }
        QCOMPARE(editor.tagLineCount(), countByWalking(editor));
    }
}

void TestTagLines::survivesTheEditor() {
    auto *editor = new SPadEditor;
    editor->setBytes("QvL/\r\nQvL/");
    QCOMPARE(editor->tagLineCount(), 2);
    delete editor; // the marks go with the document's blocks, after the editor itself
}

QTEST_MAIN(TestTagLines)
#include "tst_taglines.moc"
