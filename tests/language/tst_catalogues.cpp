// The catalogues as a release takes them: every entry of every language offered is finished,
// none is left over from words the window no longer shows, each keeps its source's placeholders
// and access keys, and the catalogues hold every word the sources mark (lupdate adds none).
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

namespace {

struct Entry {
    QString context;
    QString source;
    QString type;             // "unfinished", "obsolete", "vanished", or empty when finished
    QStringList translations; // the one translation, or each numerus form
};

QList<Entry> entriesOf(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    QList<Entry> entries;
    QString context;
    bool numerus = false;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"name") {
            context = xml.readElementText();
        } else if (xml.name() == u"message") {
            entries.append({context, {}, {}, {}});
            numerus = xml.attributes().value(QLatin1String("numerus")) == u"yes";
        } else if (xml.name() == u"source") {
            entries.last().source = xml.readElementText();
        } else if (xml.name() == u"translation") {
            entries.last().type = xml.attributes().value(QLatin1String("type")).toString();
            if (!numerus)
                entries.last().translations.append(xml.readElementText());
        } else if (xml.name() == u"numerusform") {
            entries.last().translations.append(xml.readElementText());
        }
    }
    if (xml.hasError())
        qFatal("%s: %s", qPrintable(path), qPrintable(xml.errorString()));
    return entries;
}

// The placeholders of a text, a language's digits (%L1) counted as the plain one (%1), and its
// access keys (a single "&" before a character; "&&" is an ampersand).
QStringList marksOf(const QString &text) {
    static const QRegularExpression marks(QStringLiteral("%L?([1-9n])|&&|&(?=\\S)"));
    QStringList found;
    auto matches = marks.globalMatch(text);
    while (matches.hasNext()) {
        const auto match = matches.next();
        if (match.captured() != u"&&")
            found << (match.captured(1).isEmpty() ? QStringLiteral("&") : match.captured(1));
    }
    found.sort();
    return found;
}

QString where(const QString &catalogue, const Entry &entry) {
    return QStringLiteral("%1, %2: \"%3\"")
        .arg(QFileInfo(catalogue).fileName(), entry.context, entry.source);
}

// The catalogue as lupdate makes it from today's sources, in a folder of its own.
QString updatedCopy(const QString &catalogue, const QTemporaryDir &folder) {
    const QString copy = folder.filePath(QFileInfo(catalogue).fileName());
    QFile::copy(catalogue, copy);
    QFile(copy).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    QProcess lupdate;
    lupdate.start(QStringLiteral(LUPDATE),
                  {QStringLiteral("-locations"), QStringLiteral("none"),
                   QStringLiteral("-tr-function-alias"),
                   QStringLiteral("QT_TRANSLATE_NOOP+=TRANSLATABLE"),
                   QStringLiteral("@" WORDED_SOURCES), QStringLiteral("-ts"), copy});
    if (!lupdate.waitForFinished(120000) || lupdate.exitCode() != 0)
        qFatal("lupdate failed: %s", lupdate.readAllStandardError().constData());
    return copy;
}

} // namespace

class TestCatalogues : public QObject {
    Q_OBJECT

private slots:
    void everyEntryIsFinishedAndKeepsItsMarks_data();
    void everyEntryIsFinishedAndKeepsItsMarks();
    void catalogueHoldsEveryMarkedWord_data();
    void catalogueHoldsEveryMarkedWord();
    void marksAreReadAsTranslatorsWriteThem();
};

void TestCatalogues::everyEntryIsFinishedAndKeepsItsMarks_data() {
    QTest::addColumn<QString>("catalogue");
    for (const QString &path : QStringLiteral(CATALOGUES).split(u'|'))
        QTest::newRow(qPrintable(QFileInfo(path).baseName())) << path;
}

void TestCatalogues::everyEntryIsFinishedAndKeepsItsMarks() {
    QFETCH(QString, catalogue);
    QStringList faults;
    for (const Entry &entry : entriesOf(catalogue)) {
        if (!entry.type.isEmpty())
            faults << entry.type + QStringLiteral(" ") + where(catalogue, entry);
        for (const QString &translation : entry.translations)
            if (entry.type.isEmpty() && marksOf(translation) != marksOf(entry.source))
                faults << QStringLiteral("marks differ in ") + where(catalogue, entry) +
                              QStringLiteral(" -> \"") + translation + u'"';
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
}

void TestCatalogues::catalogueHoldsEveryMarkedWord_data() {
    everyEntryIsFinishedAndKeepsItsMarks_data();
}

// A word marked in the sources but missing from the catalogue comes back from lupdate as an
// unfinished entry, and one no longer marked as a vanished one.
void TestCatalogues::catalogueHoldsEveryMarkedWord() {
    QFETCH(QString, catalogue);
    const QTemporaryDir folder;
    QStringList faults;
    for (const Entry &entry : entriesOf(updatedCopy(catalogue, folder)))
        if (!entry.type.isEmpty())
            faults << entry.type + QStringLiteral(" after lupdate: ") + where(catalogue, entry);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
}

void TestCatalogues::marksAreReadAsTranslatorsWriteThem() {
    QCOMPARE(marksOf(QStringLiteral("&Datei %L1 von %2")), marksOf(QStringLiteral("&File %2 %1")));
    QCOMPARE(marksOf(QStringLiteral("帮助(&H)")), marksOf(QStringLiteral("&Help")));
    QCOMPARE(marksOf(QStringLiteral("Tom && Jerry")), QStringList());
    QVERIFY(marksOf(QStringLiteral("Datei")) != marksOf(QStringLiteral("&File")));
    QVERIFY(marksOf(QStringLiteral("%1 Bytes")) != marksOf(QStringLiteral("%n bytes")));
}

QTEST_MAIN(TestCatalogues)
#include "tst_catalogues.moc"
