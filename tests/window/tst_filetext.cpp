// A file's bytes read as the editor's characters: UTF-8 found and decoded in one pass, with the
// same bounds as the check of well-formedness, else Windows-1252; line breaks and the mark.
#include "cipher/TextEncoding.h"
#include "editor/text/FileText.h"
#include "platform/CodePage.h"

#include <QRandomGenerator>
#include <QTest>

namespace {

// The file is UTF-8 exactly when the check finds it well-formed, and then holds the characters
// the toolkit decodes.
void compareWithTheCheck(const std::string &bytes) {
    const FileText file = fileText(bytes);
    const bool utf8 = cipher::isValidUtf8(bytes) && cipher::holdsHighByte(bytes);
    QCOMPARE(file.format.encoding == cipher::Encoding::Utf8, utf8);
    const std::string_view text =
        std::string_view(bytes).substr(file.format.byteOrderMark ? cipher::utf8Mark.size() : 0);
    QCOMPARE(file.characters, utf8 ? QString::fromUtf8(text.data(), qsizetype(text.size()))
                                   : platform::cp1252::decode(bytes));
}

} // namespace

class TestFileText : public QObject {
    Q_OBJECT
private slots:
    void readsTheFile_data();
    void readsTheFile();
    void utf8AsTheCheckFindsIt();
    void runsAsTheCheckFindsThem();
    void countsTheLinesAsItDecodes();
};

void TestFileText::readsTheFile_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("characters");
    QTest::addColumn<QString>("format");
    QTest::newRow("ASCII, LF") << QByteArray("a\nb") << "a\nb"
                               << "Windows-1252, LF";
    QTest::newRow("Windows-1252, mixed breaks")
        << QByteArray("\x80\r\n\xFF\r\xE9\n") << QStringLiteral(u"\u20AC\n\u00FF\n\u00E9\n")
        << "Windows-1252, CR LF";
    QTest::newRow("first and last of each length")
        << QByteArray("a\xC2\x80\xDF\xBF\xE0\xA0\x80\xEF\xBF\xBF\xF0\x90\x80\x80\xF4\x8F\xBF\xBF")
        << QStringLiteral(u"a\u0080\u07FF\u0800\uFFFF\U00010000\U0010FFFF") << "UTF-8, CR LF";
    QTest::newRow("the mark, then a mark that is a character")
        << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBFx\r\n") << QStringLiteral(u"\uFEFFx\n")
        << "UTF-8 BOM, CR LF";
    QTest::newRow("cut short at the end")
        << QByteArray("\xC3\xA9\n\xF0\x9F\x98")
        << QStringLiteral(u"\u00C3\u00A9\n\u00F0\u0178\u02DC") << "Windows-1252, LF";
    QTest::newRow("the mark alone")
        << QByteArray("\xEF\xBB\xBF") << QString() << "UTF-8 BOM, CR LF";
}

void TestFileText::readsTheFile() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, characters);
    QFETCH(QString, format);
    const FileText file = fileText(bytes.toStdString());
    QCOMPARE(file.characters, characters);
    const bool utf8 = file.format.encoding == cipher::Encoding::Utf8;
    QCOMPARE(QString(utf8 ? "UTF-8" : "Windows-1252") + (file.format.byteOrderMark ? " BOM" : "") +
                 (file.format.lineBreaks == LineBreaks::Lf ? ", LF" : ", CR LF"),
             format);
}

// Short runs of bytes drawn at random, most of them above 7F, so that every kind of sequence,
// well-formed or not, cut short or not, comes up many times: the file is UTF-8 exactly when the
// check finds it well-formed, and then holds the characters the toolkit decodes.
void TestFileText::utf8AsTheCheckFindsIt() {
    QRandomGenerator random(20261211);
    const unsigned char likely[] = {0x41, 0x80, 0x8F, 0x90, 0x9F, 0xA0, 0xBF, 0xC1, 0xC2,
                                    0xDF, 0xE0, 0xED, 0xEF, 0xF0, 0xF4, 0xF5, 0xFF};
    for (int round = 0; round < 100'000; ++round) {
        std::string bytes(random.bounded(1, 6), '\0');
        for (char &byte : bytes) {
            byte = char(random.bounded(3) == 0 ? random.bounded(1, 256)
                                               : likely[random.bounded(int(std::size(likely)))]);
            byte = byte == '\r' ? 'x' : byte; // no line breaks to join
        }
        compareWithTheCheck(bytes);
        if (QTest::currentTestFailed())
            return;
    }
}

// Long runs of ASCII and of two-byte letters, which are decoded eight bytes at a time, with now
// and then one byte drawn at random in their midst: at every place in the eight a wrong byte
// must end the run where the check finds the text malformed.
void TestFileText::runsAsTheCheckFindsThem() {
    QRandomGenerator random(20261213);
    const std::string_view pieces[] = {"a", "~", " ", "\x7F", "\xC2\x80", "\xD0\x96", "\xDF\xBF"};
    const unsigned char likely[] = {0x09, 0x0A, 0x0E, 0x41, 0x7F, 0x80, 0xBF, 0xC0,
                                    0xC1, 0xC2, 0xDF, 0xE0, 0xED, 0xF0, 0xFF};
    for (int round = 0; round < 50'000; ++round) {
        std::string bytes;
        for (int i = int(random.bounded(24)); i >= 0; --i)
            bytes += pieces[random.bounded(int(std::size(pieces)))];
        if (random.bounded(2) == 0)
            bytes[random.bounded(qsizetype(bytes.size()))] =
                char(likely[random.bounded(int(std::size(likely)))]);
        compareWithTheCheck(bytes);
        if (QTest::currentTestFailed())
            return;
    }
}

// Tags, OpenPGP armour lines, line breaks of every convention and characters of one to four
// bytes, drawn at random:
// decoding joins every CR LF and lone CR into one '\n', and the lines it counts as it goes are
// the lines of the characters it made.
void TestFileText::countsTheLinesAsItDecodes() {
    QRandomGenerator random(20261212);
    const std::string_view pieces[] = {"QvL/",
                                       "Q",
                                       "x",
                                       "\r",
                                       "\n",
                                       "\r\n",
                                       "\t",
                                       "\xC3\xA9",
                                       "\xE4\xB8\xAD",
                                       "\xF0\x9F\x98\x80",
                                       "-----BEGIN PGP MESSAGE-----",
                                       "> -----END PGP"};
    for (int round = 0; round < 20'000; ++round) {
        std::string bytes;
        for (int i = int(random.bounded(12)); i >= 0; --i)
            bytes += pieces[random.bounded(int(std::size(pieces)))];
        bytes += "\xC3\xA9"; // UTF-8 however the pieces fall
        const FileText file = fileText(bytes);
        QString characters = QString::fromUtf8(bytes.data(), qsizetype(bytes.size()));
        characters.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
        QCOMPARE(file.characters, characters);
        QVERIFY(file.lines == LineCounts::of(characters));
    }
}

QTEST_GUILESS_MAIN(TestFileText)
#include "tst_filetext.moc"
