// The settings file through the main window: startUp applies what QVL.INI holds, with every
// odd value and odd file a hand can leave there, and shutDown writes the settings back,
// keeping everything else in the file; a file that cannot be written gives one error box.
#include "DisplaySettingsText.h"
#include "PrivateConfig.h"

#include "tests/files/FileFixtures.h"

#include "editor/window/DisplaySettings.h"
#include "platform/ColorValue.h"

#include <QApplication>
#include <QColorDialog>
#include <QFontDialog>
#include <QTimer>
#include <functional>
#include <memory>
#include <sys/stat.h>

using namespace file_fixtures;

namespace {

// The file that a first run writes, with the values given in place of the layout's.
QByteArray eightLines(const QMap<QByteArray, QByteArray> &values = {}) {
    static const std::pair<QByteArray, QByteArray> layout[] = {
        {"FontName", "Fixedsys"},     {"FontSize", "10"},
        {"FontColor", "0"},           {"FontBold", "0"},
        {"FontItalic", "0"},          {"WordWrap", "0"},
        {"BackColor", "-2147483643"},
    };
    QByteArray file("[Shroud-a-Pad]\n");
    for (const auto &[key, value] : layout)
        file += key + '=' + values.value(key, value) + '\n';
    return file;
}

DisplaySettings layoutWith(const std::function<void(DisplaySettings &)> &change) {
    DisplaySettings settings;
    change(settings);
    return settings;
}

// The settings as the window shows them: the editor's font and colour values and the check
// mark of Word Wrap.
DisplaySettings shownBy(MainWindow &window) {
    const auto *editor = window.findChild<TextEditor *>(QStringLiteral("txt_SPad"));
    const auto *wordWrap = window.findChild<QAction *>(QStringLiteral("WordWrap1"));
    const QFont font = editor->font();
    return {font.family(), font.pointSize(),      qint32(editor->textColorValue()), font.bold(),
            font.italic(), wordWrap->isChecked(), qint32(editor->backColorValue())};
}

// The editor draws with what its values name, and wraps exactly when Word Wrap is checked.
bool drawsAsShown(MainWindow &window) {
    const auto *editor = window.findChild<TextEditor *>(QStringLiteral("txt_SPad"));
    const DisplaySettings shown = shownBy(window);
    const QPalette drawn = editor->palette();
    const auto drawsWith = [&](QPalette::ColorRole role, qint32 value) {
        const QColor named = platform::colorFromValue(quint32(value), QApplication::palette());
        return !named.isValid() || drawn.color(role) == named;
    };
    const auto wrapping = shown.wordWrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap;
    return drawsWith(QPalette::Text, shown.fontColor) &&
           drawsWith(QPalette::Base, shown.backColor) && editor->lineWrapMode() == wrapping;
}

} // namespace

class TestStartupSettings : public QObject {
    Q_OBJECT
private slots:
    void init();

    void firstRunWritesEightLines();
    void storedValues_data();
    void storedValues();
    void oddFiles_data();
    void oddFiles();
    void oversizedFileIsKept();
    void readOnlyFileIsKept();
    void otherThanAFileIsKept_data();
    void otherThanAFileIsKept();
    void roundTripAcrossTwoRuns();
    void quitAsksNothing_data();
    void quitAsksNothing();

private:
    void store(const QByteArray &content);
    // What one run of the window showed after startUp.
    struct Seen {
        DisplaySettings shown;
        bool drawnAsShown;
    };
    // One run of the window without its event loop: created, startUp, shutDown.
    static Seen run();

    std::unique_ptr<PrivateConfig> m_config;
};

void TestStartupSettings::init() {
    m_config = std::make_unique<PrivateConfig>();
    QVERIFY(m_config->isPrivate());
    platform::clearRecordedBeeps();
}

void TestStartupSettings::store(const QByteArray &content) {
    QVERIFY(QDir().mkpath(QFileInfo(m_config->settingsPath()).path()));
    QVERIFY(writeFile(m_config->settingsPath(), content));
}

TestStartupSettings::Seen TestStartupSettings::run() {
    MainWindow window;
    window.startUp(QString());
    const Seen seen{shownBy(window), drawsAsShown(window)};
    window.shutDown();
    return seen;
}

