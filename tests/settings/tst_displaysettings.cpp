// The seven display settings: read at start-up over the window's values, written at shutdown
// key by key, with every odd value a hand-edited file can hold.
#include "DisplaySettingsText.h"
#include "FirstRunSettings.h"
#include "SettingsFiles.h"
#include "SettingsTests.h"

#include "editor/window/DisplaySettings.h"
#include "platform/ProfileFile.h"

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <memory>

namespace {

DisplaySettings layoutWith(const std::function<void(DisplaySettings &)> &change) {
    DisplaySettings settings;
    change(settings);
    return settings;
}

} // namespace

class TestDisplaySettings : public QObject {
    Q_OBJECT
private slots:
    void init();

    void noFileGivesLayoutSettings();
    void read_data();
    void read();
    void readStartsFromCurrentSettings();
    void firstRunCreatesFolderAndWritesEightLines();
    void writtenSettingsReadBack();
    void readThenWrittenBack_data();
    void readThenWrittenBack();
    void writeKeepsEverythingElse();
    void readOnlyFileIsReadButNotChanged();
    void failingWriteStopsTheKeysAfterIt();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_path;
};

void TestDisplaySettings::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_path = m_dir->filePath(QString::fromLatin1(settingsFileName));
}

void TestDisplaySettings::noFileGivesLayoutSettings() {
    DisplaySettings settings;
    readDisplaySettings(platform::ProfileFile(m_path), settings);
    QCOMPARE(settings, DisplaySettings());
    QVERIFY(!QFileInfo::exists(m_path));
}

void TestDisplaySettings::read_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<DisplaySettings>("expected");
    const auto row = [](const char *name, const QByteArray &lines, const DisplaySettings &s) {
        QTest::newRow(name) << "[Shroud-a-Pad]\n" + lines << s;
    };
    row("empty section", "", DisplaySettings());
    row("all seven",
        "FontName=Courier New\nFontSize=12\nFontColor=255\nFontBold=1\nFontItalic=1\n"
        "WordWrap=1\nBackColor=16777215\n",
        layoutWith([](auto &s) {
            s = {QStringLiteral("Courier New"), 12, 255, true, true, true, 16777215};
        }));
    row("keys in other case and order", "backcolor=1\nFONTSIZE=14\n", layoutWith([](auto &s) {
            s.fontSize = 14;
            s.backColor = 1;
        }));
    row("FontColor 0xFF is red", "FontColor=0xFF\n",
        layoutWith([](auto &s) { s.fontColor = 255; }));
    row("FontColor $FF is red", "FontColor=$FF\n", layoutWith([](auto &s) { s.fontColor = 255; }));
    row("FontColor 0x alone", "FontColor=0x\n", DisplaySettings());
    row("FontSize after a blank", "FontSize= 12\n", layoutWith([](auto &s) { s.fontSize = 12; }));
    row("FontSize before a blank", "FontSize=12 \n", layoutWith([](auto &s) { s.fontSize = 12; }));
    row("FontSize with unit", "FontSize=12pt\n", DisplaySettings());
    row("FontSize beyond the dialog", "FontSize=100\n",
        layoutWith([](auto &s) { s.fontSize = 100; }));
    row("FontSize largest usable", "FontSize=1000\n",
        layoutWith([](auto &s) { s.fontSize = 1000; }));
    row("FontSize smallest usable", "FontSize=1\n", layoutWith([](auto &s) { s.fontSize = 1; }));
    row("FontSize zero", "FontSize=0\n", layoutWith([](auto &s) { s.fontSize = 0; }));
    row("FontSize negative", "FontSize=-12\n", layoutWith([](auto &s) { s.fontSize = -12; }));
    row("FontSize absurd", "FontSize=100000\n", layoutWith([](auto &s) { s.fontSize = 100000; }));
    row("FontName empty", "FontName=\n", DisplaySettings());
    row("FontName unknown font", "FontName=No Such Font\n",
        layoutWith([](auto &s) { s.fontName = QStringLiteral("No Such Font"); }));
    row("FontName longer than 31", "FontName=" + QByteArray(40, 'n') + "\n",
        layoutWith([](auto &s) { s.fontName = QString(31, u'n'); }));
    row("FontBold 2", "FontBold=2\n", layoutWith([](auto &s) { s.bold = true; }));
    row("FontBold -1", "FontBold=-1\n", layoutWith([](auto &s) { s.bold = true; }));
    row("FontBold yes", "FontBold=yes\n", DisplaySettings());
    row("FontItalic 1", "FontItalic=1\n", layoutWith([](auto &s) { s.italic = true; }));
    row("WordWrap 1", "WordWrap=1\n", layoutWith([](auto &s) { s.wordWrap = true; }));
    row("BackColor -6 keeps window colour", "BackColor=-6\n", DisplaySettings());
    row("BackColor white", "BackColor=16777215\n",
        layoutWith([](auto &s) { s.backColor = 16777215; }));
    row("BackColor 0x system colour", "BackColor=0x80000008\n",
        layoutWith([](auto &s) { s.backColor = -2147483640; }));
    row("BackColor no colour kept as value", "BackColor=$7FFFFFFF\n",
        layoutWith([](auto &s) { s.backColor = 0x7FFFFFFF; }));
    row("first of duplicate keys", "FontSize=11\nFontSize=12\n",
        layoutWith([](auto &s) { s.fontSize = 11; }));
    row("garbage values",
        "FontName=\"\"\nFontSize=x\nFontColor=--1\nFontBold=\x01\nFontItalic=\xFF\n"
        "WordWrap=on\nBackColor=$\n",
        DisplaySettings());
    QTest::newRow("missing section") << QByteArray("[Other]\nFontSize=12\n") << DisplaySettings();
    QTest::newRow("key outside the section")
        << QByteArray("FontSize=12\n[Shroud-a-Pad]\n[Other]\nWordWrap=1\n") << DisplaySettings();
    QTest::newRow("binary file") << QByteArray("\0\xFF\xFE[Shroud-a-Pad]\n\0\0", 20)
                                 << DisplaySettings();
}

