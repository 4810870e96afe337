// Tests of the help: the compiled collection and its topics, the jump macro, the four help
// requests through the one viewer window, and a missing or broken collection.
#include "platform/Help.h"
#include "platform/HelpViewer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHelpContentModel>
#include <QHelpEngine>
#include <QHelpEngineCore>
#include <QHelpIndexModel>
#include <QHelpLink>
#include <QLineEdit>
#include <QScopeGuard>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>

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
    void missingCollectionShowsNothing_data();
    void missingCollectionShowsNothing();
    void brokenCollectionShowsNothing();

private:
    static QString collectionPath() {
        return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("QVL.qhc"));
    }
    static platform::HelpViewer *viewer() { return platform::helpViewer(); }
    static QTextBrowser *browser() { return viewer()->findChild<QTextBrowser *>("helpBrowser"); }
    static QTabWidget *tabs() { return viewer()->findChild<QTabWidget *>("helpTabs"); }

    QHelpEngineCore *m_core = nullptr;
};

void TestHelp::initTestCase() {
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
             "The header line is not valid.  Unable to decrypt this text.",
             "Cannot handle the encryption method used to encrypt this text.  Try using "
             "Shroud-a-Pad ",
             "The phrase given does not match the phrase used to password-protect the text.",
             "The encrypted text has terminated unexpectedly.  The decrypted text is incomplete "
             "and possibly contains errors.",
             "CRC information was not present in the encrypted text.  Unable to verify that the "
             "encrypted text was error-free.",
             "CRC error.  Errors were present in the encrypted text.",
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
    QTest::addColumn<QString>("contextName");
    QTest::addColumn<QString>("title");

    QTest::newRow("Help_Password1") << "Help_Password1"
                                    << "Protecting a text with a phrase";
    QTest::newRow("Help_Password2") << "Help_Password2"
                                    << "Entering the phrase of a protected block";
    QTest::newRow("Help_Password3") << "Help_Password3"
                                    << "Confirming the phrase";
    QTest::newRow("Help_EncodingMethod") << "Help_EncodingMethod"
                                         << "Choosing an encoding method";
}

void TestHelp::topicJumpOpensContentsThenTopic() {
    QFETCH(QString, contextName);
    QFETCH(QString, title);

    QVERIFY(platform::topicJump(contextName));

    QVERIFY(viewer()->isVisible());
    QCOMPARE(viewer()->currentTopic(), contextName);
    QCOMPARE(tabs()->currentIndex(), 0);
    QCOMPARE(browser()->documentTitle(), title);
    // Back leads to the contents page that the jump opened first.
    QVERIFY(browser()->isBackwardAvailable());
    browser()->backward();
    QCOMPARE(browser()->documentTitle(), QStringLiteral("Shroud-a-Pad Help Contents"));
    QVERIFY(viewer()->currentTopic().isEmpty());
}

void TestHelp::unknownTopicLeavesContentsOpen() {
    QVERIFY(!platform::topicJump(QStringLiteral("Help_Nowhere")));
    QVERIFY(viewer()->isVisible());
    QCOMPARE(browser()->documentTitle(), QStringLiteral("Shroud-a-Pad Help Contents"));
    QVERIFY(viewer()->currentTopic().isEmpty());
    QVERIFY(viewer()->statusBar()->currentMessage().contains(QStringLiteral("Help_Nowhere")));
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
    QVERIFY(viewer()->isVisible());
    QCOMPARE(viewer()->windowTitle(), QStringLiteral("Shroud-a-Pad Help"));
    QCOMPARE(tabs()->currentIndex(), 0);
    QCOMPARE(browser()->documentTitle(), QStringLiteral("Shroud-a-Pad Help Contents"));
    // The table of contents fills in the background: one top entry holding the topics.
    QHelpContentModel *contents = viewer()->engine()->contentModel();
    QTRY_COMPARE(contents->rowCount(), 1);
    const QModelIndex top = contents->index(0, 0);
    QCOMPARE(top.data().toString(), QStringLiteral("Shroud-a-Pad Help"));
    QCOMPARE(contents->index(0, 0, top).data().toString(), QStringLiteral("Encrypting a text"));
}

