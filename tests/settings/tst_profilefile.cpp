// The settings-file object on disk: reads that never create the file, writes that create
// what is missing, failing writes that leave the file whole, and files of every odd kind.
#include "SettingsFiles.h"
#include "SettingsTests.h"

#include "platform/ProfileAccess.h"
#include "platform/ProfileFile.h"

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <sys/stat.h>

using namespace platform;

class TestProfileFile : public QObject {
    Q_OBJECT
private slots:
    void init();

    void bareNameLivesInConfigurationFolder();
    void nameWithFolderIsUsedAsItIs();
    void readingMissingFileGivesDefaultAndCreatesNothing();
    void writeCreatesFolderFileSectionAndKey();
    void eachReadSeesTheFileAsItIsNow();
    void readOnlyFileIsNotWritten();
    void folderInPlaceOfFileIsNotWritten();
    void fileInPlaceOfFolderIsNotWritten();
    void pipeInPlaceOfFileIsNeitherReadNorWritten();
    void entryThatBreaksLinesIsNotWritten();
    void writeKeepsPermissions();
    void writeGoesThroughLink();
    void hugeFileIsReadAndRewrittenWhole();
    void oversizedFileIsNeitherReadNorWritten();
    void binaryFileIsKeptAroundNewSection();
    void valuesAreUtf8OrElseWindows1252_data();
    void valuesAreUtf8OrElseWindows1252();
    void longValueIsReadUpToLimit();
    void unicodeValueRoundTrips();
    void integerRead_data();
    void integerRead();
    void flagRead_data();
    void flagRead();
    void integerAndFlagWrites();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_path;
};

void TestProfileFile::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_path = m_dir->filePath(QStringLiteral("QVL.INI"));
}

void TestProfileFile::bareNameLivesInConfigurationFolder() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    QVERIFY(folder.contains(QStringLiteral(".qttest")));
    QCOMPARE(ProfileFile(QStringLiteral("QVL.INI")).path(), folder + QStringLiteral("/QVL.INI"));
}

void TestProfileFile::nameWithFolderIsUsedAsItIs() {
    QCOMPARE(ProfileFile(m_path).path(), m_path);
}

void TestProfileFile::readingMissingFileGivesDefaultAndCreatesNothing() {
    const ProfileFile file(m_dir->filePath(QStringLiteral("missing/QVL.INI")));
    QCOMPARE(file.readText("S", "K", "default"), QStringLiteral("default"));
    QCOMPARE(file.readInteger("S", "K", -7), -7);
    QCOMPARE(file.readFlag("S", "K", true), true);
    QVERIFY(!QFileInfo::exists(m_dir->filePath(QStringLiteral("missing"))));
}

void TestProfileFile::writeCreatesFolderFileSectionAndKey() {
    const QString path = m_dir->filePath(QStringLiteral("a/b/QVL.INI"));
    ProfileFile file(path);
    file.writeText("S", "K", "v");
    QCOMPARE(contentOf(path), QByteArray("[S]\nK=v\n"));
    file.writeText("s", "k", "w");
    file.writeText("T", "L", "x");
    QCOMPARE(contentOf(path), QByteArray("[S]\nk=w\n[T]\nL=x\n"));
    QCOMPARE(file.readText("S", "K", "default"), QStringLiteral("w"));
}

void TestProfileFile::eachReadSeesTheFileAsItIsNow() {
    const ProfileFile file(m_path);
    store(m_path, "[S]\nK=1\n");
    QCOMPARE(file.readInteger("S", "K", 0), 1);
    store(m_path, "[S]\nK=2\n");
    QCOMPARE(file.readInteger("S", "K", 0), 2);
    QVERIFY(QFile::remove(m_path));
    QCOMPARE(file.readInteger("S", "K", 0), 0);
}

void TestProfileFile::readOnlyFileIsNotWritten() {
    const QByteArray content("; kept\n[S]\nK=1\n");
    store(m_path, content);
    QVERIFY(QFile::setPermissions(m_path, QFileDevice::ReadOwner | QFileDevice::ReadUser |
                                              QFileDevice::ReadGroup | QFileDevice::ReadOther));
    ProfileFile file(m_path);
    QCOMPARE(file.readInteger("S", "K", 0), 1);
    QCOMPARE(failureOf([&] { file.writeInteger("S", "K", 2); }), writeFailure);
    QCOMPARE(failureOf([&] { file.writeText("T", "L", "new"); }), writeFailure);
    QCOMPARE(contentOf(m_path), content);
}

