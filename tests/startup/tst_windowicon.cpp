// The program's icon on its windows: after the application's set-up every window shows the
// padlock, from the installed icon theme when it holds one, else the picture built in. It is
// looked up only once the first window has been painted.
#include "dialogs/AboutBox.h"
#include "dialogs/MethodDialog.h"
#include "dialogs/PassphraseDialog.h"
#include "editor/icons/ProgramIcon.h"
#include "editor/window/MainWindow.h"
#include "editor/window/Program.h"
#include "platform/HelpModule.h"
#include "platform/MessageBoxDialog.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>
#include <cstdlib>
#include <memory>

namespace {

std::unique_ptr<QWidget> makeWindow(const QString &name) {
    if (name == QLatin1String("main window"))
        return std::make_unique<MainWindow>();
    if (name == QLatin1String("About box"))
        return std::make_unique<AboutBox>(nullptr);
    if (name == QLatin1String("passphrase dialog"))
        return std::make_unique<PassphraseDialog>();
    if (name == QLatin1String("encoding-method dialog"))
        return std::make_unique<MethodDialog>();
    if (name == QLatin1String("message box"))
        return std::make_unique<platform::MessageBoxDialog>(
            nullptr, QStringLiteral("Error"), QStringLiteral("Text"), QStyle::SP_MessageBoxCritical,
            platform::Ok);
    // The collection need not be readable for the window to open; a missing one is made in a
    // folder that goes with the test.
    static const QTemporaryDir collectionDir;
    std::unique_ptr<platform::HelpWindow> viewer =
        platform::createHelpWindow(collectionDir.filePath(QStringLiteral("QVL.qhc")));
    return std::unique_ptr<QWidget>(viewer ? viewer.release()->widget() : nullptr);
}

QImage imageAt(const QIcon &icon, int size) {
    return icon.pixmap(size, size).toImage().convertToFormat(QImage::Format_ARGB32);
}

} // namespace

class TestWindowIcon : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void everyWindowShowsThePadlock_data();
    void everyWindowShowsThePadlock();
    void builtInPictureWithoutATheme();
    void installedThemeIconWins();
};

void TestWindowIcon::initTestCase() {
    prepareApplication();
    QVERIFY(QApplication::windowIcon().isNull());
}

void TestWindowIcon::everyWindowShowsThePadlock_data() {
    QTest::addColumn<QString>("window");
    for (const char *name : {"main window", "About box", "passphrase dialog",
                             "encoding-method dialog", "message box", "help viewer"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

// The frame shows the icon of the window's platform window; the first window shown gets it
// just after its first paint.
void TestWindowIcon::everyWindowShowsThePadlock() {
    QFETCH(QString, window);
    const std::unique_ptr<QWidget> shown = makeWindow(window);
    QVERIFY(shown);
    shown->show();
    QVERIFY(QTest::qWaitForWindowExposed(shown.get()));
    QTRY_VERIFY(!shown->windowHandle()->icon().isNull());
    QCOMPARE(imageAt(shown->windowHandle()->icon(), 32), imageAt(programIcon(), 32));
}

// The drawing itself, sharp at any size, not a small picture scaled: at 32 pixels it matches
// the installed rendering of the same drawing but for the smoothing of its edges.
void TestWindowIcon::builtInPictureWithoutATheme() {
    const QImage rendering = QImage(QStringLiteral(":/icons/shroud-a-pad-32.png"))
                                 .convertToFormat(QImage::Format_ARGB32);
    const QImage shown = imageAt(programIcon(), 32);
    QCOMPARE(shown.size(), rendering.size());
    double difference = 0;
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) {
            const QColor a = shown.pixelColor(x, y), b = rendering.pixelColor(x, y);
            difference += std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
                          std::abs(a.blue() - b.blue()) + std::abs(a.alpha() - b.alpha());
        }
    }
    const double perChannel = difference / (shown.width() * shown.height() * 4);
    QVERIFY2(perChannel < 4, qPrintable(QString::number(perChannel)));
    QCOMPARE(imageAt(programIcon(), 256).size(), QSize(256, 256));
}

// An icon theme that holds the program's icon, as installing the program provides one.
void TestWindowIcon::installedThemeIconWins() {
    QTemporaryDir icons;
    QVERIFY(icons.isValid());
    const QDir theme(icons.filePath(QStringLiteral("hicolor")));
    QVERIFY(QDir().mkpath(theme.filePath(QStringLiteral("32x32/apps"))));
    QFile index(theme.filePath(QStringLiteral("index.theme")));
    QVERIFY(index.open(QIODevice::WriteOnly));
    index.write("[Icon Theme]\nName=hicolor\nDirectories=32x32/apps\n\n"
                "[32x32/apps]\nSize=32\nType=Fixed\n");
    index.close();
    QImage installed(32, 32, QImage::Format_ARGB32);
    installed.fill(QColor(0, 128, 255));
    QVERIFY(installed.save(theme.filePath(QStringLiteral("32x32/apps/shroud-a-pad.png"))));

    const QStringList searchPaths = QIcon::themeSearchPaths();
    const QString themeName = QIcon::themeName();
    QIcon::setThemeSearchPaths({icons.path()});
    QIcon::setThemeName(QStringLiteral("hicolor"));
    const QImage shown = imageAt(programIcon(), 32);
    QIcon::setThemeSearchPaths(searchPaths);
    QIcon::setThemeName(themeName);
    QCOMPARE(shown, installed);
}

QTEST_MAIN(TestWindowIcon)
#include "tst_windowicon.moc"