void TestHelp::partialKeyRequestShowsEmptyIndexSearch() {
    QVERIFY(platform::helpRequest(HelpCommand::Contents));
    auto *search = viewer()->findChild<QLineEdit *>("helpIndexSearch");
    search->setText(QStringLiteral("Method"));

    QVERIFY(platform::helpRequest(HelpCommand::PartialKey));

    QCOMPARE(tabs()->currentIndex(), 1);
    QVERIFY(search->text().isEmpty());
    QCOMPARE(viewer()->focusWidget(), search);
    QHelpIndexModel *index = viewer()->engine()->indexModel();
    QTRY_VERIFY(index->rowCount() > 50);
    QVERIFY(index->stringList().contains(QStringLiteral("encoding method")));
}

void TestHelp::indexKeywordOpensItsTopic() {
    QVERIFY(platform::helpRequest(HelpCommand::PartialKey));
    QTRY_VERIFY(viewer()->engine()->indexModel()->rowCount() > 50);
    auto *search = viewer()->findChild<QLineEdit *>("helpIndexSearch");

    QTest::keyClicks(search, QStringLiteral("Method 00"));
    QTest::keyClick(search, Qt::Key_Return);

    QCOMPARE(browser()->documentTitle(), QStringLiteral("Choosing an encoding method"));
}

void TestHelp::helpOnHelpRequest() {
    QVERIFY(platform::helpRequest(HelpCommand::HelpOnHelp));
    QVERIFY(viewer()->isVisible());
    QCOMPARE(browser()->documentTitle(), QStringLiteral("How to use help"));
}

void TestHelp::oneViewerForTheProcess() {
    QVERIFY(platform::helpRequest(HelpCommand::Contents));
    platform::HelpViewer *first = viewer();
    QVERIFY(!first->parent());
    QVERIFY(!first->testAttribute(Qt::WA_QuitOnClose));
    first->close();

    QVERIFY(platform::topicJump(QStringLiteral("Help_Password2")));
    QCOMPARE(viewer(), first);
    QVERIFY(first->isVisible());
}

void TestHelp::missingCollectionShowsNothing_data() {
    QTest::addColumn<QString>("helpFile");
    QTest::newRow("no such collection") << "MISSING.HLP";
    QTest::newRow("no help file named") << "";
}

void TestHelp::missingCollectionShowsNothing() {
    QFETCH(QString, helpFile);
    delete viewer();
    platform::setHelpFile(helpFile);

    QVERIFY(!platform::helpRequest(HelpCommand::Contents));
    QVERIFY(!platform::helpRequest(HelpCommand::PartialKey));
    QVERIFY(!platform::helpRequest(HelpCommand::HelpOnHelp));
    QVERIFY(!platform::helpRequest(HelpCommand::Command, platform::jumpMacro("Help_Password1")));
    // The contents could not be opened, so the jump is skipped and reported as done.
    QVERIFY(platform::topicJump(QStringLiteral("Help_Password1")));
    QVERIFY(!viewer());
}

void TestHelp::brokenCollectionShowsNothing() {
    QFile broken(QDir(QCoreApplication::applicationDirPath()).filePath("BROKEN.qhc"));
    if (!broken.open(QIODevice::WriteOnly))
        QSKIP("the program's folder cannot be written");
    broken.write("this is no help collection");
    broken.close();
    const auto removeBroken = qScopeGuard([&broken] { broken.remove(); });
    delete viewer();
    platform::setHelpFile(QStringLiteral("BROKEN.HLP"));

    QVERIFY(!platform::helpRequest(HelpCommand::Contents));
    QVERIFY(platform::topicJump(QStringLiteral("Help_Password1")));
    QVERIFY(!viewer());
}

QTEST_MAIN(TestHelp)
#include "tst_help.moc"
