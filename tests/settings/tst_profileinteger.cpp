// The integer conversion of settings values: decimal, "$" and "0x" hexadecimal, and every
// text that holds no number.
#include "SettingsTests.h"

#include "platform/ProfileInteger.h"

#include <QTest>

using namespace platform;

class TestProfileInteger : public QObject {
    Q_OBJECT
private slots:
    void number_data();
    void number();
    void noNumber_data();
    void noNumber();
};

void TestProfileInteger::number_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint32>("value");
    QTest::newRow("decimal") << "12" << 12;
    QTest::newRow("zero") << "0" << 0;
    QTest::newRow("minus zero") << "-0" << 0;
    QTest::newRow("leading spaces") << "   12" << 12;
    QTest::newRow("plus sign") << "+7" << 7;
    QTest::newRow("negative") << "-2147483643" << -2147483643;
    QTest::newRow("spaces before sign") << "  -5" << -5;
    QTest::newRow("leading zeros") << "0000000000012" << 12;
    QTest::newRow("largest") << "2147483647" << 2147483647;
    QTest::newRow("smallest") << "-2147483647" << -2147483647;
    QTest::newRow("0x lower-case digits") << "0xff" << 255;
    QTest::newRow("0x") << "0xFF" << 255;
    QTest::newRow("0X") << "0XFF" << 255;
    QTest::newRow("0x with one digit") << "0x1" << 1;
    QTest::newRow("dollar") << "$FF" << 255;
    QTest::newRow("dollar lower case") << "$ff" << 255;
    QTest::newRow("dollar after spaces") << "  $10" << 16;
    QTest::newRow("dollar system colour") << "$80000005" << -2147483643;
    QTest::newRow("0x system colour") << "0x80000005" << -2147483643;
    QTest::newRow("all bits") << "$FFFFFFFF" << -1;
    QTest::newRow("hex leading zeros") << "$00000000000000FF" << 255;
}

void TestProfileInteger::number() {
    QFETCH(QString, text);
    QFETCH(qint32, value);
    const auto result = profileInteger(text);
    QVERIFY(result);
    QCOMPARE(*result, value);
}

void TestProfileInteger::noNumber_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << "";
    QTest::newRow("spaces") << "   ";
    QTest::newRow("0x alone") << "0x";
    QTest::newRow("0x and space") << "0x ";
    QTest::newRow("0x after space") << " 0xFF";
    QTest::newRow("0x with space before digits") << "0x FF";
    QTest::newRow("0x non-hex digit") << "0xG";
    QTest::newRow("00x") << "00x12";
    QTest::newRow("unit") << "12pt";
    QTest::newRow("trailing space") << "2 ";
    QTest::newRow("leading tab") << "\t12";
    QTest::newRow("trailing tab") << "12\t";
    QTest::newRow("sign alone") << "-";
    QTest::newRow("plus alone") << "+";
    QTest::newRow("two signs") << "--1";
    QTest::newRow("space after sign") << "- 1";
    QTest::newRow("dollar alone") << "$";
    QTest::newRow("signed dollar") << "-$FF";
    QTest::newRow("dollar signed") << "$-1";
    QTest::newRow("dollar space") << "$ FF";
    QTest::newRow("hex digits without prefix") << "FF";
    QTest::newRow("smallest 32-bit number") << "-2147483648";
    QTest::newRow("one above largest") << "2147483648";
    QTest::newRow("many digits") << "99999999999999999999999999999999";
    QTest::newRow("33 bits") << "$100000000";
    QTest::newRow("many hex digits") << "$FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF";
    QTest::newRow("exponent") << "1e3";
    QTest::newRow("decimal point") << "1.0";
    QTest::newRow("digit group") << "1,000";
    QTest::newRow("word") << "yes";
    QTest::newRow("other script digits") << QString::fromUtf16(u"\u0661\u0662");
    QTest::newRow("full-width digits") << QString::fromUtf16(u"\uFF11\uFF12");
    QTest::newRow("zero character") << QString::fromUtf16(u"1\u00002", 3);
}

void TestProfileInteger::noNumber() {
    QFETCH(QString, text);
    QVERIFY(!profileInteger(text));
}

int runProfileIntegerTests(int argc, char **argv) {
    TestProfileInteger test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_profileinteger.moc"
