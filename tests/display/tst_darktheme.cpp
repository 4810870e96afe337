// The window on a dark theme: the layout's black text on the system's window colour is drawn in
// the theme's text colour while the stored values stay as they are, the tool-button pictures
// and the About box's lines stand out from their dark ground, and a light theme looks as before.
#include "FirstRunSettings.h"
#include "ModalAnswerer.h"
#include "tests/startup/PrivateConfig.h"
#include "tests/window/WindowUnderTest.h"

#include "dialogs/AboutBox.h"
#include "platform/ColorValue.h"
#include "platform/Readability.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QPainter>

namespace {

QPalette darkPalette() {
    const QColor window(53, 53, 53), text(238, 238, 236), base(35, 38, 41), disabled(127, 127, 127);
    QPalette dark(text, window, window.lighter(150), window.darker(200), window.darker(150), text,
                  Qt::white, base, window);
    dark.setColor(QPalette::ToolTipBase, base);
    dark.setColor(QPalette::ToolTipText, text);
    dark.setColor(QPalette::Highlight, QColor(42, 130, 218));
    dark.setColor(QPalette::HighlightedText, Qt::white);
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        dark.setColor(QPalette::Disabled, role, disabled);
    return dark;
}

// Sets the theme for one test and brings back the one before; the windows that exist take the
// change as the desktop's does reach them, through the event loop.
class Theme {
public:
    explicit Theme(const QPalette &palette)
        : m_before(QApplication::palette()) {
        change(palette);
    }
    ~Theme() { change(m_before); }

    static void change(const QPalette &palette) {
        QApplication::setPalette(palette);
        QCoreApplication::processEvents();
    }

private:
    QPalette m_before;
};

// The pixels of a picture, laid on the ground, that stand out from it as a drawing must
// (a contrast of at least 3 to 1).
int visiblePixels(const QImage &picture, const QColor &ground) {
    QImage laid(picture.size(), QImage::Format_ARGB32);
    laid.fill(ground);
    QPainter(&laid).drawImage(0, 0, picture);
    int visible = 0;
    for (int y = 0; y < laid.height(); ++y) {
        for (int x = 0; x < laid.width(); ++x)
            visible += platform::contrastRatio(laid.pixelColor(x, y), ground) >= 3.0;
    }
    return visible;
}

QColor drawnText(TextEditor *editor) {
    return editor->palette().color(QPalette::Text);
}
QColor drawnBack(TextEditor *editor) {
    return editor->palette().color(QPalette::Base);
}

// Opens the About box, runs the inspection while it is shown, and closes it.
void whileAboutBoxOpen(const std::function<void(QWidget *box)> &inspect) {
    ModalAnswerer answerer;
    answerer.then([&](QWidget *box) {
        inspect(box);
        box->close();
    });
    showAboutBox(nullptr);
    QVERIFY(answerer.done());
}

} // namespace

class TestDarkTheme : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();

    void readableColours_data();
    void readableColours();

    void editorTextColour_data();
    void editorTextColour();
    void editorFollowsAChangeOfTheme();
    void settingsFileStaysAsBefore();
    void toolButtonPicturesShow_data();
    void toolButtonPicturesShow();
    void lightThemeKeepsThePictures();
    void aboutBoxLinesRead_data();
    void aboutBoxLinesRead();

private:
    PrivateConfig m_config;
};

void TestDarkTheme::initTestCase() {
    QVERIFY(m_config.isPrivate());
    QVERIFY(!platform::isDarkPalette(QApplication::palette()));
    QVERIFY(platform::isDarkPalette(darkPalette()));
}

void TestDarkTheme::readableColours_data() {
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<QColor>("ground");
    QTest::addColumn<int>("moves"); // 0 stays, 1 lighter, -1 darker
    const QColor purple(128, 0, 128), darkWindow(53, 53, 53), white(Qt::white);
    QTest::newRow("black on white") << QColor(Qt::black) << white << 0;
    QTest::newRow("purple on white") << purple << white << 0;
    QTest::newRow("white on dark") << white << darkWindow << 0;
    QTest::newRow("purple on dark") << purple << darkWindow << 1;
    QTest::newRow("black on dark") << QColor(Qt::black) << darkWindow << 1;
    QTest::newRow("yellow on white") << QColor(237, 212, 0) << white << -1;
    QTest::newRow("grey on grey") << QColor(120, 120, 120) << QColor(128, 128, 128) << -1;
}

// A colour that does not read keeps its hue and moves away from the ground just far enough.
void TestDarkTheme::readableColours() {
    QFETCH(QColor, colour);
    QFETCH(QColor, ground);
    QFETCH(int, moves);
    QCOMPARE(platform::contrastRatio(colour, colour), 1.0);
    QVERIFY(qFuzzyCompare(platform::contrastRatio(Qt::black, Qt::white), 21.0));
    const QColor readable = platform::readableOn(colour, ground);
    const double contrast = platform::contrastRatio(readable, ground);
    QVERIFY2(contrast >= platform::readableContrast, qPrintable(readable.name()));
    QCOMPARE(readable.hslHue(), colour.hslHue());
    const int lightness = readable.lightness() - colour.lightness();
    QCOMPARE(lightness > 0 ? 1 : lightness < 0 ? -1 : 0, moves);
    if (moves != 0)
        QVERIFY2(contrast < platform::readableContrast + 0.5, qPrintable(readable.name()));
}

