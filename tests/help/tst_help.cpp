// Tests of the help: the compiled collection and its topics, the jump macro, the four help
// requests through the one viewer window, its place and the keys that close it, and a missing
// or broken collection.
#include "ModalAnswerer.h"
#include "platform/Beep.h"
#include "platform/DialogPlacement.h"
#include "platform/Help.h"
#include "platform/HelpWindow.h"
#include "platform/Language.h"
#include "platform/Readability.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHelpContentItem>
#include <QHelpContentModel>
#include <QHelpEngineCore>
#include <QHelpIndexModel>
#include <QHelpLink>
#include <QLineEdit>
#include <QListView>
#include <QScopeGuard>
#include <QScreen>
#include <QScrollBar>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTreeView>

using platform::HelpCommand;

class TestHelp : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();

    void collectionHoldsEveryTopic_data();
    void collectionHoldsEveryTopic();
    void messagesPageExplainsEveryMessage_data();
    void messagesPageExplainsEveryMessage();
    void jumpMacro_data();
    void jumpMacro();
    void topicJumpOpensContentsThenTopic_data();
    void topicJumpOpensContentsThenTopic();
    void unknownTopicLeavesContentsOpen();
    void commandMacros_data();
    void commandMacros();
    void contentsRequest();
    void partialKeyRequestShowsEmptyIndexSearch();
    void indexKeywordOpensItsTopic();
    void helpOnHelpRequest();
    void oneViewerForTheProcess();
    void viewerClosesByKey_data();
    void viewerClosesByKey();
    void placeBesideOwner_data();
    void placeBesideOwner();
    void centredFrame_data();
    void centredFrame();
    void viewerOpensBesideTheWindowThatAsked();
    void missingCollectionSaysSo_data();
    void missingCollectionSaysSo();
    void brokenCollectionSaysSo();
    void everyPageReadsOnLightAndDarkThemes();
    void narrowestViewerShowsEveryPageWhole();
    void singleClickOnATopicShowsIt();
    void contentsShowTitlesWholeAtFirstSize();

private:
    // The collection of the language chosen at start: QVL_de.qhc in the German run.
    static QString collectionPath() {
        const QString language = platform::chosenLanguage();
        return QDir(QCoreApplication::applicationDirPath())
            .filePath(language.isEmpty() ? QStringLiteral("QVL.qhc")
                                         : QStringLiteral("QVL_%1.qhc").arg(language));
    }
    static platform::HelpWindow *viewer() { return platform::helpViewer(); }
    static QWidget *viewerWindow() { return viewer()->widget(); }
    static QTextBrowser *browser() {
        return viewerWindow()->findChild<QTextBrowser *>("helpBrowser");
    }
    static QTabWidget *tabs() { return viewerWindow()->findChild<QTabWidget *>("helpTabs"); }
    // The help engine's models behind the contents and the keyword index.
    static QHelpContentModel *contentModel() {
        return qobject_cast<QHelpContentModel *>(
            viewerWindow()->findChild<QTreeView *>("helpContents")->model());
    }
    static QHelpIndexModel *indexModel() {
        return qobject_cast<QHelpIndexModel *>(
            viewerWindow()->findChild<QListView *>("helpIndex")->model());
    }

    QHelpEngineCore *m_core = nullptr;
};

// The catalogues are chosen as at the program's start: German in the run with LANGUAGE=de.
void TestHelp::initTestCase() {
    platform::loadTranslations();
    if (qEnvironmentVariable("LANGUAGE") == u"de")
        QCOMPARE(platform::chosenLanguage(), QStringLiteral("de"));
    QVERIFY2(QFile::exists(collectionPath()), qPrintable(collectionPath()));
    m_core = new QHelpEngineCore(collectionPath(), this);
    m_core->setReadOnly(true);
    QVERIFY(m_core->setupData());
}

void TestHelp::cleanupTestCase() {
    delete viewer();
}

void TestHelp::init() {
    platform::setHelpFile(QStringLiteral("QVL.HLP"));
}

