// The About box through the real dialog: its texts, hints, fonts and picture, its keys, its
// fixed border and unclipped layout, a fresh box at every opening, and the complemented texts.
#include "MarkingTranslator.h"
#include "ModalAnswerer.h"
#include "dialogs/AboutBox.h"

#include <QApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QToolTip>
#include <algorithm>
#include <functional>
#include <vector>

namespace {

const QString mailAddress = QStringLiteral("shroud-a-pad@example.org");
const QString webPage = QStringLiteral("http://www.example.org/shroud-a-pad/");

// Opens the box as the About command does and runs the inspection on it while it is shown;
// then presses OK.
void whileOpen(const std::function<void(QWidget *box)> &inspect) {
    ModalAnswerer answerer;
    answerer.then([&](QWidget *box) {
        inspect(box);
        box->findChild<QPushButton *>(QStringLiteral("OKButton"))->click();
    });
    showAboutBox(nullptr);
    QVERIFY(answerer.done());
}

QLabel *labelIn(QWidget *box, const char *name) {
    auto *label = box->findChild<QLabel *>(QString::fromLatin1(name));
    if (!label)
        qFatal("no label %s", name);
    return label;
}

// What an opened box shows: each label's name, text and hint.
QStringList shownTexts() {
    QStringList shown;
    whileOpen([&](QWidget *box) {
        for (const QLabel *label : box->findChildren<QLabel *>())
            shown << label->objectName() + '|' + label->text() + '|' + label->toolTip();
    });
    shown.sort();
    return shown;
}

} // namespace

class TestAbout : public QObject {
    Q_OBJECT
private slots:
    void cleanup();
    void labels_data();
    void labels();
    void hintsShowWhenTheMouseRests_data();
    void hintsShowWhenTheMouseRests();
    void opensModalWithOkAsDefault();
    void ownerTakesNoInputWhileOpen();
    void centredOnTheScreen();
    void keysAndButtons_data();
    void keysAndButtons();
    void fixedBorderWithoutMinimiseOrMaximise();
    void titleShadowLiesOnePixelRightAndBelow();
    void layoutClipsNoText();
    void showsThePicture();
    void everyLineButTheTermsGoesThroughTheCatalogue();
    void everyOpeningIsFresh();
    void complementTurnsBack_data();
    void complementTurnsBack();
};

// The command destroys its box: nothing of it survives the closing.
void TestAbout::cleanup() {
    for (const QWidget *window : QApplication::topLevelWidgets())
        QVERIFY(window->objectName() != QStringLiteral("Tfrm_About"));
}

void TestAbout::labels_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<int>("pixelHeight");
    QTest::addColumn<bool>("bold");
    const QColor black(0, 0, 0);
    const QColor purple(128, 0, 128);
    const QColor windowText = QApplication::palette().color(QPalette::Text);
    QTest::newRow("title") << "Label1"
                           << "Shroud-a-Pad" << windowText << 29 << true;
    QTest::newRow("title's white copy") << "Label2"
                                        << "Shroud-a-Pad" << QColor(Qt::white) << 29 << true;
    QTest::newRow("version") << "Label3"
                             << "Version 1.22 - Oct 15, 1996" << black << 11 << false;
    QTest::newRow("line 4") << "Label4"
                            << "Armoured text for mail and paste" << black << 11 << false;
    QTest::newRow("line 5") << "Label5"
                            << "Method 02: strong, with a phrase," << black << 11 << false;
    QTest::newRow("line 6") << "Label6"
                            << "in Encrypt With Specific Method." << black << 11 << false;
    QTest::newRow("mail") << "Label7" << mailAddress << purple << 11 << false;
    QTest::newRow("web") << "Label12" << webPage << purple << 9 << false;
    QTest::newRow("platform") << "Label10"
                              << "Version Platform:" << black << 11 << false;
    QTest::newRow("platform bits") << "Label11"
                                   << "32-bit" << black << 11 << true;
}

void TestAbout::labels() {
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QColor, colour);
    QFETCH(int, pixelHeight);
    QFETCH(bool, bold);
    whileOpen([&](QWidget *box) {
        const QLabel *label = labelIn(box, qPrintable(name));
        QCOMPARE(label->text(), text);
        QCOMPARE(label->palette().color(label->foregroundRole()), colour);
        QCOMPARE(label->font().pixelSize(), pixelHeight);
        QCOMPARE(label->font().bold(), bold);
    });
}

void TestAbout::hintsShowWhenTheMouseRests_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("hint");
    QTest::newRow("mail") << "Label7"
                          << "e-mail: " + mailAddress;
    QTest::newRow("web") << "Label12"
                         << "world-wide-web: " + webPage;
}

