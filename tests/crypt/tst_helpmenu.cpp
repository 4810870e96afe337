// The Help menu through the main window: each of its three requests opens the help viewer at
// its page, F1 reaches the contents, and About opens a fresh About box each time.
#include "ModalAnswerer.h"
#include "tests/window/WindowUnderTest.h"

#include "platform/Beep.h"
#include "platform/Help.h"
#include "platform/HelpWindow.h"

#include <QAbstractButton>
#include <QDialog>
#include <QLineEdit>
#include <QPointer>
#include <QScopeGuard>
#include <QTabWidget>

namespace {

platform::HelpWindow *viewer() {
    return platform::helpViewer();
}

QWidget *viewerWindow() {
    return viewer()->widget();
}

int viewerTab() {
    return viewerWindow()->findChild<QTabWidget *>(QStringLiteral("helpTabs"))->currentIndex();
}

} // namespace

class TestHelpMenu : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();

    void requests_data();
    void requests();
    void f1OpensTheContents();
    void f1WithoutTheHelpFileSaysSo();
    void aboutOpensAFreshBox();
};

void TestHelpMenu::initTestCase() {
    platform::setHelpFile(QStringLiteral("QVL.HLP"));
}

void TestHelpMenu::cleanup() {
    delete viewer();
}

void TestHelpMenu::requests_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("page");
    QTest::addColumn<int>("tab"); // 0: contents, 1: keyword index
    QTest::newRow("Contents") << "Contents1"
                              << "contents.html" << 0;
    QTest::newRow("Search for Help On") << "SearchforHelpOn1"
                                        << "contents.html" << 1;
    QTest::newRow("How to Use Help") << "HowtoUseHelp1"
                                     << "using-help.html" << 0;
}

void TestHelpMenu::requests() {
    QFETCH(QString, item);
    QFETCH(QString, page);
    QFETCH(int, tab);
    WindowUnderTest w;
    w.action(qPrintable(item))->trigger();
    QVERIFY(viewer() != nullptr);
    QVERIFY(viewerWindow()->isVisible());
    QCOMPARE(viewer()->currentPage().fileName(), page);
    QCOMPARE(viewerTab(), tab);
    QVERIFY(viewer()->currentTopic().isEmpty());
    QVERIFY(platform::recordedBeeps().empty());
}

// The keyword search starts with no keyword: its box is empty and has the focus.
void TestHelpMenu::f1OpensTheContents() {
    WindowUnderTest w;
    QVERIFY(w.ready());
    w.action("SearchforHelpOn1")->trigger();
    auto *keyword = viewerWindow()->findChild<QLineEdit *>(QStringLiteral("helpIndexSearch"));
    QVERIFY(keyword->text().isEmpty());
    QCOMPARE(viewerWindow()->focusWidget(), keyword);
    w.window().activateWindow();
    QVERIFY(w.ready());
    QTest::keyClick(w.editor(), Qt::Key_F1);
    QCOMPARE(viewer()->currentPage().fileName(), QStringLiteral("contents.html"));
    QCOMPARE(viewerTab(), 0);
}

// The stop beep and a box over the main window; the program goes on.
void TestHelpMenu::f1WithoutTheHelpFileSaysSo() {
    platform::setHelpFile(QStringLiteral("MISSING.HLP"));
    const auto restore = qScopeGuard([] { platform::setHelpFile(QStringLiteral("QVL.HLP")); });
    WindowUnderTest w;
    QVERIFY(w.ready());
    platform::clearRecordedBeeps();
    QWidget *over = nullptr;
    ModalAnswerer answerer;
    answerer.then([&](QWidget *box) {
        over = box->parentWidget();
        box->findChild<QAbstractButton *>(QStringLiteral("msg_OK"))->click();
    });
    QTest::keyClick(w.editor(), Qt::Key_F1);
    QVERIFY(answerer.done());
    QCOMPARE(answerer.texts(), QStringList{"Cannot find the help file MISSING.qhc."});
    QVERIFY(over == &w.window());
    QVERIFY(platform::recordedBeeps() == std::vector{platform::BeepKind::Hand});
    QVERIFY(viewer() == nullptr);
}

// Each About builds a box owned by the window and destroys it once closed.
void TestHelpMenu::aboutOpensAFreshBox() {
    WindowUnderTest w;
    QList<QPointer<QWidget>> boxes;
    ModalAnswerer answerer;
    for (int opening = 0; opening < 2; ++opening) {
        answerer.then([&](QWidget *box) {
            boxes << box;
            QTest::keyClick(box->focusWidget(), Qt::Key_Return);
        });
    }
    w.action("About2")->trigger();
    w.action("About2")->trigger();
    QVERIFY(answerer.done());
    QCOMPARE(boxes.size(), 2);
    QCOMPARE(answerer.titles(), QStringList({"About", "About"}));
    QVERIFY(boxes[0].isNull() && boxes[1].isNull());
    QVERIFY(w.window().findChildren<QDialog *>().isEmpty());
}

QTEST_MAIN(TestHelpMenu)
#include "tst_helpmenu.moc"