void TestHelp::collectionHoldsEveryTopic_data() {
    QTest::addColumn<QString>("identifier");
    QTest::addColumn<QString>("title");

    QTest::newRow("first phrase prompt") << "Help_Password1"
                                         << "Protecting a text with a phrase";
    QTest::newRow("phrase of Decrypt") << "Help_Password2"
                                       << "Entering the phrase of a protected block";
    QTest::newRow("confirming prompt") << "Help_Password3"
                                       << "Confirming the phrase";
    QTest::newRow("encoding method") << "Help_EncodingMethod"
                                     << "Choosing an encoding method";
    QTest::newRow("contents page") << "Help_Contents"
                                   << "Shroud-a-Pad Help Contents";
    QTest::newRow("using help") << "Help_HowToUseHelp"
                                << "How to use help";
    QTest::newRow("OpenPGP messages") << "Help_OpenPgp"
                                      << "OpenPGP messages";
    QTest::newRow("recipients dialog") << "Help_Recipients"
                                       << "Choosing OpenPGP recipients";
}

void TestHelp::collectionHoldsEveryTopic() {
    QFETCH(QString, identifier);
    QFETCH(QString, title);

    const QList<QHelpLink> documents = m_core->documentsForIdentifier(identifier);
    QCOMPARE(documents.size(), 1);
    const QByteArray page = m_core->fileData(documents.first().url);
    QVERIFY(page.contains(("<title>" + title + "</title>").toUtf8()));
}

void TestHelp::messagesPageExplainsEveryMessage_data() {
    QTest::addColumn<QString>("message");
    for (const char *message : {
             "There is no text to encrypt.",
             "The amount of text to encrypt cannot exceed 22,528 bytes.",
             "This text is already encrypted.  Are you sure you want to encrypt it again?",
             "The phrases entered do not match.",
             "You must choose an encoding method.",
             "There is no text to decrypt.",
             "The header and footer lines are not present.  This text does not appear to be "
             "encrypted.",
             "The encrypted text has been changed, and its changes cannot be undone.  Unable "
             "to decrypt this text.",
             "The header line is not valid.  Unable to decrypt this text.",
             "Cannot handle the encryption method used to encrypt this text.  Try using "
             "Shroud-a-Pad ",
             "The phrase given does not match the phrase used to password-protect the text.",
             "The encrypted text has terminated unexpectedly.  The decrypted text is incomplete "
             "and possibly contains errors.",
             "CRC information was not present in the encrypted text.  Unable to verify that the "
             "encrypted text was error-free.",
             "CRC error.  Errors were present in the encrypted text.",
             "The encrypted text is too long for its checksum.  Unable to decrypt this text.",
             "Clear text for new document?",
             "No action can be undone at this time.",
             "You must select some text to cut to the clipboard.",
             "You must select some text to copy to the clipboard.",
             "The clipboard contains no text that can be pasted.",
             "You must select some text to delete.",
             "Replace existing text with the contents of the selected file?",
             "There is no text that can be saved.",
             "Cannot open file ",
             "Cannot create file ",
             "Stream write error.",
             "Text exceeds memo capacity.",
             "The following file does not exist.",
             "Unable to write to QVL.INI.",
         })
        QTest::newRow(message) << QString::fromLatin1(message);
}

void TestHelp::messagesPageExplainsEveryMessage() {
    QFETCH(QString, message);
    const QList<QHelpLink> documents = m_core->documentsForKeyword(QStringLiteral("messages"));
    QCOMPARE(documents.size(), 1);
    const QString page = QString::fromUtf8(m_core->fileData(documents.first().url));
    QVERIFY(page.contains(message));
}

