// The initialization-file format in memory: which line a key's value comes from, and that a
// write changes that one line (or adds one) and leaves every other byte as it was.
#include "SettingsTests.h"

#include "platform/ProfileText.h"

#include <QTest>

using namespace platform;

class TestProfileText : public QObject {
    Q_OBJECT
private slots:
    void findsValue_data();
    void findsValue();
    void missingValue_data();
    void missingValue();
    void writesValue_data();
    void writesValue();
    void refusesEntriesThatBreakLines_data();
    void refusesEntriesThatBreakLines();
    void manyLinesAreReadAndWritten();
    void oneEndlessLineIsReadAndWritten();
    void manySectionsOfTheSameName();
};

void TestProfileText::findsValue_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QByteArray>("value");
    QTest::newRow("plain") << QByteArray("[S]\nK=v\n") << QByteArray("v");
    QTest::newRow("names in other case") << QByteArray("[s]\nk=v\n") << QByteArray("v");
    QTest::newRow("blanks around names and value")
        << QByteArray("  [ S ]  \n \t K \t=  v w \t\n") << QByteArray("v w");
    QTest::newRow("CR LF") << QByteArray("[S]\r\nK=v\r\n") << QByteArray("v");
    QTest::newRow("no final line break") << QByteArray("[S]\nK=v") << QByteArray("v");
    QTest::newRow("empty value") << QByteArray("[S]\nK=\n") << QByteArray("");
    QTest::newRow("double quotes removed") << QByteArray("[S]\nK=\" v \"\n") << QByteArray(" v ");
    QTest::newRow("single quotes removed") << QByteArray("[S]\nK='v'\n") << QByteArray("v");
    QTest::newRow("lone quote kept") << QByteArray("[S]\nK=\"v\n") << QByteArray("\"v");
    QTest::newRow("equals sign in value") << QByteArray("[S]\nK=a=b\n") << QByteArray("a=b");
    QTest::newRow("zero byte ends value") << QByteArray("[S]\nK=ab\0cd\n", 12) << QByteArray("ab");
    QTest::newRow("first of two keys") << QByteArray("[S]\nK=1\nK=2\n") << QByteArray("1");
    QTest::newRow("first of two sections")
        << QByteArray("[S]\nK=1\n[T]\nK=3\n[S]\nK=2\n") << QByteArray("1");
    QTest::newRow("comments skipped") << QByteArray("[S]\n;K=1\n#K=2\nK=3\n") << QByteArray("3");
    QTest::newRow("line without equals skipped") << QByteArray("[S]\nK\nK=4\n") << QByteArray("4");
    QTest::newRow("blank lines in section") << QByteArray("[S]\n\n \nK=5\n") << QByteArray("5");
    QTest::newRow("text after header") << QByteArray("[S] ; note\nK=6\n") << QByteArray("6");
    QTest::newRow("byte order mark") << QByteArray("\xEF\xBB\xBF[S]\nK=7\n") << QByteArray("7");
    QTest::newRow("bytes above 127")
        << QByteArray("[S]\nK=\xE9\xFF\x80\n") << QByteArray("\xE9\xFF\x80");
    QTest::newRow("among other sections")
        << QByteArray("; top\n[A]\nK=1\n[S]\nL=2\nK=8\n[B]\nK=3\n") << QByteArray("8");
}

void TestProfileText::findsValue() {
    QFETCH(QByteArray, content);
    QFETCH(QByteArray, value);
    const auto found = findProfileValue(content, "S", "K");
    QVERIFY(found);
    QCOMPARE(*found, value);
}

void TestProfileText::missingValue_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("empty file") << QByteArray();
    QTest::newRow("missing section") << QByteArray("[T]\nK=1\n");
    QTest::newRow("missing key") << QByteArray("[S]\nL=1\n");
    QTest::newRow("key in another section") << QByteArray("[A]\nK=1\n[S]\nL=2\n");
    QTest::newRow("key before any section") << QByteArray("K=1\n[S]\n");
    QTest::newRow("key only in second section of name") << QByteArray("[S]\nL=1\n[S]\nK=2\n");
    QTest::newRow("longer key") << QByteArray("[S]\nKey=1\n");
    QTest::newRow("longer section") << QByteArray("[Sx]\nK=1\n");
    QTest::newRow("header without bracket") << QByteArray("[S\nK=1\n");
    QTest::newRow("commented key") << QByteArray("[S]\n;K=1\n");
    QTest::newRow("key without equals") << QByteArray("[S]\nK\n");
    QTest::newRow("lone CR breaks are no lines") << QByteArray("[S]\rK=1\r");
    QTest::newRow("binary garbage") << QByteArray("\0\xFF[\0]\n=\n\x01\x02=\n", 12);
}