// No file and no folder: the layout's settings, nothing created by reading, and at shutdown
// the folder and the eight lines.
void TestStartupSettings::firstRunWritesEightLines() {
    const QString folder = QFileInfo(m_config->settingsPath()).path();
    QVERIFY(!QFileInfo::exists(folder));
    MainWindow window;
    window.startUp(QString());
    QCOMPARE(shownBy(window), DisplaySettings());
    QVERIFY(drawsAsShown(window));
    QCOMPARE(window.findChild<TextEditor *>()->palette().color(QPalette::Base),
             QApplication::palette().color(QPalette::Base));
    QVERIFY(!QFileInfo::exists(folder));
    window.shutDown();
    QCOMPARE(contentOf(m_config->settingsPath()), eightLines());
}

void TestStartupSettings::storedValues_data() {
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<DisplaySettings>("shown");
    QTest::addColumn<QByteArray>("written");
    const auto row = [](const char *name, const QByteArray &key, const QByteArray &stored,
                        const std::function<void(DisplaySettings &)> &change,
                        const QByteArray &written) {
        QTest::newRow(name) << key << stored << layoutWith(change) << written;
    };
    const auto none = [](DisplaySettings &) {};
    row(
        "FontColor 0xFF", "FontColor", "0xFF", [](auto &s) { s.fontColor = 255; }, "255");
    row(
        "FontColor $FF", "FontColor", "$FF", [](auto &s) { s.fontColor = 255; }, "255");
    row("FontColor 0x alone", "FontColor", "0x", none, "0");
    row(
        "FontColor a system colour", "FontColor", "-2147483640",
        [](auto &s) { s.fontColor = qint32(platform::windowTextColorValue); }, "-2147483640");
    row(
        "FontSize after a blank", "FontSize", " 12", [](auto &s) { s.fontSize = 12; }, "12");
    row("FontSize 12pt", "FontSize", "12pt", none, "10");
    row(
        "FontSize 100", "FontSize", "100", [](auto &s) { s.fontSize = 100; }, "100");
    // A size no font can have is drawn with the default size and written back as it was.
    row("FontSize 0", "FontSize", "0", none, "0");
    row("FontSize -12", "FontSize", "-12", none, "-12");
    row("FontSize 100000", "FontSize", "100000", none, "100000");
    row(
        "FontBold 2", "FontBold", "2", [](auto &s) { s.bold = true; }, "1");
    row(
        "FontBold -1", "FontBold", "-1", [](auto &s) { s.bold = true; }, "1");
    row("FontBold yes", "FontBold", "yes", none, "0");
    row(
        "FontItalic 1", "FontItalic", "1", [](auto &s) { s.italic = true; }, "1");
    row(
        "WordWrap 1", "WordWrap", "1", [](auto &s) { s.wordWrap = true; }, "1");
    row("BackColor -6", "BackColor", "-6", none, "-2147483643");
    row(
        "BackColor white", "BackColor", "16777215", [](auto &s) { s.backColor = 16777215; },
        "16777215");
    row("BackColor -2147483648 refused", "BackColor", "-2147483648", none, "-2147483643");
    row("FontName empty", "FontName", "", none, "Fixedsys");
    row(
        "FontName another", "FontName", "DejaVu Sans",
        [](auto &s) { s.fontName = QStringLiteral("DejaVu Sans"); }, "DejaVu Sans");
    row(
        "FontName of 40 characters", "FontName", QByteArray(40, 'n'),
        [](auto &s) { s.fontName = QString(31, u'n'); }, QByteArray(31, 'n'));
}

// One value of a full settings file: what the window shows, and what it writes back.
void TestStartupSettings::storedValues() {
    QFETCH(QByteArray, key);
    QFETCH(QByteArray, stored);
    QFETCH(DisplaySettings, shown);
    QFETCH(QByteArray, written);
    store(eightLines({{key, stored}}));
    const Seen seen = run();
    QCOMPARE(seen.shown, shown);
    QVERIFY(seen.drawnAsShown);
    QCOMPARE(contentOf(m_config->settingsPath()), eightLines({{key, written}}));
}