void TestHelp::jumpMacro_data() {
    QTest::addColumn<QString>("contextName");
    QTest::addColumn<QString>("macro");

    QTest::newRow("a topic") << "Help_Password1"
                             << R"(JumpID("","Help_Password1"))";
    QTest::newRow("empty name") << ""
                                << R"(JumpID("",""))";
    const QString longName(300, u'x');
    QTest::newRow("cut to 255 characters")
        << longName << (QStringLiteral(R"(JumpID("",")") + longName).left(255);
}

void TestHelp::jumpMacro() {
    QFETCH(QString, contextName);
    QFETCH(QString, macro);
    QCOMPARE(platform::jumpMacro(contextName), macro);
    QVERIFY(platform::jumpMacro(contextName).size() <= 255);
}

void TestHelp::topicJumpOpensContentsThenTopic_data() {
    QTest::addColumn<QString>("helpFile");
    QTest::addColumn<QString>("contextName");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("contentsTitle");

    // With German chosen, the German collection; FALLBACK_de.qhc is a German help whose only
    // translated page is the contents.
    if (platform::chosenLanguage() == u"de") {
        const QString contents = QStringLiteral("Inhalt der Shroud-a-Pad-Hilfe");
        QTest::newRow("German page") << "QVL.HLP"
                                     << "Help_Password1"
                                     << "Einen Text mit einer Passphrase schützen" << contents;
        QTest::newRow("page without a German translation")
            << "FALLBACK.HLP"
            << "Help_Password1"
            << "Protecting a text with a phrase" << contents;
        return;
    }
    const QString contents = QStringLiteral("Shroud-a-Pad Help Contents");
    QTest::newRow("Help_Password1") << "QVL.HLP"
                                    << "Help_Password1"
                                    << "Protecting a text with a phrase" << contents;
    QTest::newRow("Help_Password2") << "QVL.HLP"
                                    << "Help_Password2"
                                    << "Entering the phrase of a protected block" << contents;
    QTest::newRow("Help_Password3") << "QVL.HLP"
                                    << "Help_Password3"
                                    << "Confirming the phrase" << contents;
    QTest::newRow("Help_EncodingMethod") << "QVL.HLP"
                                         << "Help_EncodingMethod"
                                         << "Choosing an encoding method" << contents;
}

void TestHelp::topicJumpOpensContentsThenTopic() {
    QFETCH(QString, helpFile);
    QFETCH(QString, contextName);
    QFETCH(QString, title);
    QFETCH(QString, contentsTitle);
    platform::setHelpFile(helpFile);

    QVERIFY(platform::topicJump(contextName));

    QVERIFY(viewerWindow()->isVisible());
    QCOMPARE(viewer()->currentTopic(), contextName);
    QCOMPARE(tabs()->currentIndex(), 0);
    QCOMPARE(browser()->documentTitle(), title);
    // Back leads to the contents page that the jump opened first.
    QVERIFY(browser()->isBackwardAvailable());
    browser()->backward();
    QCOMPARE(browser()->documentTitle(), contentsTitle);
    QVERIFY(viewer()->currentTopic().isEmpty());
}

void TestHelp::unknownTopicLeavesContentsOpen() {
    QVERIFY(!platform::topicJump(QStringLiteral("Help_Nowhere")));
    QVERIFY(viewerWindow()->isVisible());
    QCOMPARE(browser()->documentTitle(), QStringLiteral("Shroud-a-Pad Help Contents"));
    QVERIFY(viewer()->currentTopic().isEmpty());
    QVERIFY(viewerWindow()->findChild<QStatusBar *>()->currentMessage().contains(
        QStringLiteral("Help_Nowhere")));
}

void TestHelp::commandMacros_data() {
    QTest::addColumn<QString>("macro");
    QTest::addColumn<bool>("succeeds");

    QTest::newRow("jump as the program builds it") << platform::jumpMacro("Help_Password3") << true;
    QTest::newRow("macro names ignore case") << R"(jumpid("","Help_Password3"))" << true;
    QTest::newRow("blanks between arguments") << R"( JumpID( "" , "Help_Password3" ) )" << true;
    QTest::newRow("naming the open help file") << R"(JumpID("QVL.HLP","Help_Password3"))" << true;
    QTest::newRow("naming another help file") << R"(JumpID("OTHER.HLP","Help_Password3"))" << false;
    QTest::newRow("unknown macro") << R"(JumpContents("QVL.HLP"))" << false;
    QTest::newRow("no macro") << "" << false;
    QTest::newRow("macro cut short") << platform::jumpMacro(QString(300, u'x')) << false;
}

void TestHelp::commandMacros() {
    QFETCH(QString, macro);
    QFETCH(bool, succeeds);
    QCOMPARE(platform::helpRequest(HelpCommand::Command, macro), succeeds);
    if (succeeds)
        QCOMPARE(viewer()->currentTopic(), QStringLiteral("Help_Password3"));
}

void TestHelp::contentsRequest() {
    QVERIFY(platform::helpRequest(HelpCommand::Contents));
    QVERIFY(viewerWindow()->isVisible());
    QCOMPARE(viewerWindow()->windowTitle(), QStringLiteral("Shroud-a-Pad Help"));
    QCOMPARE(tabs()->currentIndex(), 0);
    QCOMPARE(browser()->documentTitle(), QStringLiteral("Shroud-a-Pad Help Contents"));
    // The table of contents fills in the background: one top entry holding the topics.
    QHelpContentModel *contents = contentModel();
    QTRY_COMPARE(contents->rowCount(), 1);
    const QModelIndex top = contents->index(0, 0);
    QCOMPARE(top.data().toString(), QStringLiteral("Shroud-a-Pad Help"));
    QCOMPARE(contents->index(0, 0, top).data().toString(), QStringLiteral("Encrypting a text"));
}

void TestHelp::partialKeyRequestShowsEmptyIndexSearch() {
    QVERIFY(platform::helpRequest(HelpCommand::Contents));
    auto *search = viewerWindow()->findChild<QLineEdit *>("helpIndexSearch");
    search->setText(QStringLiteral("Method"));

    QVERIFY(platform::helpRequest(HelpCommand::PartialKey));

    QCOMPARE(tabs()->currentIndex(), 1);
    QVERIFY(search->text().isEmpty());
    QCOMPARE(viewerWindow()->focusWidget(), search);
    QHelpIndexModel *index = indexModel();
    QTRY_VERIFY(index->rowCount() > 50);
    QVERIFY(index->stringList().contains(QStringLiteral("encoding method")));
}

void TestHelp::indexKeywordOpensItsTopic() {
    QVERIFY(platform::helpRequest(HelpCommand::PartialKey));
    QTRY_VERIFY(indexModel()->rowCount() > 50);
    auto *search = viewerWindow()->findChild<QLineEdit *>("helpIndexSearch");

    QTest::keyClicks(search, QStringLiteral("Method 00"));
    QTest::keyClick(search, Qt::Key_Return);

    QCOMPARE(browser()->documentTitle(), QStringLiteral("Choosing an encoding method"));
}

void TestHelp::helpOnHelpRequest() {
    QVERIFY(platform::helpRequest(HelpCommand::HelpOnHelp));
    QVERIFY(viewerWindow()->isVisible());
    QCOMPARE(browser()->documentTitle(), QStringLiteral("How to use help"));
}

void TestHelp::oneViewerForTheProcess() {
    QVERIFY(platform::helpRequest(HelpCommand::Contents));
    platform::HelpWindow *first = viewer();
    QVERIFY(!first->widget()->parent());
    QVERIFY(!first->widget()->testAttribute(Qt::WA_QuitOnClose));
    first->widget()->close();

    QVERIFY(platform::topicJump(QStringLiteral("Help_Password2")));
    QCOMPARE(viewer(), first);
    QVERIFY(first->widget()->isVisible());
}

void TestHelp::viewerClosesByKey_data() {
    QTest::addColumn<QString>("focus"); // objectName of the widget that has the focus
    QTest::addColumn<QKeySequence>("key");
    QTest::newRow("Escape in the page") << "helpBrowser" << QKeySequence(Qt::Key_Escape);
    QTest::newRow("Ctrl+W in the page") << "helpBrowser" << QKeySequence(Qt::CTRL | Qt::Key_W);
    QTest::newRow("Escape in the keyword box") << "helpIndexSearch" << QKeySequence(Qt::Key_Escape);
    QTest::newRow("Ctrl+W in the keyword box")
        << "helpIndexSearch" << QKeySequence(Qt::CTRL | Qt::Key_W);
}

void TestHelp::viewerClosesByKey() {
    QFETCH(QString, focus);
    QFETCH(QKeySequence, key);
    QVERIFY(platform::helpRequest(focus == QLatin1String("helpBrowser") ? HelpCommand::Contents
                                                                        : HelpCommand::PartialKey));
    QVERIFY(QTest::qWaitForWindowActive(viewerWindow()));
    auto *target = viewerWindow()->findChild<QWidget *>(focus);
    target->setFocus();
    QTest::keySequence(target, key);
    QVERIFY(!viewerWindow()->isVisible());
}

void TestHelp::placeBesideOwner_data() {
    QTest::addColumn<QRect>("owner");
    QTest::addColumn<QRect>("expected");
    // On a screen of 1280 x 1024, a viewer of 600 x 400 that may narrow down to 300.
    QTest::newRow("room at the right") << QRect(100, 100, 400, 300) << QRect(500, 100, 600, 400);
    QTest::newRow("room at the left only")
        << QRect(700, 100, 400, 300) << QRect(100, 100, 600, 400);
    QTest::newRow("narrowed to the room at the right")
        << QRect(200, 50, 600, 300) << QRect(800, 50, 480, 400);
    QTest::newRow("narrowed to the room at the left")
        << QRect(500, 50, 700, 300) << QRect(0, 50, 500, 400);
    QTest::newRow("no room: the narrowest on the roomier side, inside the screen")
        << QRect(100, 0, 1100, 300) << QRect(0, 0, 300, 400);
    QTest::newRow("kept above the screen's foot")
        << QRect(100, 900, 400, 100) << QRect(500, 624, 600, 400);
}

void TestHelp::placeBesideOwner() {
    QFETCH(QRect, owner);
    QFETCH(QRect, expected);
    QCOMPARE(platform::besideOwner(owner, QSize(600, 400), 300, QRect(0, 0, 1280, 1024)), expected);
}

void TestHelp::centredFrame_data() {
    QTest::addColumn<QSize>("client");
    QTest::addColumn<QMargins>("frame");
    QTest::addColumn<QPoint>("topLeft");
    // On a screen of 1280 x 800.
    QTest::newRow("no frame") << QSize(300, 120) << QMargins() << QPoint(490, 340);
    QTest::newRow("title bar and borders")
        << QSize(300, 120) << QMargins(1, 20, 1, 5) << QPoint(489, 327);
}

// The frame, title bar included, is what stands centred, not the window's inside.
void TestHelp::centredFrame() {
    QFETCH(QSize, client);
    QFETCH(QMargins, frame);
    QFETCH(QPoint, topLeft);
    QCOMPARE(platform::centredFrameTopLeft(client, frame, QRect(0, 0, 1280, 800)), topLeft);
}

// A narrow window at the screen's left asks for help: the viewer stands at its right, level
// with it, not over it.
void TestHelp::viewerOpensBesideTheWindowThatAsked() {
    delete viewer();
    QWidget owner;
    owner.setGeometry(QRect(QPoint(0, 40), QSize(30, 200)));
    owner.show();
    owner.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&owner));

    QVERIFY(platform::helpRequest(HelpCommand::Contents));

    const QRect place = viewerWindow()->frameGeometry();
    const QRect screen = owner.screen()->availableGeometry();
    QCOMPARE(place.left(), owner.frameGeometry().right() + 1);
    QCOMPARE(place.top(), owner.frameGeometry().top());
    QVERIFY(screen.contains(place));
    QVERIFY(place.width() >= 760);
}