void TestProfileFile::folderInPlaceOfFileIsNotWritten() {
    QVERIFY(QDir().mkpath(m_path));
    ProfileFile file(m_path);
    QCOMPARE(file.readText("S", "K", "default"), QStringLiteral("default"));
    QCOMPARE(failureOf([&] { file.writeText("S", "K", "v"); }), writeFailure);
    QVERIFY(QFileInfo(m_path).isDir());
}

void TestProfileFile::fileInPlaceOfFolderIsNotWritten() {
    const QString notAFolder = m_dir->filePath(QStringLiteral("plain"));
    store(notAFolder, "text");
    ProfileFile file(notAFolder + QStringLiteral("/QVL.INI"));
    QCOMPARE(failureOf([&] { file.writeText("S", "K", "v"); }), writeFailure);
    QCOMPARE(contentOf(notAFolder), QByteArray("text"));
}

void TestProfileFile::pipeInPlaceOfFileIsNeitherReadNorWritten() {
    // Opening a pipe with no writer would wait for ever; neither call may try.
    QCOMPARE(mkfifo(QFile::encodeName(m_path).constData(), 0600), 0);
    ProfileFile file(m_path);
    QCOMPARE(file.readText("S", "K", "default"), QStringLiteral("default"));
    QCOMPARE(failureOf([&] { file.writeText("S", "K", "v"); }), writeFailure);
}

void TestProfileFile::entryThatBreaksLinesIsNotWritten() {
    const QByteArray content("[S]\nK=1\n");
    store(m_path, content);
    ProfileFile file(m_path);
    QCOMPARE(failureOf([&] { file.writeText("S", "K", "a\nL=injected"); }), writeFailure);
    QCOMPARE(failureOf([&] { file.writeText("S", "K=", "v"); }), writeFailure);
    QCOMPARE(contentOf(m_path), content);
}

void TestProfileFile::writeKeepsPermissions() {
    store(m_path, "[S]\nK=1\n");
    const auto ownerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                           QFileDevice::ReadUser | QFileDevice::WriteUser;
    QVERIFY(QFile::setPermissions(m_path, ownerOnly));
    ProfileFile(m_path).writeInteger("S", "K", 2);
    QCOMPARE(QFile::permissions(m_path), ownerOnly);
    QCOMPARE(contentOf(m_path), QByteArray("[S]\nK=2\n"));
}

void TestProfileFile::writeGoesThroughLink() {
    const QString target = m_dir->filePath(QStringLiteral("kept-elsewhere.ini"));
    store(target, "[S]\nK=1\n");
    QVERIFY(QFile::link(target, m_path));
    ProfileFile(m_path).writeInteger("S", "K", 2);
    QVERIFY(QFileInfo(m_path).isSymLink());
    QCOMPARE(contentOf(target), QByteArray("[S]\nK=2\n"));
}

void TestProfileFile::hugeFileIsReadAndRewrittenWhole() {
    QByteArray content("[Other]\r\n");
    while (content.size() < 5'000'000)
        content.append("Filler=0123456789012345678901234567890123456789\r\n");
    content.append("[S]\r\nK=1\r\n");
    store(m_path, content);
    ProfileFile file(m_path);
    QCOMPARE(file.readInteger("S", "K", 0), 1);
    file.writeInteger("S", "K", 2);
    file.writeInteger("S", "L", 3);
    content.chop(3);
    QCOMPARE(contentOf(m_path), content + "2\r\nL=3\r\n");
}

void TestProfileFile::oversizedFileIsNeitherReadNorWritten() {
    QByteArray content("[S]\nK=1\n");
    content.append(QByteArray(17 * 1024 * 1024, ';'));
    store(m_path, content);
    ProfileFile file(m_path);
    QCOMPARE(file.readInteger("S", "K", 0), 0);
    QCOMPARE(failureOf([&] { file.writeInteger("S", "K", 2); }), writeFailure);
    QCOMPARE(contentOf(m_path), content);
}

