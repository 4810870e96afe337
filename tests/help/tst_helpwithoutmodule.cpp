// A program whose modules folder is missing: a help request finds the collection but cannot load
// the help viewer, and says so as for a collection it cannot read, with no viewer and no crash.
#include "ModalAnswerer.h"
#include "platform/Beep.h"
#include "platform/Help.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTest>

using platform::HelpCommand;

class TestHelpWithoutModule : public QObject {
    Q_OBJECT

private slots:
    void requestsSayTheHelpFileCannotBeRead();
};

void TestHelpWithoutModule::requestsSayTheHelpFileCannotBeRead() {
    // This program is built into a folder of its own, with no modules folder beside it; the
    // collection is put beside it, where the program looks first.
    const QString collection =
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("QVL.qhc"));
    QFile::remove(collection);
    QVERIFY(QFile::copy(QStringLiteral(BUILT_HELP_COLLECTION), collection));
    const auto removeCollection = qScopeGuard([&collection] { QFile::remove(collection); });
    platform::setHelpFile(QStringLiteral("QVL.HLP"));
    platform::clearRecordedBeeps();
    ModalAnswerer answerer;
    answerer.press(QStringLiteral("msg_OK")).press(QStringLiteral("msg_OK"));
    const QRegularExpression loaderReason(QStringLiteral("^The help viewer cannot be loaded: "));

    QTest::ignoreMessage(QtWarningMsg, loaderReason);
    QVERIFY(!platform::helpRequest(HelpCommand::Contents));
    // The jump is not tried once the contents failed.
    QTest::ignoreMessage(QtWarningMsg, loaderReason);
    QVERIFY(platform::topicJump(QStringLiteral("Help_Password1")));

    QVERIFY(answerer.done());
    QCOMPARE(answerer.texts(),
             QStringList(2, QStringLiteral("Cannot read the help file QVL.qhc.")));
    QCOMPARE(answerer.titles(), QStringList(2, QStringLiteral("Error")));
    QCOMPARE(platform::recordedBeeps().size(), std::size_t(2));
    QVERIFY(!platform::helpViewer());
}

QTEST_MAIN(TestHelpWithoutModule)
#include "tst_helpwithoutmodule.moc"
