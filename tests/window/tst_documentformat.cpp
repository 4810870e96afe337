// The document's encoding and line breaks through the main window: the status panel, typing
// a character Windows-1252 cannot hold, the Options menu's choices with their check marks, the
// refusal of Windows-1252 for a text it cannot hold, and New.
#include "ModalAnswerer.h"
#include "WindowUnderTest.h"

#include "platform/Beep.h"

#include <QMenu>

using namespace std::string_literals;

namespace {

// Types characters that have no key of their own, as a keyboard layout or compose key would.
void typeCharacters(QWidget *editor, const QString &text) {
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, editor, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

QString formatCaption(WindowUnderTest &w) {
    return w.find<QLabel>("pan_Format")->text();
}

// The checked item of each of the two groups, as "encoding / line breaks".
QString checkedItems(WindowUnderTest &w) {
    QStringList checked;
    for (const char *name : {"Windows12521", "Utf81", "Utf8WithMark1", "CrLf1", "Lf1"}) {
        if (w.action(name)->isChecked())
            checked << QLatin1String(name);
    }
    return checked.join(QStringLiteral(" / "));
}

} // namespace

class TestDocumentFormat : public QObject {
    Q_OBJECT
private slots:
    void init() { platform::clearRecordedBeeps(); }
    void menuAndPanelAsCreated();
    void typingMakesUtf8();
    void choices_data();
    void choices();
    void windows1252Refused_data();
    void windows1252Refused();
    void newStartsAfresh();
};

void TestDocumentFormat::menuAndPanelAsCreated() {
    WindowUnderTest w;
    QCOMPARE(formatCaption(w), QStringLiteral(" Windows-1252, CR LF"));
    QCOMPARE(w.find<QMenu>("Encoding1")->title(), QStringLiteral("&Encoding"));
    QCOMPARE(w.find<QMenu>("LineBreaks1")->title(), QStringLiteral("&Line Breaks"));
    QCOMPARE(w.action("Utf8WithMark1")->text(), QStringLiteral("UTF-8 with Byte-Order &Mark"));
    QCOMPARE(w.action("Lf1")->text(), QStringLiteral("&LF (Linux)"));
    emit w.find<QMenu>("Options1")->aboutToShow();
    QCOMPARE(checkedItems(w), QStringLiteral("Windows12521 / CrLf1"));
}

void TestDocumentFormat::typingMakesUtf8() {
    WindowUnderTest w;
    typeCharacters(w.editor(), QStringLiteral(u"\u00E9"));
    QCOMPARE(formatCaption(w), QStringLiteral(" Windows-1252, CR LF"));
    QCOMPARE(w.sizeCaption(), QStringLiteral(" 1 byte"));
    typeCharacters(w.editor(), QStringLiteral(u"\u0436"));
    QCOMPARE(formatCaption(w), QStringLiteral(" UTF-8, CR LF"));
    QCOMPARE(w.sizeCaption(), QStringLiteral(" 4 bytes"));
    QTest::keyClick(w.editor(), Qt::Key_Left, Qt::ShiftModifier);
    QCOMPARE(w.sizeCaption(), QStringLiteral(" 4 bytes, 2 bytes selected"));
    QCOMPARE(w.bytes(), "\xC3\xA9\xD0\xB6"s);
}

// Each choice changes how the text is counted and saved, never a character of it.
void TestDocumentFormat::choices_data() {
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("size");
    QTest::addColumn<QString>("checked");
    QTest::newRow("UTF-8") << QStringList{"Utf81"} << " UTF-8, CR LF"
                           << " 5 bytes"
                           << "Utf81 / CrLf1";
    QTest::newRow("UTF-8 with the mark, LF")
        << QStringList{"Utf8WithMark1", "Lf1"} << " UTF-8 BOM, LF"
        << " 5 bytes"
        << "Utf8WithMark1 / Lf1";
    QTest::newRow("back to Windows-1252 and CR LF")
        << QStringList{"Utf8WithMark1", "Lf1", "Windows12521", "CrLf1"} << " Windows-1252, CR LF"
        << " 4 bytes"
        << "Windows12521 / CrLf1";
}

void TestDocumentFormat::choices() {
    QFETCH(QStringList, items);
    QFETCH(QString, caption);
    QFETCH(QString, size);
    QFETCH(QString, checked);
    WindowUnderTest w;
    w.editor()->setBytes("\xE9\r\nx");
    for (const QString &item : items)
        w.action(qPrintable(item))->trigger();
    QCOMPARE(formatCaption(w), caption);
    QCOMPARE(w.sizeCaption(), size);
    QCOMPARE(checkedItems(w), checked);
    QCOMPARE(w.editor()->toPlainText(), QStringLiteral(u"\u00E9\nx"));
    QVERIFY(platform::recordedBeeps().empty());
}

void TestDocumentFormat::windows1252Refused_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::newRow("Cyrillic after accents")
        << QStringLiteral(u"K\u00F6ln\n\u20AC \u0436\u4E2D")
        << QStringLiteral(u"The text holds \"\u0436\" (U+0436), which Windows-1252 cannot hold.");
    QTest::newRow("outside the basic plane")
        << QStringLiteral(u"a\U0001F600")
        << QStringLiteral(u"The text holds \"\U0001F600\" (U+1F600), which Windows-1252 cannot "
                          u"hold.");
}

// The stop beep and the error box naming the first character Windows-1252 cannot hold; the
// document stays UTF-8.
void TestDocumentFormat::windows1252Refused() {
    QFETCH(QString, text);
    QFETCH(QString, message);
    WindowUnderTest w;
    w.editor()->setBytes(text.toUtf8().toStdString());
    ModalAnswerer answerer;
    answerer.press(QStringLiteral("msg_OK"));
    w.action("Windows12521")->trigger();
    QVERIFY(answerer.done());
    QCOMPARE(answerer.texts(), QStringList{message});
    QCOMPARE(answerer.titles(), QStringList{QStringLiteral("Error")});
    QVERIFY(platform::recordedBeeps() == std::vector{platform::BeepKind::Hand});
    QCOMPARE(formatCaption(w), QStringLiteral(" UTF-8, LF"));
    QCOMPARE(checkedItems(w), QStringLiteral("Utf81 / Lf1"));
    QCOMPARE(w.bytes(), text.toUtf8().replace('\n', "\r\n").toStdString());
}

void TestDocumentFormat::newStartsAfresh() {
    WindowUnderTest w;
    w.editor()->setBytes("\xEF\xBB\xBF\xC3\xA9");
    w.action("Lf1")->trigger();
    QCOMPARE(formatCaption(w), QStringLiteral(" UTF-8 BOM, LF"));
    ModalAnswerer answerer;
    answerer.press(QStringLiteral("msg_Yes"));
    w.action("New1")->trigger();
    QVERIFY(answerer.done());
    QCOMPARE(formatCaption(w), QStringLiteral(" Windows-1252, CR LF"));
}

QTEST_MAIN(TestDocumentFormat)
#include "tst_documentformat.moc"