void TestAbout::hintsShowWhenTheMouseRests() {
    QFETCH(QString, name);
    QFETCH(QString, hint);
    whileOpen([&](QWidget *box) {
        QLabel *label = labelIn(box, qPrintable(name));
        QCOMPARE(label->toolTip(), hint);
        const QPoint middle = label->rect().center();
        QHelpEvent rest(QEvent::ToolTip, middle, label->mapToGlobal(middle));
        QApplication::sendEvent(label, &rest);
        QCOMPARE(QToolTip::text(), hint);
        QToolTip::hideText();
    });
}

void TestAbout::opensModalWithOkAsDefault() {
    whileOpen([](QWidget *box) {
        QCOMPARE(box->objectName(), QStringLiteral("Tfrm_About"));
        QCOMPARE(box->windowTitle(), QStringLiteral("About"));
        QCOMPARE(QApplication::activeModalWidget(), box);
        auto *ok = box->findChild<QPushButton *>(QStringLiteral("OKButton"));
        QCOMPARE(ok->text(), QStringLiteral("OK"));
        QVERIFY(!ok->icon().isNull());
        QVERIFY(ok->isDefault());
        QCOMPARE(box->focusWidget(), ok);
        QCOMPARE(box->findChildren<QPushButton *>().size(), 1);
    });
}

void TestAbout::ownerTakesNoInputWhileOpen() {
    QLineEdit owner;
    owner.show();
    QVERIFY(QTest::qWaitForWindowExposed(&owner));
    ModalAnswerer answerer;
    answerer.then([&](QWidget *box) {
        QCOMPARE(box->parentWidget(), &owner);
        QCOMPARE(box->windowModality(), Qt::ApplicationModal);
        QTest::keyClick(owner.windowHandle(), Qt::Key_X);
        box->findChild<QPushButton *>(QStringLiteral("OKButton"))->click();
    });
    showAboutBox(&owner);
    QVERIFY(answerer.done());
    QCOMPARE(owner.text(), QString());
    // Once the box is closed the owner takes input again.
    owner.activateWindow();
    QTest::keyClick(owner.windowHandle(), Qt::Key_X);
    QCOMPARE(owner.text(), QStringLiteral("x"));
}

void TestAbout::centredOnTheScreen() {
    whileOpen([](QWidget *box) {
        const QPoint offset =
            box->frameGeometry().center() - box->screen()->availableGeometry().center();
        QVERIFY2(offset.manhattanLength() <= 2,
                 qPrintable(QString::number(offset.x()) + ',' + QString::number(offset.y())));
    });
}

void TestAbout::keysAndButtons_data() {
    QTest::addColumn<int>("how"); // 0 OK button, 1 Enter, 2 Return, 3 close box, 4 Escape
    QTest::addColumn<bool>("closes");
    QTest::newRow("OK button") << 0 << true;
    QTest::newRow("Enter") << 1 << true;
    QTest::newRow("Return") << 2 << true;
    QTest::newRow("close box") << 3 << true;
    QTest::newRow("Escape") << 4 << false;
}

void TestAbout::keysAndButtons() {
    QFETCH(int, how);
    QFETCH(bool, closes);
    bool stillOpen = false;
    ModalAnswerer answerer;
    answerer.then([&](QWidget *box) {
        QWidget *focus = box->focusWidget();
        if (how == 0)
            box->findChild<QPushButton *>(QStringLiteral("OKButton"))->click();
        else if (how == 1)
            QTest::keyClick(focus, Qt::Key_Enter);
        else if (how == 2)
            QTest::keyClick(focus, Qt::Key_Return);
        else if (how == 3)
            box->close();
        else
            QTest::keyClick(focus, Qt::Key_Escape);
        stillOpen = box->isVisible();
        if (stillOpen)
            box->close();
    });
    showAboutBox(nullptr);
    QVERIFY(answerer.done());
    QCOMPARE(!stillOpen, closes);
}

void TestAbout::fixedBorderWithoutMinimiseOrMaximise() {
    whileOpen([](QWidget *box) {
        const Qt::WindowFlags flags = box->windowFlags();
        QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
        QVERIFY(!(flags & Qt::WindowContextHelpButtonHint));
        QVERIFY(flags & Qt::WindowSystemMenuHint);
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QCOMPARE(box->minimumSize(), box->maximumSize());
        QVERIFY(box->width() >= 474);
        QVERIFY(box->height() >= 227);
    });
}

