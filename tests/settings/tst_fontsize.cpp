// Points and pixels of a font at a screen's pixels per inch, halves rounded away from zero.
#include "SettingsTests.h"

#include "editor/FontSize.h"

#include <QTest>
#include <limits>

class TestFontSize : public QObject {
    Q_OBJECT
private slots:
    void heightFromPoints_data();
    void heightFromPoints();
    void pointsFromHeight_data();
    void pointsFromHeight();
};

void TestFontSize::heightFromPoints_data() {
    QTest::addColumn<qint32>("points");
    QTest::addColumn<int>("dpi");
    QTest::addColumn<qint32>("pixels");
    QTest::newRow("layout size") << 10 << 96 << 13;
    QTest::newRow("dialog's smallest") << 6 << 96 << 8;
    QTest::newRow("dialog's largest") << 32 << 96 << 43;
    QTest::newRow("half up") << 1 << 108 << 2;
    QTest::newRow("negative half away from zero") << -1 << 108 << -2;
    QTest::newRow("a third down") << 7 << 96 << 9;
    QTest::newRow("high density") << 10 << 192 << 27;
    QTest::newRow("no pixels per inch counts as 96") << 10 << 0 << 13;
    QTest::newRow("largest size stays in range")
        << std::numeric_limits<qint32>::max() << 96 << std::numeric_limits<qint32>::max();
}

void TestFontSize::heightFromPoints() {
    QFETCH(qint32, points);
    QFETCH(int, dpi);
    QFETCH(qint32, pixels);
    QCOMPARE(characterHeightFromPoints(points, dpi), pixels);
}

void TestFontSize::pointsFromHeight_data() {
    QTest::addColumn<qint32>("pixels");
    QTest::addColumn<int>("dpi");
    QTest::addColumn<qint32>("points");
    QTest::newRow("layout height") << 13 << 96 << 10;
    QTest::newRow("half up") << 2 << 96 << 2;
    QTest::newRow("negative half away from zero") << -2 << 96 << -2;
    QTest::newRow("another half") << 6 << 96 << 5;
    QTest::newRow("three quarters up") << 9 << 96 << 7;
    QTest::newRow("large screen density") << 13 << 120 << 8;
    QTest::newRow("negative pixels per inch counts as 96") << 13 << -1 << 10;
    QTest::newRow("zero") << 0 << 96 << 0;
}

void TestFontSize::pointsFromHeight() {
    QFETCH(qint32, pixels);
    QFETCH(int, dpi);
    QFETCH(qint32, points);
    QCOMPARE(pointsFromCharacterHeight(pixels, dpi), points);
}

int runFontSizeTests(int argc, char **argv) {
    TestFontSize test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_fontsize.moc"
