// The font dialog's size limits and missing effects; Cancel in either dialog changes nothing.
#include "ModalAnswerer.h"
#include "platform/DisplayDialogs.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QFontDialog>
#include <QTest>

using namespace platform;

class TestDisplayDialogs : public QObject {
    Q_OBJECT
private slots:
    void fontSizeLimits_data();
    void fontSizeLimits();
    void fontDialogOffersNoEffects();
    void cancelKeepsTheStart();
    void colourChosenOnOk();
};

void TestDisplayDialogs::fontSizeLimits_data() {
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("5 refused") << 5 << false;
    QTest::newRow("6 accepted") << 6 << true;
    QTest::newRow("32 accepted") << 32 << true;
    QTest::newRow("33 refused") << 33 << false;
}

void TestDisplayDialogs::fontSizeLimits() {
    QFETCH(int, size);
    QFETCH(bool, accepted);
    QFont start(QStringLiteral("Fixedsys"), 10);
    start.setUnderline(true);
    ModalAnswerer answerer;
    answerer.then([size](QWidget *w) {
        auto *dialog = static_cast<QFontDialog *>(w);
        QFont font = dialog->currentFont();
        font.setPointSize(size);
        dialog->setCurrentFont(font);
        dialog->accept();
    });
    if (!accepted)
        answerer.press(QStringLiteral("msg_OK")).then([](QWidget *w) { w->close(); });
    const QFont chosen = chooseFont(nullptr, start);
    QVERIFY(answerer.done());
    QCOMPARE(chosen.pointSize(), accepted ? size : 10);
    QVERIFY(chosen.underline()); // kept from the start, never set by the dialog
    if (!accepted)
        QCOMPARE(answerer.texts().at(1), QStringLiteral("Size must be between 6 and 32 points."));
}

void TestDisplayDialogs::fontDialogOffersNoEffects() {
    bool effectsVisible = true;
    ModalAnswerer answerer;
    answerer.then([&](QWidget *w) {
        effectsVisible = false;
        for (QCheckBox *box : w->findChildren<QCheckBox *>())
            effectsVisible |= box->isVisibleTo(w);
        w->close();
    });
    chooseFont(nullptr, QFont());
    QVERIFY(answerer.done());
    QVERIFY(!effectsVisible);
}

void TestDisplayDialogs::cancelKeepsTheStart() {
    ModalAnswerer answerer;
    answerer.key(Qt::Key_Escape).key(Qt::Key_Escape);
    const QFont start(QStringLiteral("Fixedsys"), 10);
    QCOMPARE(chooseFont(nullptr, start), start);
    QVERIFY(!chooseColor(nullptr, QColor(1, 2, 3)));
}

void TestDisplayDialogs::colourChosenOnOk() {
    ModalAnswerer answerer;
    answerer.then([](QWidget *w) {
        auto *dialog = static_cast<QColorDialog *>(w);
        dialog->setCurrentColor(QColor(255, 0, 0));
        dialog->accept();
    });
    QCOMPARE(chooseColor(nullptr, Qt::black), std::optional<QColor>(QColor(255, 0, 0)));
}

QTEST_MAIN(TestDisplayDialogs)
#include "tst_displaydialogs.moc"