void TestHelp::missingCollectionSaysSo_data() {
    QTest::addColumn<QString>("helpFile");
    QTest::addColumn<QString>("message");
    QTest::newRow("no such collection") << "MISSING.HLP"
                                        << "Cannot find the help file MISSING.qhc.";
    QTest::newRow("no help file named") << ""
                                        << "Cannot find the help file.";
}

// Each request says so with the stop beep; the jump is skipped after the contents failed, and
// there is no viewer.
void TestHelp::missingCollectionSaysSo() {
    QFETCH(QString, helpFile);
    QFETCH(QString, message);
    delete viewer();
    platform::setHelpFile(helpFile);
    platform::clearRecordedBeeps();
    ModalAnswerer answerer;
    for (int box = 0; box < 5; ++box)
        answerer.press(QStringLiteral("msg_OK"));

    QVERIFY(!platform::helpRequest(HelpCommand::Contents));
    QVERIFY(!platform::helpRequest(HelpCommand::PartialKey));
    QVERIFY(!platform::helpRequest(HelpCommand::HelpOnHelp));
    QVERIFY(!platform::helpRequest(HelpCommand::Command, platform::jumpMacro("Help_Password1")));
    QVERIFY(platform::topicJump(QStringLiteral("Help_Password1")));

    QVERIFY(answerer.done());
    QCOMPARE(answerer.texts(), QStringList(5, message));
    QCOMPARE(answerer.titles(), QStringList(5, QStringLiteral("Error")));
    QCOMPARE(platform::recordedBeeps().size(), std::size_t(5));
    QVERIFY(!viewer());
}