void TestDisplaySettings::read() {
    QFETCH(QByteArray, content);
    QFETCH(DisplaySettings, expected);
    store(m_path, content);
    DisplaySettings settings;
    readDisplaySettings(platform::ProfileFile(m_path), settings);
    QCOMPARE(settings, expected);
}

void TestDisplaySettings::readStartsFromCurrentSettings() {
    const DisplaySettings current{QStringLiteral("Courier"), 14, 5, true, true, true, 255};
    store(m_path, "[Shroud-a-Pad]\nFontBold=0\nFontItalic=0\nWordWrap=0\nFontSize=junk\n");
    DisplaySettings settings = current;
    readDisplaySettings(platform::ProfileFile(m_path), settings);
    QCOMPARE(settings, current);
}

void TestDisplaySettings::firstRunCreatesFolderAndWritesEightLines() {
    QDir folder(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
    QVERIFY(folder.path().startsWith(QDir::homePath() + QStringLiteral("/.qttest/")));
    QVERIFY(QDir::homePath().startsWith(QDir::tempPath()));
    QVERIFY(folder.removeRecursively());

    DisplaySettings settings;
    platform::ProfileFile startUp(QString::fromLatin1(settingsFileName));
    readDisplaySettings(startUp, settings);
    QVERIFY(!folder.exists());
    platform::ProfileFile shutdown(QString::fromLatin1(settingsFileName));
    writeDisplaySettings(shutdown, settings);
    QCOMPARE(contentOf(folder.filePath(QStringLiteral("QVL.INI"))), firstRunFile);
}

void TestDisplaySettings::writtenSettingsReadBack() {
    const DisplaySettings written{QString::fromUtf16(u"\u5B8B\u4F53"),
                                  100,
                                  0x123456,
                                  true,
                                  false,
                                  true,
                                  static_cast<qint32>(platform::windowTextColorValue)};
    platform::ProfileFile file(m_path);
    writeDisplaySettings(file, written);
    DisplaySettings settings;
    readDisplaySettings(file, settings);
    QCOMPARE(settings, written);
}

void TestDisplaySettings::readThenWrittenBack_data() {
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("after");
    QTest::newRow("empty file") << QByteArray() << firstRunFile;
    QTest::newRow("empty FontName") << QByteArray("[Shroud-a-Pad]\nFontName=\n") << firstRunFile;
    QTest::newRow("BackColor -6")
        << QByteArray("[Shroud-a-Pad]\nBackColor=-6\n")
        << QByteArray("[Shroud-a-Pad]\nBackColor=-2147483643\nFontName=Fixedsys\nFontSize=10\n"
                      "FontColor=0\nFontBold=0\nFontItalic=0\nWordWrap=0\n");
    QTest::newRow("hexadecimal values written in decimal")
        << QByteArray("[Shroud-a-Pad]\nFontName=Fixedsys\nFontSize=0xC\nFontColor=$FF\n"
                      "FontBold=2\nFontItalic=0\nWordWrap=1\nBackColor=16777215\n")
        << QByteArray("[Shroud-a-Pad]\nFontName=Fixedsys\nFontSize=12\nFontColor=255\n"
                      "FontBold=1\nFontItalic=0\nWordWrap=1\nBackColor=16777215\n");
}

void TestDisplaySettings::readThenWrittenBack() {
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    store(m_path, before);
    platform::ProfileFile file(m_path);
    DisplaySettings settings;
    readDisplaySettings(file, settings);
    writeDisplaySettings(file, settings);
    QCOMPARE(contentOf(m_path), after);
}

void TestDisplaySettings::writeKeepsEverythingElse() {
    store(m_path, "; Written by hand\r\n"
                  "[Fonts]\r\n"
                  "FontName=Other\r\n"
                  "\r\n"
                  "[shroud-a-pad]\r\n"
                  "wordwrap = 1\r\n"
                  "Extra=kept\r\n"
                  "; FontSize=99\r\n"
                  "FontName=Courier\r\n"
                  "\r\n"
                  "[Last]\r\n"
                  "BackColor=1");
    platform::ProfileFile file(m_path);
    writeDisplaySettings(file, layoutWith([](auto &s) { s.fontSize = 12; }));
    QCOMPARE(contentOf(m_path), QByteArray("; Written by hand\r\n"
                                           "[Fonts]\r\n"
                                           "FontName=Other\r\n"
                                           "\r\n"
                                           "[shroud-a-pad]\r\n"
                                           "WordWrap=0\r\n"
                                           "Extra=kept\r\n"
                                           "; FontSize=99\r\n"
                                           "FontName=Fixedsys\r\n"
                                           "FontSize=12\r\n"
                                           "FontColor=0\r\n"
                                           "FontBold=0\r\n"
                                           "FontItalic=0\r\n"
                                           "BackColor=-2147483643\r\n"
                                           "\r\n"
                                           "[Last]\r\n"
                                           "BackColor=1"));
}

void TestDisplaySettings::readOnlyFileIsReadButNotChanged() {
    const QByteArray content("[Shroud-a-Pad]\nFontSize=20\nWordWrap=1\n");
    store(m_path, content);
    QVERIFY(QFile::setPermissions(m_path, QFileDevice::ReadOwner | QFileDevice::ReadUser));
    platform::ProfileFile file(m_path);
    DisplaySettings settings;
    readDisplaySettings(file, settings);
    QCOMPARE(settings, layoutWith([](auto &s) {
                 s.fontSize = 20;
                 s.wordWrap = true;
             }));
    settings.bold = true;
    QCOMPARE(failureOf([&] { writeDisplaySettings(file, settings); }), writeFailure);
    QCOMPARE(contentOf(m_path), content);
}

void TestDisplaySettings::failingWriteStopsTheKeysAfterIt() {
    store(m_path, "[Shroud-a-Pad]\nFontSize=20\n");
    platform::ProfileFile file(m_path);
    // A name that would split its line cannot be stored; FontName is the first key written.
    const DisplaySettings settings = layoutWith([](auto &s) { s.fontName = "Bad\nName"; });
    QCOMPARE(failureOf([&] { writeDisplaySettings(file, settings); }), writeFailure);
    QCOMPARE(contentOf(m_path), QByteArray("[Shroud-a-Pad]\nFontSize=20\n"));
}

int runDisplaySettingsTests(int argc, char **argv) {
    TestDisplaySettings test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_displaysettings.moc"
