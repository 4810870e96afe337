// The font dialog's size limits, missing effects, starting point and sample; Cancel in either
// dialog changes nothing, and the colour dialog tells a confirmed colour from a cancelled one.
#include "ModalAnswerer.h"
#include "platform/DisplayDialogs.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QFontDialog>
#include <QLineEdit>
#include <QListView>
#include <QTest>

using namespace platform;

class TestDisplayDialogs : public QObject {
    Q_OBJECT
private slots:
    void fontSizeLimits_data();
    void fontSizeLimits();
    void fontDialogOffersNoEffects();
    void fontDialogListsAcceptedSizesOnly_data();
    void fontDialogListsAcceptedSizesOnly();
    void fontConfirmedUnchanged_data();
    void fontConfirmedUnchanged();
    void sampleIsShown();
    void cancelKeepsTheStart();
    void colourChosenOnOk();
    void colourConfirmedUnchanged();
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

void TestDisplayDialogs::fontDialogListsAcceptedSizesOnly_data() {
    QTest::addColumn<QString>("face");
    QTest::newRow("the face it opens on") << "";
    QTest::newRow("another face chosen") << "DejaVu Serif";
}

// The size list, filled anew for each face, offers nothing that OK would refuse.
void TestDisplayDialogs::fontDialogListsAcceptedSizesOnly() {
    QFETCH(QString, face);
    QStringList listed;
    ModalAnswerer answerer;
    answerer.then([&](QWidget *w) {
        auto *dialog = static_cast<QFontDialog *>(w);
        if (!face.isEmpty())
            dialog->setCurrentFont(QFont(face, 12));
        const auto lists = dialog->findChildren<QListView *>(Qt::FindDirectChildrenOnly);
        QListView *sizes = lists.value(2);
        for (int row = 0; sizes != nullptr && row < sizes->model()->rowCount(); ++row) {
            if (!sizes->isRowHidden(row))
                listed << sizes->model()->index(row, 0).data().toString();
        }
        w->close();
    });
    chooseFont(nullptr, QFont(QStringLiteral("DejaVu Sans Mono"), 10));
    QVERIFY(answerer.done());
    QVERIFY(listed.contains(QStringLiteral("6")));
    QVERIFY(listed.contains(QStringLiteral("28")));
    for (const QString &size : listed)
        QVERIFY2(size.toInt() >= 6 && size.toInt() <= 32, qPrintable(size));
}

// OK on the font the dialog opened with gives that font back: the same face, size and
// style, even where the face names its plain style "Book" rather than "Regular".
void TestDisplayDialogs::fontConfirmedUnchanged_data() {
    QTest::addColumn<QFont>("start");
    QTest::newRow("plain, Book") << QFont(QStringLiteral("DejaVu Sans Mono"), 10);
    QTest::newRow("bold italic") << QFont(QStringLiteral("DejaVu Sans Mono"), 12, QFont::Bold,
                                          true);
    QTest::newRow("plain serif") << QFont(QStringLiteral("DejaVu Serif"), 9);
    QTest::newRow("face not installed") << QFont(QStringLiteral("Fixedsys"), 10);
}

void TestDisplayDialogs::fontConfirmedUnchanged() {
    QFETCH(QFont, start);
    ModalAnswerer answerer;
    answerer.then([](QWidget *w) { static_cast<QDialog *>(w)->accept(); });
    const QFont chosen = chooseFont(nullptr, start);
    QVERIFY(answerer.done());
    QCOMPARE(chosen.family(), start.family());
    QCOMPARE(chosen.pointSize(), start.pointSize());
    QCOMPARE(chosen.bold(), start.bold());
    QCOMPARE(chosen.italic(), start.italic());
}

// The sample keeps room to show the chosen font although the effects beside it are hidden.
void TestDisplayDialogs::sampleIsShown() {
    QLineEdit *sample = nullptr;
    int height = 0;
    ModalAnswerer answerer;
    answerer.then([&](QWidget *w) {
        sample = w->findChild<QLineEdit *>(QStringLiteral("qt_fontDialog_sampleEdit"));
        height = sample ? sample->height() : 0;
        w->close();
    });
    chooseFont(nullptr, QFont(QStringLiteral("DejaVu Sans"), 32));
    QVERIFY(answerer.done());
    QVERIFY(sample);
    QVERIFY2(height >= QFontMetrics(QFont(QStringLiteral("DejaVu Sans"), 32)).height(),
             qPrintable(QString::number(height)));
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
    QCOMPARE(chooseColor(nullptr, Qt::black).value_or(QColor()), QColor(255, 0, 0));
}

void TestDisplayDialogs::colourConfirmedUnchanged() {
    ModalAnswerer answerer;
    answerer.key(Qt::Key_Return);
    QCOMPARE(chooseColor(nullptr, QColor(1, 2, 3)).value_or(QColor()), QColor(1, 2, 3));
}

QTEST_MAIN(TestDisplayDialogs)
#include "tst_displaydialogs.moc"