void TestProfileFile::binaryFileIsKeptAroundNewSection() {
    QByteArray garbage;
    for (int i = 0; i < 100'000; ++i)
        garbage.append(char((i * 7919) % 256));
    store(m_path, garbage);
    ProfileFile file(m_path);
    QCOMPARE(file.readText("Shroud-a-Pad", "FontName", "default"), QStringLiteral("default"));
    file.writeText("Shroud-a-Pad", "FontName", "Fixedsys");
    QVERIFY(contentOf(m_path).startsWith(garbage));
    QCOMPARE(file.readText("Shroud-a-Pad", "FontName", "default"), QStringLiteral("Fixedsys"));
}

void TestProfileFile::valuesAreUtf8OrElseWindows1252_data() {
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("read");
    QTest::newRow("ASCII") << QByteArray("Courier New") << QStringLiteral("Courier New");
    QTest::newRow("UTF-8") << QByteArray("Caf\xC3\xA9") << QString::fromUtf16(u"Caf\u00E9");
    QTest::newRow("Windows-1252") << QByteArray("Caf\xE9 \x80")
                                  << QString::fromUtf16(u"Caf\u00E9 \u20AC");
    QTest::newRow("broken UTF-8") << QByteArray("\xC3") << QString::fromUtf16(u"\u00C3");
}

void TestProfileFile::valuesAreUtf8OrElseWindows1252() {
    QFETCH(QByteArray, stored);
    QFETCH(QString, read);
    store(m_path, "[S]\nK=" + stored + "\n");
    QCOMPARE(ProfileFile(m_path).readText("S", "K", "default"), read);
}

void TestProfileFile::longValueIsReadUpToLimit() {
    store(m_path, "[S]\nK=" + QByteArray(5000, 'x') + "\nL=" + QByteArray(1022, 'y') +
                      "\xF0\x9F\x98\x80\n");
    const ProfileFile file(m_path);
    QCOMPARE(file.readText("S", "K", "default"), QString(maxProfileValueLength, u'x'));
    // A character outside the basic plane is not cut in half.
    QCOMPARE(file.readText("S", "L", "default"), QString(1022, u'y'));
}

void TestProfileFile::unicodeValueRoundTrips() {
    const QString name = QString::fromUtf16(u"\u5B8B\u4F53 \u00C9 \U0001F600");
    ProfileFile file(m_path);
    file.writeText("S", "K", name);
    QCOMPARE(file.readText("S", "K", "default"), name);
    QCOMPARE(contentOf(m_path), "[S]\nK=" + name.toUtf8() + "\n");
}

void TestProfileFile::integerRead_data() {
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<qint32>("value");
    QTest::newRow("decimal") << QByteArray("K=12") << 12;
    QTest::newRow("blanks around removed") << QByteArray("K=  12  ") << 12;
    QTest::newRow("0x") << QByteArray("K=0xFF") << 255;
    QTest::newRow("dollar") << QByteArray("K=$FF") << 255;
    QTest::newRow("system colour") << QByteArray("K=-2147483643") << -2147483643;
    QTest::newRow("quoted") << QByteArray("K=\"12\"") << 12;
    QTest::newRow("0x alone") << QByteArray("K=0x") << -1;
    QTest::newRow("unit") << QByteArray("K=12pt") << -1;
    QTest::newRow("out of range") << QByteArray("K=-2147483648") << -1;
    QTest::newRow("empty") << QByteArray("K=") << -1;
    QTest::newRow("missing") << QByteArray("L=12") << -1;
}

void TestProfileFile::integerRead() {
    QFETCH(QByteArray, line);
    QFETCH(qint32, value);
    store(m_path, "[S]\n" + line + "\n");
    QCOMPARE(ProfileFile(m_path).readInteger("S", "K", -1), value);
}

void TestProfileFile::flagRead_data() {
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<bool>("whenDefaultOff");
    QTest::addColumn<bool>("whenDefaultOn");
    QTest::newRow("1") << QByteArray("K=1") << true << true;
    QTest::newRow("0") << QByteArray("K=0") << false << false;
    QTest::newRow("2") << QByteArray("K=2") << true << true;
    QTest::newRow("-1") << QByteArray("K=-1") << true << true;
    QTest::newRow("yes") << QByteArray("K=yes") << false << true;
    QTest::newRow("empty") << QByteArray("K=") << false << true;
    QTest::newRow("missing") << QByteArray() << false << true;
}

void TestProfileFile::flagRead() {
    QFETCH(QByteArray, line);
    QFETCH(bool, whenDefaultOff);
    QFETCH(bool, whenDefaultOn);
    store(m_path, "[S]\n" + line + "\n");
    const ProfileFile file(m_path);
    QCOMPARE(file.readFlag("S", "K", false), whenDefaultOff);
    QCOMPARE(file.readFlag("S", "K", true), whenDefaultOn);
}

void TestProfileFile::integerAndFlagWrites() {
    ProfileFile file(m_path);
    file.writeInteger("S", "Negative", -2147483643);
    file.writeInteger("S", "Positive", 16777215);
    file.writeInteger("S", "Zero", 0);
    file.writeFlag("S", "On", true);
    file.writeFlag("S", "Off", false);
    QCOMPARE(contentOf(m_path),
             QByteArray("[S]\nNegative=-2147483643\nPositive=16777215\nZero=0\nOn=1\nOff=0\n"));
}

int runProfileFileTests(int argc, char **argv) {
    TestProfileFile test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_profilefile.moc"