void TestHelp::brokenCollectionSaysSo() {
    QFile broken(QDir(QCoreApplication::applicationDirPath()).filePath("BROKEN.qhc"));
    if (!broken.open(QIODevice::WriteOnly))
        QSKIP("the program's folder cannot be written");
    broken.write("this is no help collection");
    broken.close();
    const auto removeBroken = qScopeGuard([&broken] { broken.remove(); });
    delete viewer();
    platform::setHelpFile(QStringLiteral("BROKEN.HLP"));
    ModalAnswerer answerer;
    answerer.press(QStringLiteral("msg_OK")).press(QStringLiteral("msg_OK"));

    QVERIFY(!platform::helpRequest(HelpCommand::Contents));
    QVERIFY(platform::topicJump(QStringLiteral("Help_Password1")));
    QVERIFY(answerer.done());
    QCOMPARE(answerer.texts(),
             QStringList(2, QStringLiteral("Cannot read the help file BROKEN.qhc.")));
    QVERIFY(!viewer());
}

namespace {

QPalette darkPalette() {
    QPalette dark(QColor(238, 238, 236), QColor(53, 53, 53));
    dark.setColor(QPalette::Base, QColor(35, 38, 41));
    dark.setColor(QPalette::Text, QColor(238, 238, 236));
    dark.setColor(QPalette::Link, QColor(100, 170, 255));
    return dark;
}

// The colour a brush sets, or the fallback where it sets none.
QColor colourOf(const QBrush &brush, const QColor &fallback) {
    return brush.style() == Qt::NoBrush ? fallback : brush.color();
}

// Every piece of text of the browser's page whose colour does not read on its ground, with the
// ratio it has.
QStringList unreadableText(const QTextBrowser *page) {
    const QPalette palette = page->palette();
    QStringList unreadable;
    for (QTextBlock block = page->document()->begin(); block.isValid(); block = block.next()) {
        const QColor blockGround =
            colourOf(block.blockFormat().background(), palette.color(QPalette::Base));
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            // Blanks draw nothing that must read.
            if (fragment.fragment().text().trimmed().isEmpty())
                continue;
            const QTextCharFormat format = fragment.fragment().charFormat();
            const QColor text =
                colourOf(format.foreground(),
                         palette.color(format.isAnchor() ? QPalette::Link : QPalette::Text));
            const QColor ground = colourOf(format.background(), blockGround);
            const double ratio = platform::contrastRatio(text, ground);
            if (ratio < platform::readableContrast)
                unreadable << QStringLiteral("%1 (%2:1, %3 on %4)")
                                  .arg(fragment.fragment().text())
                                  .arg(ratio)
                                  .arg(text.name(), ground.name());
        }
    }
    return unreadable;
}