void TestProfileText::missingValue() {
    QFETCH(QByteArray, content);
    QVERIFY(!findProfileValue(content, "S", "K"));
}

void TestProfileText::writesValue_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QByteArray>("written");
    QTest::newRow("new file") << QByteArray() << QByteArray("[S]\nK=v\n");
    QTest::newRow("replaced value") << QByteArray("[S]\nK=old\n") << QByteArray("[S]\nK=v\n");
    QTest::newRow("replaced line takes the key's own spelling")
        << QByteArray("[s]\n  k = old  \n") << QByteArray("[s]\nK=v\n");
    QTest::newRow("replaced line keeps its CR LF")
        << QByteArray("[S]\r\nK=old\r\nL=1\r\n") << QByteArray("[S]\r\nK=v\r\nL=1\r\n");
    QTest::newRow("each line keeps its own ending")
        << QByteArray("[S]\nA=1\r\nK=old\n") << QByteArray("[S]\nA=1\r\nK=v\n");
    QTest::newRow("replaced last line without break")
        << QByteArray("[S]\nK=old") << QByteArray("[S]\nK=v");
    QTest::newRow("only first of two keys replaced")
        << QByteArray("[S]\nK=1\nK=2\n") << QByteArray("[S]\nK=v\nK=2\n");
    QTest::newRow("new key before blank lines at section end")
        << QByteArray("[S]\nA=1\n\n\n[T]\nB=2\n") << QByteArray("[S]\nA=1\nK=v\n\n\n[T]\nB=2\n");
    QTest::newRow("new key after comment at section end")
        << QByteArray("[S]\nA=1\n; note\n\n[T]\n") << QByteArray("[S]\nA=1\n; note\nK=v\n\n[T]\n");
    QTest::newRow("new key in empty section")
        << QByteArray("[S]\n[T]\n") << QByteArray("[S]\nK=v\n[T]\n");
    QTest::newRow("new key after last line without break")
        << QByteArray("[S]\nA=1") << QByteArray("[S]\nA=1\nK=v\n");
    QTest::newRow("new key in CR LF file")
        << QByteArray("[S]\r\nA=1\r\n\r\n") << QByteArray("[S]\r\nA=1\r\nK=v\r\n\r\n");
    QTest::newRow("new key in first of two sections")
        << QByteArray("[S]\nA=1\n[S]\nK=2\n") << QByteArray("[S]\nA=1\nK=v\n[S]\nK=2\n");
    QTest::newRow("new section at end")
        << QByteArray("[T]\nB=2\n") << QByteArray("[T]\nB=2\n[S]\nK=v\n");
    QTest::newRow("new section after last line without break")
        << QByteArray("[T]\nB=2") << QByteArray("[T]\nB=2\n[S]\nK=v\n");
    QTest::newRow("new section in CR LF file")
        << QByteArray("; c\r\n") << QByteArray("; c\r\n[S]\r\nK=v\r\n");
    QTest::newRow("file of blank lines") << QByteArray("\n\n") << QByteArray("\n\n[S]\nK=v\n");
    QTest::newRow("byte order mark kept")
        << QByteArray("\xEF\xBB\xBF[S]\nK=1\n") << QByteArray("\xEF\xBB\xBF[S]\nK=v\n");
    QTest::newRow("binary garbage kept")
        << QByteArray("\0\xFF=\x01\n\xFE", 6) << QByteArray("\0\xFF=\x01\n\xFE\n[S]\nK=v\n", 15);
    QTest::newRow("everything else kept")
        << QByteArray("; settings\r\n\r\n[Other]\r\nK=x\r\n\r\n[S]\r\n;K=c\r\nA=1\r\nK=old\r\nB=2"
                      "\r\n\r\n[Last]\r\nZ=9")
        << QByteArray("; settings\r\n\r\n[Other]\r\nK=x\r\n\r\n[S]\r\n;K=c\r\nA=1\r\nK=v\r\nB=2"
                      "\r\n\r\n[Last]\r\nZ=9");
}