void TestDarkTheme::editorTextColour_data() {
    QTest::addColumn<bool>("dark");
    QTest::addColumn<quint32>("textValue");
    QTest::addColumn<quint32>("backValue");
    QTest::addColumn<QColor>("expected"); // invalid: the theme's text colour
    const quint32 window = platform::windowColorValue;
    const QColor black(Qt::black), red(255, 0, 0);
    QTest::newRow("dark, layout's colours") << true << 0u << window << QColor();
    QTest::newRow("light, layout's colours") << false << 0u << window << black;
    QTest::newRow("dark, system window text")
        << true << platform::windowTextColorValue << window << QColor();
    QTest::newRow("dark, explicit red text") << true << 0xFFu << window << red;
    QTest::newRow("dark, black on explicit white") << true << 0u << 0xFFFFFFu << black;
    QTest::newRow("dark, black on button face")
        << true << 0u << platform::systemColorFlag + 15 << black;
    QTest::newRow("dark, unusable text value") << true << 0x01000000u << window << black;
}

void TestDarkTheme::editorTextColour() {
    QFETCH(bool, dark);
    QFETCH(quint32, textValue);
    QFETCH(quint32, backValue);
    QFETCH(QColor, expected);
    const Theme theme(dark ? darkPalette() : QApplication::palette());
    WindowUnderTest w;
    w.editor()->setTextColorValue(textValue);
    w.editor()->setBackColorValue(backValue);
    QCOMPARE(w.editor()->textColorValue(), textValue);
    QCOMPARE(w.editor()->backColorValue(), backValue);
    if (expected.isValid()) {
        QCOMPARE(drawnText(w.editor()), expected);
        return;
    }
    QCOMPARE(drawnText(w.editor()), darkPalette().color(QPalette::Text));
    QVERIFY(platform::contrastRatio(drawnText(w.editor()), drawnBack(w.editor())) >=
            platform::readableContrast);
}

void TestDarkTheme::editorFollowsAChangeOfTheme() {
    WindowUnderTest w;
    QCOMPARE(drawnText(w.editor()), QColor(Qt::black));
    {
        const Theme theme(darkPalette());
        QCOMPARE(drawnBack(w.editor()), darkPalette().color(QPalette::Base));
        QCOMPARE(drawnText(w.editor()), darkPalette().color(QPalette::Text));
    }
    QCOMPARE(drawnText(w.editor()), QColor(Qt::black));
    QCOMPARE(drawnBack(w.editor()), QApplication::palette().color(QPalette::Base));
}

// The colours drawn on a dark theme are not what the settings file keeps.
void TestDarkTheme::settingsFileStaysAsBefore() {
    const Theme theme(darkPalette());
    QFile::remove(m_config.settingsPath());
    {
        MainWindow window;
        window.startUp(QString());
        window.shutDown();
    }
    QFile written(m_config.settingsPath());
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(written.readAll(), firstRunFile);
}

void TestDarkTheme::toolButtonPicturesShow_data() {
    QTest::addColumn<QString>("button");
    for (const char *name :
         {"btn_New", "btn_Open", "btn_Save", "btn_Cut", "btn_Copy", "btn_Paste", "btn_SelectAll",
          "btn_Delete", "btn_Undo", "btn_Encrypt", "btn_Decrypt"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

// Enabled and greyed alike, each picture has a drawing that shows on the dark tool bar.
void TestDarkTheme::toolButtonPicturesShow() {
    QFETCH(QString, button);
    const Theme theme(darkPalette());
    WindowUnderTest w;
    const QToolButton *shown = w.button(qPrintable(button));
    const QColor ground = shown->palette().color(QPalette::Window);
    for (const QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled}) {
        const QImage picture = shown->icon().pixmap(shown->iconSize(), mode).toImage();
        const int visible = visiblePixels(picture, ground);
        QVERIFY2(visible >= picture.width() * picture.height() / 10,
                 qPrintable(QString::number(visible) + (mode == QIcon::Normal ? " normal" : "")));
    }
}

// On a light theme the pictures are the renderings they always were.
void TestDarkTheme::lightThemeKeepsThePictures() {
    WindowUnderTest w;
    const QToolButton *selectAll = w.button("btn_SelectAll");
    const QImage shown = selectAll->icon().pixmap(selectAll->iconSize()).toImage();
    const auto format = QImage::Format_ARGB32_Premultiplied;
    QCOMPARE(shown.convertToFormat(format),
             QImage(QStringLiteral(":/icons/selectall.png")).convertToFormat(format));
}

void TestDarkTheme::aboutBoxLinesRead_data() {
    QTest::addColumn<QString>("label");
    for (const char *name : {"Label1", "Label3", "Label4", "Label5", "Label6", "Label7", "Label12",
                             "Label10", "Label11"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

// Each line's colour reads on the box's dark ground, and its drawn letters stand out from it.
void TestDarkTheme::aboutBoxLinesRead() {
    QFETCH(QString, label);
    const Theme theme(darkPalette());
    whileAboutBoxOpen([&](QWidget *box) {
        auto *line = box->findChild<QLabel *>(label);
        QVERIFY(line);
        const QColor ground = box->palette().color(QPalette::Window);
        const QColor ink = line->palette().color(line->foregroundRole());
        QVERIFY2(platform::contrastRatio(ink, ground) >= platform::readableContrast,
                 qPrintable(ink.name()));
        QVERIFY(visiblePixels(line->grab().toImage(), ground) > 0);
    });
}

QTEST_MAIN(TestDarkTheme)
#include "tst_darktheme.moc"