// The first title of the contents that does not stand whole in its row, or nothing. A title
// stands whole when it is broken over lines where the pane is too narrow for it, and its row is
// as high as its lines.
QString firstTitleNotWhole(const QTreeView *contents) {
    const int paneRight = contents->viewport()->rect().right();
    for (QModelIndex topic = contents->model()->index(0, 0); topic.isValid();
         topic = contents->indexBelow(topic)) {
        const QString title = topic.data().toString();
        const QRect row = contents->visualRect(topic);
        const QRect lines = contents->fontMetrics().boundingRect(
            QRect(0, 0, paneRight - row.left() - 8, 1000), Qt::TextWordWrap, title);
        if (row.left() + lines.width() > paneRight || lines.height() > row.height())
            return title;
    }
    return {};
}

} // namespace

// Every page reads on the light and on the dark theme: each piece of text keeps a contrast of
// 4.5 to 1 with its ground, boxed notes and links included.
void TestHelp::everyPageReadsOnLightAndDarkThemes() {
    QVERIFY(platform::helpRequest(HelpCommand::Contents));
    QVERIFY(viewer());
    const QString docs = m_core->registeredDocumentations().constFirst();
    const QList<QUrl> pages = m_core->files(docs, QString(), QStringLiteral("html"));
    QVERIFY(pages.size() >= 10);
    const QPalette before = QApplication::palette();
    for (const QPalette &theme : {before, darkPalette()}) {
        QApplication::setPalette(theme);
        QCoreApplication::processEvents();
        for (const QUrl &page : pages) {
            browser()->setSource(page);
            const QStringList unreadable = unreadableText(browser());
            QVERIFY2(unreadable.isEmpty(),
                     qPrintable(page.fileName() + ": " + unreadable.join(", ")));
        }
    }
    QApplication::setPalette(before);
}