void TestAbout::titleShadowLiesOnePixelRightAndBelow() {
    whileOpen([](QWidget *box) {
        QLabel *name = labelIn(box, "Label1");
        QLabel *shadow = labelIn(box, "Label2");
        const QPoint nameText = name->mapTo(box, name->contentsRect().topLeft());
        const QPoint shadowText = shadow->mapTo(box, shadow->contentsRect().topLeft());
        QCOMPARE(shadowText - nameText, QPoint(1, 1));
        QCOMPARE(shadow->contentsRect().size(), name->contentsRect().size());
        // The white copy is drawn first: the dark name lies above it.
        const QObjectList stacking = name->parent()->children();
        QVERIFY(stacking.indexOf(shadow) < stacking.indexOf(name));
        QVERIFY(!name->autoFillBackground());
        QVERIFY(name->font().italic());
        QCOMPARE(name->font().family(), QStringLiteral("Times New Roman"));
    });
}

void TestAbout::layoutClipsNoText() {
    whileOpen([](QWidget *box) {
        for (const QLabel *label : box->findChildren<QLabel *>()) {
            const QSize needed = label->sizeHint();
            QVERIFY2(label->width() >= needed.width() && label->height() >= needed.height(),
                     qPrintable(label->objectName()));
        }
        const auto *ok = box->findChild<QPushButton *>(QStringLiteral("OKButton"));
        QVERIFY(ok->width() >= qMax(90, ok->sizeHint().width()));
        QVERIFY(ok->height() >= 27);
        // The arrangement: picture at the left, the text column beside it, OK below both
        // with the platform line to its right.
        const auto *panel = box->findChild<QWidget *>(QStringLiteral("Panel1"));
        const QRect version = labelIn(box, "Label3")->geometry();
        const QRect platform = labelIn(box, "Label10")->geometry();
        const QRect bits = labelIn(box, "Label11")->geometry();
        QCOMPARE(panel->geometry(), QRect(8, 8, 227, 177));
        QVERIFY(version.left() > panel->geometry().right());
        QVERIFY(ok->y() > panel->geometry().bottom());
        QVERIFY(platform.left() > ok->geometry().right());
        QVERIFY(bits.left() > platform.right());
    });
}

void TestAbout::showsThePicture() {
    whileOpen([](QWidget *box) {
        const QLabel *image = labelIn(box, "Image1");
        QCOMPARE(image->pixmap().size(), QSize(225, 175));
        QCOMPARE(image->size(), QSize(225, 175));
        QCOMPARE(image->parent()->objectName(), QStringLiteral("Panel1"));
    });
}

// The program's name, its version line and the contact lines stand as they are in every
// language; every other line, the title, the button and the hints are translated.
void TestAbout::everyLineButTheTermsGoesThroughTheCatalogue() {
    const MarkingTranslator marking;
    whileOpen([](QWidget *box) {
        QStringList terms{"Shroud-a-Pad", "Shroud-a-Pad", "Version 1.22 - Oct 15, 1996",
                          mailAddress, webPage};
        terms.sort();
        QCOMPARE(unmarkedTexts(box), terms);
        QCOMPARE(labelIn(box, "Label7")->toolTip(), "{AboutBox}e-mail: " + mailAddress);
        QCOMPARE(labelIn(box, "Label12")->toolTip(), "{AboutBox}world-wide-web: " + webPage);
    });
}

void TestAbout::everyOpeningIsFresh() {
    const QStringList first = shownTexts();
    const QStringList second = shownTexts();
    QVERIFY(first.contains("Label7|" + mailAddress + "|e-mail: " + mailAddress));
    QCOMPARE(second, first);
}

void TestAbout::complementTurnsBack_data() {
    QTest::addColumn<QByteArray>("text");
    QByteArray ascending;
    for (int b = 0; b <= 255; ++b)
        ascending.append(char(b));
    QByteArray descending = ascending;
    std::reverse(descending.begin(), descending.end());
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("byte 0") << QByteArray(1, '\0');
    QTest::newRow("byte 255") << QByteArray(1, char(255));
    QTest::newRow("bytes 127 and 128") << QByteArray("\x7f\x80", 2);
    QTest::newRow("every byte, ascending") << ascending;
    QTest::newRow("every byte, descending") << descending;
    QTest::newRow("mail address") << mailAddress.toLatin1();
}

void TestAbout::complementTurnsBack() {
    QFETCH(QByteArray, text);
    std::vector<unsigned char> stored;
    for (char c : text)
        stored.push_back(static_cast<unsigned char>(255 - static_cast<unsigned char>(c)));
    const QByteArray turnedBack = uncomplement(stored);
    QCOMPARE(turnedBack.size(), text.size());
    QCOMPARE(turnedBack, text);
}

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