void TestStartupSettings::oddFiles_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<DisplaySettings>("shown");
    QTest::addColumn<QByteArray>("written");
    const QByteArray garbage("garbage ]]] [[[\nno = settings\n\x01\x02\x03");
    QTest::newRow("garbage") << garbage << DisplaySettings() << garbage + '\n' + eightLines();
    QByteArray binary;
    for (int i = 0; i < 4096; ++i) {
        const char byte = char(i * 37 % 256);
        if (byte != '\n' && byte != '\r' && byte != '[')
            binary += byte;
    }
    QTest::newRow("binary") << binary << DisplaySettings() << binary + '\n' + eightLines();
    QTest::newRow("missing section") << QByteArray("[Other]\nFontSize=12\n") << DisplaySettings()
                                     << "[Other]\nFontSize=12\n" + eightLines();
    QTest::newRow("duplicate keys")
        << QByteArray("[Shroud-a-Pad]\nFontSize=11\nFontSize=12\n")
        << layoutWith([](auto &s) { s.fontSize = 11; })
        << QByteArray("[Shroud-a-Pad]\nFontSize=11\nFontSize=12\nFontName=Fixedsys\nFontColor=0\n"
                      "FontBold=0\nFontItalic=0\nWordWrap=0\nBackColor=-2147483643\n");
    QTest::newRow("duplicate sections")
        << QByteArray("[Shroud-a-Pad]\nFontBold=1\n[Shroud-a-Pad]\nFontItalic=1\n")
        << layoutWith([](auto &s) { s.bold = true; })
        << QByteArray("[Shroud-a-Pad]\nFontBold=1\nFontName=Fixedsys\nFontSize=10\nFontColor=0\n"
                      "FontItalic=0\nWordWrap=0\nBackColor=-2147483643\n"
                      "[Shroud-a-Pad]\nFontItalic=1\n");
    QTest::newRow("names in another case")
        << QByteArray("[shroud-a-pad]\nfontbold=1\n") << layoutWith([](auto &s) { s.bold = true; })
        << QByteArray("[shroud-a-pad]\nFontBold=1\nFontName=Fixedsys\nFontSize=10\nFontColor=0\n"
                      "FontItalic=0\nWordWrap=0\nBackColor=-2147483643\n");
    QTest::newRow("other sections and comments")
        << QByteArray("; settings by hand\r\n[Before]\r\nFontSize=20\r\n\r\n[Shroud-a-Pad]\r\n"
                      "; FontSize=99\r\nFontSize = 14 \r\n\r\n[After]\r\nWordWrap=1\r\n")
        << layoutWith([](auto &s) { s.fontSize = 14; })
        << QByteArray("; settings by hand\r\n[Before]\r\nFontSize=20\r\n\r\n[Shroud-a-Pad]\r\n"
                      "; FontSize=99\r\nFontSize=14\r\nFontName=Fixedsys\r\nFontColor=0\r\n"
                      "FontBold=0\r\nFontItalic=0\r\nWordWrap=0\r\nBackColor=-2147483643\r\n"
                      "\r\n[After]\r\nWordWrap=1\r\n");
    QByteArray large;
    while (large.size() < 1024 * 1024)
        large += "; a long comment line that makes the file large, written by another tool\n";
    large += eightLines({{"FontSize", "16"}});
    QTest::newRow("a megabyte") << large << layoutWith([](auto &s) { s.fontSize = 16; }) << large;
}

// Unusable content gives the layout's settings; at shutdown the keys are written into the
// section and every other byte of the file stays as it was.
void TestStartupSettings::oddFiles() {
    QFETCH(QByteArray, content);
    QFETCH(DisplaySettings, shown);
    QFETCH(QByteArray, written);
    store(content);
    const Seen seen = run();
    QCOMPARE(seen.shown, shown);
    QVERIFY(seen.drawnAsShown);
    QCOMPARE(contentOf(m_config->settingsPath()), written);
}

// Larger than any settings file can be: read as missing, and not rewritten, since it cannot
// be rewritten without losing what it holds.
void TestStartupSettings::oversizedFileIsKept() {
    const QByteArray content = QByteArray(17 * 1024 * 1024, ';') + "\n" + eightLines();
    store(content);
    ModalAnswerer answerer;
    answerer.press(QStringLiteral("msg_OK"));
    QCOMPARE(run().shown, DisplaySettings());
    QVERIFY(answerer.done());
    QCOMPARE(shown(answerer), QStringList{"Shroud-a-Pad: Unable to write to QVL.INI."});
    QVERIFY(contentOf(m_config->settingsPath()) == content);
}

// Read normally; at shutdown one application-level error box, and the file as it was.
void TestStartupSettings::readOnlyFileIsKept() {
    const QByteArray content = eightLines({{"FontBold", "1"}});
    store(content);
    const auto readOnly = QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;
    QVERIFY(QFile::setPermissions(m_config->settingsPath(), readOnly));
    ModalAnswerer answerer;
    answerer.press(QStringLiteral("msg_OK"));
    QCOMPARE(run().shown, layoutWith([](auto &s) { s.bold = true; }));
    QVERIFY(answerer.done());
    QCOMPARE(shown(answerer), QStringList{"Shroud-a-Pad: Unable to write to QVL.INI."});
    QCOMPARE(contentOf(m_config->settingsPath()), content);
    // The "user" permissions say what this process may do, which for an administrator is
    // anything; the file's own marks are those of its owner, group and others.
    const auto userMarks = QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ExeUser;
    QCOMPARE(QFile::permissions(m_config->settingsPath()) & ~userMarks, readOnly);
}