// At its narrowest the viewer still shows every page whole: no table wider than the page pane,
// so no word is broken and nothing needs scrolling sideways. It fits a 1280 x 800 screen
// whatever the place of the window that asked.
void TestHelp::narrowestViewerShowsEveryPageWhole() {
    QVERIFY(platform::helpRequest(HelpCommand::Contents));
    const QSize frame(10, 30);
    for (const QRect owner : {QRect(320, 160, 640, 480), QRect(0, 235, 1280, 565)}) {
        const QRect screen(0, 0, 1280, 800);
        const QRect place = platform::besideOwner(owner, QSize(880, 580) + frame, 760, screen);
        QVERIFY(screen.contains(place));
    }
    viewerWindow()->resize(760, 580);
    const QString docs = m_core->registeredDocumentations().constFirst();
    for (const QUrl &page : m_core->files(docs, QString(), QStringLiteral("html"))) {
        browser()->setSource(page);
        QCoreApplication::processEvents();
        QVERIFY2(browser()->horizontalScrollBar()->maximum() == 0, qPrintable(page.fileName()));
    }
}

// One click on a topic of the contents shows it.
void TestHelp::singleClickOnATopicShowsIt() {
    QVERIFY(platform::helpRequest(HelpCommand::Contents));
    auto *contents = viewerWindow()->findChild<QTreeView *>(QStringLiteral("helpContents"));
    QHelpContentModel *model = contentModel();
    QTRY_COMPARE(model->rowCount(), 1);
    const QModelIndex topic = model->index(2, 0, model->index(0, 0));
    QVERIFY(topic.isValid());
    QTest::mouseClick(contents->viewport(), Qt::LeftButton, {},
                      contents->visualRect(topic).center());
    QCOMPARE(browser()->source(), model->contentItemAt(topic)->url());
}

// A viewer as it first opens shows every title of its contents whole, nothing scrolled out of
// sight at the right.
void TestHelp::contentsShowTitlesWholeAtFirstSize() {
    delete platform::helpViewer();
    QVERIFY(platform::helpRequest(HelpCommand::Contents));
    QVERIFY(QTest::qWaitForWindowExposed(viewerWindow()));
    auto *contents = viewerWindow()->findChild<QTreeView *>(QStringLiteral("helpContents"));
    QHelpContentModel *model = contentModel();
    QTRY_COMPARE(model->rowCount(), 1);
    QCoreApplication::processEvents();
    QCOMPARE(contents->horizontalScrollBar()->maximum(), 0);
    // Every title, at every level, stands whole in its row. Rows are laid out anew once a
    // vertical scroll bar narrows the pane, as it does where longer titles take more lines.
    QTRY_COMPARE(firstTitleNotWhole(contents), QString());
}

QTEST_MAIN(TestHelp)
#include "tst_help.moc"
