// The Windows-1252 code page: every byte 1..255 round-trips; other characters become "?"; the
// cipher layer's rewrite into UTF-8 gives every byte the same character.
#include "platform/CodePage.h"

#include "cipher/TextEncoding.h"

#include <QTest>

using namespace platform;

class TestCodePage : public QObject {
    Q_OBJECT
private slots:
    void everyByteRoundTrips();
    void knownCharacters_data();
    void knownCharacters();
    void unrepresentableBecomesQuestionMark();
    void utf8RewriteAgrees();
};

void TestCodePage::utf8RewriteAgrees() {
    for (int b = 1; b <= 255; ++b) {
        const std::string utf8 = cipher::windows1252ToUtf8(std::string(1, char(b)));
        QCOMPARE(QString::fromUtf8(utf8.data(), qsizetype(utf8.size())),
                 QString(cp1252::toChar(uchar(b))));
    }
}

void TestCodePage::everyByteRoundTrips() {
    std::string all;
    for (int b = 1; b <= 255; ++b)
        all.push_back(char(b));
    const QString text = cp1252::decode(all);
    QCOMPARE(text.size(), 255);
    QCOMPARE(cp1252::encode(text), all);
    QCOMPARE(QSet<QChar>(text.begin(), text.end()).size(), 255);
}

void TestCodePage::knownCharacters_data() {
    QTest::addColumn<int>("byte");
    QTest::addColumn<int>("unicode");
    QTest::newRow("euro") << 0x80 << 0x20AC;
    QTest::newRow("unassigned 81") << 0x81 << 0x81;
    QTest::newRow("S caron") << 0x8A << 0x160;
    QTest::newRow("unassigned 9D") << 0x9D << 0x9D;
    QTest::newRow("Y diaeresis") << 0x9F << 0x178;
    QTest::newRow("no-break space") << 0xA0 << 0xA0;
    QTest::newRow("y diaeresis") << 0xFF << 0xFF;
    QTest::newRow("letter") << int('a') << int('a');
}

void TestCodePage::knownCharacters() {
    QFETCH(int, byte);
    QFETCH(int, unicode);
    QCOMPARE(cp1252::toChar(uchar(byte)).unicode(), char16_t(unicode));
    QCOMPARE(cp1252::toByte(QChar(unicode)), byte);
}

void TestCodePage::unrepresentableBecomesQuestionMark() {
    QCOMPARE(cp1252::toByte(QChar(0x80)), -1); // a C1 control that 1252 assigns elsewhere
    QCOMPARE(cp1252::encode(u"a\u0100b\u4E2D"), std::string("a?b?"));
    QVERIFY(!cp1252::isRepresentable(QChar(0x2028)));
}

QTEST_GUILESS_MAIN(TestCodePage)
#include "tst_codepage.moc"
