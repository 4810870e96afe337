// The display options through the main window and the real font and colour dialogs: Cancel
// changes nothing, the font never changes the text colour, the colour dialogs' "differs" rule
// (a system colour becomes explicit when confirmed), and Word Wrap; none of them touches the
// text or the status panels.
#include "tests/files/FileFixtures.h"
#include "tests/startup/PrivateConfig.h"

#include "platform/ColorValue.h"

#include <QApplication>
#include <QColorDialog>
#include <QFontDialog>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>

using namespace file_fixtures;
using crypt_fixtures::beepNames;

namespace {

// How the editor looks: its font, its colour values and the colours it draws with.
struct Look {
    QFont font;
    quint32 textColor;
    quint32 backColor;
    QColor drawnText;
    QColor drawnBack;

    explicit Look(TextEditor *editor)
        : font(editor->font())
        , textColor(editor->textColorValue())
        , backColor(editor->backColorValue())
        , drawnText(editor->palette().color(QPalette::Text))
        , drawnBack(editor->palette().color(QPalette::Base)) {}

    bool operator==(const Look &) const = default;
};

QColor systemWindowColor() {
    return QApplication::palette().color(QPalette::Active, QPalette::Base);
}

// Runs a command of the Options menu with one answer for its dialog; the dialog's starting
// colour or font is handed to the answer.
void runOption(WindowUnderTest &w, const char *item, const ModalAnswerer::Answer &answer) {
    ModalAnswerer answerer;
    answerer.then(answer);
    w.action(item)->trigger();
    QVERIFY(answerer.done());
}

ModalAnswerer::Answer confirmColor(QColor *starting, const QColor &chosen) {
    return [starting, chosen](QWidget *modal) {
        auto *dialog = static_cast<QColorDialog *>(modal);
        *starting = dialog->currentColor();
        if (chosen.isValid())
            dialog->setCurrentColor(chosen);
        dialog->accept();
    };
}

} // namespace

class TestDisplayOptions : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();

    void cancelChangesNothing_data();
    void cancelChangesNothing();
    void fontKeepsTheTextColor();
    void colors_data();
    void colors();
    void wordWrapTwice();
    void scrollBarsEvenForAnEmptyText();

private:
    // A window with a text, a selection and an edit that can be undone.
    static void prepare(WindowUnderTest &w);

    // Nothing these tests do (the dialogs keep state of their own) reaches a user's folder.
    PrivateConfig m_config;
};

void TestDisplayOptions::initTestCase() {
    QVERIFY(m_config.isPrivate());
}

void TestDisplayOptions::init() {
    platform::clearRecordedBeeps();
}

void TestDisplayOptions::prepare(WindowUnderTest &w) {
    w.editor()->setBytes("QvL/1\r\nQvL/2\r\nsome text");
    type(w.editor(), QStringLiteral("!"));
    select(w.editor(), 2, 9);
}

void TestDisplayOptions::cancelChangesNothing_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("answer");
    for (const char *item : {"Font1", "TextColor1", "BackgroundColor1"}) {
        QTest::addRow("%s, Escape", item) << item << "key Escape";
        QTest::addRow("%s, closed by the frame", item) << item << "frame";
    }
}

void TestDisplayOptions::cancelChangesNothing() {
    QFETCH(QString, item);
    QFETCH(QString, answer);
    WindowUnderTest w;
    prepare(w);
    const Look look(w.editor());
    const EditorState state(w);
    ModalAnswerer answerer;
    answerWith(answerer, answer);
    w.action(qPrintable(item))->trigger();
    QVERIFY(answerer.done());
    QVERIFY(Look(w.editor()) == look);
    QVERIFY(EditorState(w) == state);
    QVERIFY(beepNames().isEmpty());
}

// The dialog opens on the editor's font; the chosen face, size, bold and italic come back, the
// colour stays, and underline and strike-out are never set.
void TestDisplayOptions::fontKeepsTheTextColor() {
    WindowUnderTest w;
    prepare(w);
    w.editor()->setTextColorValue(0x0000FF);
    const Look before(w.editor());
    const EditorState state(w);
    QFont starting;
    runOption(w, "Font1", [&](QWidget *modal) {
        auto *dialog = static_cast<QFontDialog *>(modal);
        starting = dialog->currentFont();
        QFont chosen(QStringLiteral("DejaVu Sans"), 14);
        chosen.setBold(true);
        chosen.setItalic(true);
        dialog->setCurrentFont(chosen);
        dialog->accept();
    });
    QCOMPARE(starting.pointSize(), 10);
    const QFont font = w.editor()->font();
    QCOMPARE(font.family(), QStringLiteral("DejaVu Sans"));
    QCOMPARE(font.pointSize(), 14);
    QVERIFY(font.bold());
    QVERIFY(font.italic());
    QVERIFY(!font.underline());
    QVERIFY(!font.strikeOut());
    QCOMPARE(w.editor()->textColorValue(), 0x0000FFu);
    QCOMPARE(w.editor()->palette().color(QPalette::Text), before.drawnText);
    QCOMPARE(w.editor()->backColorValue(), before.backColor);
    QVERIFY(EditorState(w) == state);
}

