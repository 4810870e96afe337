// Colour values: explicit colours with red in the lowest byte, system colours from the
// palette, and values that name no colour.
#include "SettingsTests.h"

#include "platform/ColorValue.h"

#include <QTest>

using namespace platform;

namespace {

// A palette in which every group and role has a colour of its own, so that a test sees which
// one a system colour came from.
QPalette distinctPalette() {
    QPalette palette;
    for (int group = 0; group < QPalette::NColorGroups; ++group)
        for (int role = 0; role < QPalette::NColorRoles; ++role)
            palette.setColor(QPalette::ColorGroup(group), QPalette::ColorRole(role),
                             QColor(10 + group * 50, 10 + role * 10, 7));
    return palette;
}

} // namespace

class TestColorValue : public QObject {
    Q_OBJECT
private slots:
    void explicitColor_data();
    void explicitColor();
    void systemColor_data();
    void systemColor();
    void everyKnownSystemColorHasAColor();
    void noColor_data();
    void noColor();
    void valueOfColorIgnoresAlphaAndSpec();
};

void TestColorValue::explicitColor_data() {
    QTest::addColumn<quint32>("value");
    QTest::addColumn<QColor>("color");
    QTest::newRow("black") << quint32(0) << QColor(0, 0, 0);
    QTest::newRow("red") << quint32(0xFF) << QColor(255, 0, 0);
    QTest::newRow("green") << quint32(0xFF00) << QColor(0, 255, 0);
    QTest::newRow("blue") << quint32(0xFF0000) << QColor(0, 0, 255);
    QTest::newRow("mixed") << quint32(0x123456) << QColor(0x56, 0x34, 0x12);
    QTest::newRow("white") << quint32(16777215) << QColor(255, 255, 255);
}

void TestColorValue::explicitColor() {
    QFETCH(quint32, value);
    QFETCH(QColor, color);
    QCOMPARE(colorFromValue(value, distinctPalette()), color);
    QCOMPARE(valueFromColor(color), value);
}

void TestColorValue::systemColor_data() {
    QTest::addColumn<quint32>("value");
    QTest::addColumn<QPalette::ColorGroup>("group");
    QTest::addColumn<QPalette::ColorRole>("role");
    QTest::newRow("window background") << windowColorValue << QPalette::Active << QPalette::Base;
    QTest::newRow("window text") << windowTextColorValue << QPalette::Active << QPalette::Text;
    QTest::newRow("desktop") << 0x80000001u << QPalette::Active << QPalette::Window;
    QTest::newRow("inactive caption") << 0x80000003u << QPalette::Inactive << QPalette::Highlight;
    QTest::newRow("menu text") << 0x80000007u << QPalette::Active << QPalette::WindowText;
    QTest::newRow("highlight") << 0x8000000Du << QPalette::Active << QPalette::Highlight;
    QTest::newRow("highlight text") << 0x8000000Eu << QPalette::Active << QPalette::HighlightedText;
    QTest::newRow("button face") << 0x8000000Fu << QPalette::Active << QPalette::Button;
    QTest::newRow("grey text") << 0x80000011u << QPalette::Disabled << QPalette::Text;
    QTest::newRow("button text") << 0x80000012u << QPalette::Active << QPalette::ButtonText;
    QTest::newRow("tooltip text") << 0x80000017u << QPalette::Active << QPalette::ToolTipText;
    QTest::newRow("tooltip background") << 0x80000018u << QPalette::Active << QPalette::ToolTipBase;
    QTest::newRow("menu bar") << 0x8000001Eu << QPalette::Active << QPalette::Window;
}

void TestColorValue::systemColor() {
    QFETCH(quint32, value);
    QFETCH(QPalette::ColorGroup, group);
    QFETCH(QPalette::ColorRole, role);
    const QPalette palette = distinctPalette();
    QCOMPARE(colorFromValue(value, palette), palette.color(group, role));
}

void TestColorValue::everyKnownSystemColorHasAColor() {
    for (quint32 number = 0; number <= 30; ++number)
        QCOMPARE(colorFromValue(systemColorFlag + number, distinctPalette()).isValid(),
                 number != 25);
}

void TestColorValue::noColor_data() {
    QTest::addColumn<quint32>("value");
    QTest::newRow("one above white") << 0x01000000u;
    QTest::newRow("largest positive") << 0x7FFFFFFFu;
    QTest::newRow("unused system colour") << 0x80000019u;
    QTest::newRow("system colour beyond table") << 0x8000001Fu;
    QTest::newRow("minus six") << quint32(-6);
    QTest::newRow("minus one") << quint32(-1);
}

void TestColorValue::noColor() {
    QFETCH(quint32, value);
    QVERIFY(!colorFromValue(value, distinctPalette()).isValid());
}

void TestColorValue::valueOfColorIgnoresAlphaAndSpec() {
    QCOMPARE(valueFromColor(QColor(1, 2, 3, 4)), 0x030201u);
    QCOMPARE(valueFromColor(QColor::fromHsv(0, 255, 255)), 0x0000FFu);
}

int runColorValueTests(int argc, char **argv) {
    TestColorValue test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_colorvalue.moc"