void TestStartupSettings::otherThanAFileIsKept_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("a pipe") << "pipe";
    QTest::newRow("a folder") << "folder";
}

// Never opened, so a pipe cannot hold up the start; the layout's settings, and at shutdown one
// error box with the pipe or folder left as it was.
void TestStartupSettings::otherThanAFileIsKept() {
    QFETCH(QString, kind);
    const QString path = m_config->settingsPath();
    QVERIFY(QDir().mkpath(QFileInfo(path).path()));
    if (kind == QLatin1String("pipe"))
        QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    else
        QVERIFY(QDir().mkdir(path));
    ModalAnswerer answerer;
    answerer.press(QStringLiteral("msg_OK"));
    QCOMPARE(run().shown, DisplaySettings());
    QVERIFY(answerer.done());
    QCOMPARE(shown(answerer), QStringList{"Shroud-a-Pad: Unable to write to QVL.INI."});
    const QFileInfo after(path);
    QVERIFY(kind == QLatin1String("pipe") ? !after.isFile() && !after.isDir() : after.isDir());
}

// Settings changed through the Options menu of one run are the settings of the next.
void TestStartupSettings::roundTripAcrossTwoRuns() {
    DisplaySettings changed;
    {
        WindowUnderTest w;
        w.window().startUp(QString());
        ModalAnswerer answerer;
        answerer
            .then([](QWidget *modal) {
                auto *dialog = static_cast<QFontDialog *>(modal);
                QFont font(QStringLiteral("DejaVu Sans"), 12);
                font.setItalic(true);
                dialog->setCurrentFont(font);
                static_cast<QDialog *>(dialog)->accept();
            })
            .then([](QWidget *modal) {
                static_cast<QColorDialog *>(modal)->setCurrentColor(QColor(0x12, 0x34, 0x56));
                static_cast<QDialog *>(modal)->accept();
            })
            .then([](QWidget *modal) {
                static_cast<QColorDialog *>(modal)->setCurrentColor(Qt::white);
                static_cast<QDialog *>(modal)->accept();
            });
        for (const char *item : {"Font1", "TextColor1", "BackgroundColor1", "WordWrap1"})
            w.action(item)->trigger();
        QVERIFY(answerer.done());
        changed = shownBy(w.window());
        w.window().shutDown();
    }
    QCOMPARE(changed, DisplaySettings({QStringLiteral("DejaVu Sans"), 12, 0x563412, false, true,
                                       true, 0xFFFFFF}));
    QCOMPARE(contentOf(m_config->settingsPath()), eightLines({{"FontName", "DejaVu Sans"},
                                                              {"FontSize", "12"},
                                                              {"FontColor", "5649426"},
                                                              {"FontItalic", "1"},
                                                              {"WordWrap", "1"},
                                                              {"BackColor", "16777215"}}));
    const Seen next = run();
    QCOMPARE(next.shown, changed);
    QVERIFY(next.drawnAsShown);
}

void TestStartupSettings::quitAsksNothing_data() {
    QTest::addColumn<QString>("way");
    QTest::newRow("Exit") << "Exit1";
    QTest::newRow("the window closed") << "close";
}

// With unsaved text, Exit and closing the window both end the event loop at once, asking
// nothing; the settings are then written by shutDown, as the program's entry does.
void TestStartupSettings::quitAsksNothing() {
    QFETCH(QString, way);
    WindowUnderTest w;
    w.window().startUp(QString());
    w.editor()->setBytes("unsaved text");
    ModalAnswerer answerer;
    answerer.closeFrame(); // any question would be recorded here
    QTimer::singleShot(0, &w.window(), [&] {
        if (way == QLatin1String("close"))
            w.window().close();
        else
            w.action(qPrintable(way))->trigger();
    });
    QTimer hang; // a failure, not a hang
    hang.callOnTimeout([] { QCoreApplication::exit(1); });
    hang.start(10'000);
    QCOMPARE(QApplication::exec(), 0);
    QCOMPARE(answerer.answered(), 0);
    w.window().hide();
    w.window().shutDown();
    QCOMPARE(contentOf(m_config->settingsPath()), eightLines());
}

QTEST_MAIN(TestStartupSettings)
#include "tst_startupsettings.moc"