void TestDisplayOptions::colors_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<quint32>("backBefore");
    QTest::addColumn<QColor>("chosen"); // invalid: confirmed on the starting colour
    QTest::addColumn<QColor>("starting");
    QTest::addColumn<quint32>("textColor");
    QTest::addColumn<quint32>("backColor");
    const quint32 window = platform::windowColorValue;
    const quint32 explicitWindow = platform::valueFromColor(systemWindowColor());
    const auto row = [](const char *name, const char *item, quint32 backBefore,
                        const QColor &chosen, const QColor &starting, quint32 textColor,
                        quint32 backColor) {
        QTest::newRow(name) << QString::fromLatin1(item) << backBefore << chosen << starting
                            << textColor << backColor;
    };
    row("text colour confirmed on its black", "TextColor1", window, QColor(), Qt::black, 0, window);
    row("text colour chosen, red in the lowest byte", "TextColor1", window,
        QColor(0x12, 0x34, 0x56), Qt::black, 0x563412, window);
    row("background confirmed on the system colour", "BackgroundColor1", window, QColor(),
        systemWindowColor(), 0, explicitWindow);
    row("background chosen", "BackgroundColor1", window, Qt::white, systemWindowColor(), 0,
        0xFFFFFF);
    // A value from a settings file that names no colour draws as the window colour, and the
    // dialog opens on what is drawn.
    row("background naming no colour, confirmed", "BackgroundColor1", 0x7FFFFFFF, QColor(),
        systemWindowColor(), 0, explicitWindow);
}

// The dialog opens on the present colour; a confirmed colour whose value differs replaces it.
// Confirming the system window colour makes it explicit: it looks the same but no longer
// follows the system.
void TestDisplayOptions::colors() {
    QFETCH(QString, item);
    QFETCH(quint32, backBefore);
    QFETCH(QColor, chosen);
    QFETCH(QColor, starting);
    QFETCH(quint32, textColor);
    QFETCH(quint32, backColor);
    WindowUnderTest w;
    prepare(w);
    w.editor()->setBackColorValue(backBefore);
    const EditorState state(w);
    QColor opened;
    runOption(w, qPrintable(item), confirmColor(&opened, chosen));
    QCOMPARE(opened, starting);
    QCOMPARE(w.editor()->textColorValue(), textColor);
    QCOMPARE(w.editor()->backColorValue(), backColor);
    const QPalette drawn = w.editor()->palette();
    QCOMPARE(drawn.color(QPalette::Text), platform::colorFromValue(textColor, drawn));
    QCOMPARE(drawn.color(QPalette::Base), platform::colorFromValue(backColor, drawn));
    QVERIFY(EditorState(w) == state);
}

// A long line shows on several screen lines while wrapped, and is one line of the text all
// along; the second Word Wrap brings back the horizontal scroll bar and unwrapped lines.
void TestDisplayOptions::wordWrapTwice() {
    WindowUnderTest w;
    w.editor()->setBytes(std::string(2000, 'x') + "\r\nshort");
    const EditorState state(w);
    const auto screenLinesOfFirst = [&] {
        QCoreApplication::processEvents();
        return w.editor()->document()->firstBlock().layout()->lineCount();
    };
    QCOMPARE(screenLinesOfFirst(), 1);

    w.action("WordWrap1")->trigger();
    QVERIFY(w.action("WordWrap1")->isChecked());
    QCOMPARE(w.editor()->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    QCOMPARE(w.editor()->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QVERIFY(screenLinesOfFirst() > 1);
    QCOMPARE(w.editor()->lineCount(), 2);
    QVERIFY(EditorState(w) == state);

    w.action("WordWrap1")->trigger();
    QVERIFY(!w.action("WordWrap1")->isChecked());
    QCOMPARE(w.editor()->lineWrapMode(), QPlainTextEdit::NoWrap);
    QCOMPARE(w.editor()->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(screenLinesOfFirst(), 1);
    QVERIFY(EditorState(w) == state);
}

// Both scroll bars stand from the start, the text empty; Word Wrap takes the horizontal one
// away and the second Word Wrap brings it back.
void TestDisplayOptions::scrollBarsEvenForAnEmptyText() {
    WindowUnderTest w;
    QVERIFY(QTest::qWaitForWindowExposed(&w.window()));
    const auto shown = [&] {
        QCoreApplication::processEvents();
        return QList<bool>{w.editor()->verticalScrollBar()->isVisible(),
                           w.editor()->horizontalScrollBar()->isVisible()};
    };
    QCOMPARE(shown(), QList<bool>({true, true}));
    w.action("WordWrap1")->trigger();
    QCOMPARE(shown(), QList<bool>({true, false}));
    w.action("WordWrap1")->trigger();
    QCOMPARE(shown(), QList<bool>({true, true}));
}

QTEST_MAIN(TestDisplayOptions)
#include "tst_displayoptions.moc"