void TestProfileText::writesValue() {
    QFETCH(QByteArray, content);
    QFETCH(QByteArray, written);
    const QByteArray result = withProfileValue(content, "S", "K", "v");
    QCOMPARE(result, written);
    QCOMPARE(*findProfileValue(result, "S", "K"), QByteArray("v"));
}

void TestProfileText::refusesEntriesThatBreakLines_data() {
    QTest::addColumn<QByteArray>("section");
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<bool>("storable");
    QTest::newRow("ordinary") << QByteArray("S") << QByteArray("K") << QByteArray("v w") << true;
    QTest::newRow("empty value") << QByteArray("S") << QByteArray("K") << QByteArray() << true;
    QTest::newRow("LF in value") << QByteArray("S") << QByteArray("K") << QByteArray("a\nb")
                                 << false;
    QTest::newRow("CR in value") << QByteArray("S") << QByteArray("K") << QByteArray("a\rb")
                                 << false;
    QTest::newRow("zero in value")
        << QByteArray("S") << QByteArray("K") << QByteArray("a\0b", 3) << false;
    QTest::newRow("LF in key") << QByteArray("S") << QByteArray("K\n") << QByteArray() << false;
    QTest::newRow("equals in key") << QByteArray("S") << QByteArray("K=") << QByteArray() << false;
    QTest::newRow("empty key") << QByteArray("S") << QByteArray() << QByteArray() << false;
    QTest::newRow("bracket in section")
        << QByteArray("S]") << QByteArray("K") << QByteArray() << false;
    QTest::newRow("LF in section") << QByteArray("S\n") << QByteArray("K") << QByteArray() << false;
    QTest::newRow("empty section") << QByteArray() << QByteArray("K") << QByteArray() << false;
    QTest::newRow("blank after key")
        << QByteArray("S") << QByteArray("K\t") << QByteArray() << false;
    QTest::newRow("blank before section")
        << QByteArray(" S") << QByteArray("K") << QByteArray() << false;
    QTest::newRow("key line reads as a section")
        << QByteArray("S") << QByteArray("[K") << QByteArray("]") << false;
    QTest::newRow("blanks inside names")
        << QByteArray("S a") << QByteArray("K b") << QByteArray() << true;
}

void TestProfileText::refusesEntriesThatBreakLines() {
    QFETCH(QByteArray, section);
    QFETCH(QByteArray, key);
    QFETCH(QByteArray, value);
    QFETCH(bool, storable);
    QCOMPARE(isStorableProfileEntry(section, key, value), storable);
}

void TestProfileText::manyLinesAreReadAndWritten() {
    QByteArray content("[S]\n");
    while (content.size() < 5'000'000)
        content.append("Filler=0123456789\n");
    QVERIFY(!findProfileValue(content, "S", "K"));
    const QByteArray written = withProfileValue(content, "S", "K", "v");
    QCOMPARE(written, content + "K=v\n");
    QCOMPARE(withProfileValue(written, "S", "K", "w"), content + "K=w\n");
}

void TestProfileText::oneEndlessLineIsReadAndWritten() {
    const QByteArray content = "[S]\nK=" + QByteArray(5'000'000, 'x');
    QCOMPARE(findProfileValue(content, "S", "K")->size(), 5'000'000);
    QCOMPARE(withProfileValue(content, "S", "K", "v"), QByteArray("[S]\nK=v"));
    const QByteArray noBreak(5'000'000, '[');
    QVERIFY(!findProfileValue(noBreak, "S", "K"));
    QCOMPARE(withProfileValue(noBreak, "S", "K", "v"), noBreak + "\n[S]\nK=v\n");
}

void TestProfileText::manySectionsOfTheSameName() {
    const QByteArray content = QByteArray("[S]\n").repeated(1'000'000);
    const QByteArray written = withProfileValue(content, "S", "K", "v");
    QCOMPARE(written, "[S]\nK=v\n" + content.sliced(4));
    QCOMPARE(*findProfileValue(written, "S", "K"), QByteArray("v"));
}

int runProfileTextTests(int argc, char **argv) {
    TestProfileText test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_profiletext.moc"
