// The qvl tool end to end: exit statuses, messages on standard error, output bytes and the
// passphrase file's rules.
#include "QvlRun.h"

#include "cipher/BlockWriter.h"
#include "cipher/KeystreamMethods.h"
#include "cipher/Lines.h"
#include "cipher/Messages.h"
#include "cipher/Method.h"
#include "cipher/Method02.h"

#include "tests/cipher/RowName.h"
#include "tests/support/PrivateMemory.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

using testing_qvl::QvlSandbox;

namespace {

std::string line(std::string_view message) {
    return std::string(message) + "\n";
}

std::string block(std::string_view text, std::string_view phrase = {}, int method = 1) {
    return cipher::joinLines(
        cipher::writeBlock(*cipher::methodNamed(std::to_string(method)), text, phrase));
}

const std::string abcBlock =
    "********************** START  Shroud-a-Pad **********************\r\n"
    "QvL/0122/01/0/3\r\nCx2uq\r\nQvL/882\r\n"
    "**********************  END   Shroud-a-Pad **********************\r\n";

} // namespace

TEST(QvlTool, noArgumentsPrintsUsageAsAMistake) {
    const auto result = QvlSandbox().run("");
    EXPECT_EQ(result.status, 1);
    EXPECT_TRUE(result.out.empty());
    EXPECT_NE(result.err.find("usage: qvl encrypt"), std::string::npos);
}

TEST(QvlTool, helpPrintsUsageAndVersionTheVersion) {
    const auto help = QvlSandbox().run("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("usage: qvl encrypt"), std::string::npos);
    EXPECT_NE(help.out.find("qvl writes its messages in English"), std::string::npos);
    EXPECT_TRUE(help.err.empty());
    const auto version = QvlSandbox().run("decrypt --version");
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "qvl " QVL_VERSION "\n");
    EXPECT_TRUE(version.err.empty());
}

// After "--" every argument is the input's name, even one that reads as an option.
class EndOfOptions : public testing::TestWithParam<const char *> {};

TEST_P(EndOfOptions, makesTheNextArgumentAFileName) {
    const QvlSandbox sandbox;
    const std::string name = sandbox.write(GetParam(), abcBlock);
    const auto result = sandbox.run("decrypt -- " + name);
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "abc");
    EXPECT_TRUE(result.err.empty());
}

INSTANTIATE_TEST_SUITE_P(QvlTool, EndOfOptions,
                         testing::Values("--help", "--version", "-h", "--utf8"),
                         [](const testing::TestParamInfo<const char *> &info) {
                             const std::string_view name = info.param;
                             return std::string(name.substr(name.find_first_not_of('-')));
                         });

namespace {

struct UsageRow {
    const char *name;
    std::string arguments;
    std::string complaint;
};

class UsageMistakes : public testing::TestWithParam<UsageRow> {};

} // namespace

TEST_P(UsageMistakes, endWithStatusOne) {
    const auto result = QvlSandbox().run(GetParam().arguments, "abc");
    EXPECT_EQ(result.status, 1);
    EXPECT_TRUE(result.out.empty());
    EXPECT_NE(result.err.find(GetParam().complaint), std::string::npos) << result.err;
}

INSTANTIATE_TEST_SUITE_P(
    QvlTool, UsageMistakes,
    testing::Values(UsageRow{"unknownCommand", "scramble", "unknown command \"scramble\""},
                    UsageRow{"unknownOption", "encrypt --fast", "unknown option \"--fast\""},
                    UsageRow{"methodThree", "encrypt --method 3", "the method is 0, 1 or 2"},
                    UsageRow{"methodWithoutValue", "encrypt --method", "--method needs a value"},
                    UsageRow{"methodOnDecrypt", "decrypt --method 1", "unknown option"},
                    UsageRow{"methodAfterTo", "encrypt --to ann@example.org --method 2",
                             "--method cannot be given with --to, --to-own-key or --openpgp"},
                    UsageRow{"openpgpAfterMethod", "encrypt --method 0 --openpgp",
                             "--method cannot be given with --to, --to-own-key or --openpgp"},
                    UsageRow{"twoInputs", "encrypt a b", "only one input file"},
                    UsageRow{"missingInput", "encrypt missing.txt", "cannot open missing.txt"},
                    UsageRow{"missingPhraseFile", "decrypt --passphrase-file none",
                             "cannot open none"}),
    testing_cipher::rowName);

TEST(QvlTool, encryptWritesTheBlockWithCrLf) {
    const QvlSandbox sandbox;
    const auto result = sandbox.run("encrypt", "abc");
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, abcBlock);
    EXPECT_TRUE(result.err.empty());
    EXPECT_EQ(sandbox.run("encrypt --method=0 " + sandbox.write("in.txt", "abc")).out,
              block("abc", "", 0));
}

TEST(QvlTool, encryptRefusesEmptyOverlongAndZeroByteText) {
    const QvlSandbox sandbox;
    const auto empty = sandbox.run("encrypt", "");
    EXPECT_EQ(empty.status, 2);
    EXPECT_EQ(empty.err, line(cipher::messages::noTextToEncrypt));
    const auto overlong = sandbox.run("encrypt", std::string(22529, 'x'));
    EXPECT_EQ(overlong.status, 2);
    EXPECT_EQ(overlong.err, line(cipher::messages::textTooLong));
    EXPECT_TRUE(overlong.out.empty());
    EXPECT_EQ(sandbox.run("encrypt", std::string(22528, 'x')).status, 0);
    // A block carries its text only up to a zero byte: the rest would be lost unseen.
    const auto zeroByte = sandbox.run("encrypt", std::string("\xFF\xFE"
                                                             "a\0b\0",
                                                             6));
    EXPECT_EQ(zeroByte.status, 2);
    EXPECT_EQ(zeroByte.err, "qvl: the text holds a zero byte at offset 3; a block carries text "
                            "only up to its first zero byte\n");
    EXPECT_TRUE(zeroByte.out.empty());
}

TEST(QvlTool, phraseFileGivesItsFirstLineInUpperCase) {
    const QvlSandbox sandbox;
    sandbox.write("phrase", "Secret \xE9t\xE9\r\nsecond line\n");
    const auto encrypted = sandbox.run("encrypt --passphrase-file phrase", "hello");
    EXPECT_EQ(encrypted.status, 0);
    EXPECT_EQ(encrypted.out, block("hello", "SECRET \xC9T\xC9"));
    sandbox.write("block.qvl", encrypted.out);
    sandbox.write("typed", "SECRET \xC9T\xC9");
    const auto decrypted = sandbox.run("decrypt --passphrase-file typed block.qvl");
    EXPECT_EQ(decrypted.status, 0);
    EXPECT_EQ(decrypted.out, "hello");
}

namespace {

struct PhraseFileRow {
    const char *name;
    std::string content;
    std::string phrase; // the Windows-1252 phrase the block is made with
};

class PhraseFile : public testing::TestWithParam<PhraseFileRow> {};

const std::string sixteenAccented = [] {
    std::string utf8;
    for (int i = 0; i < 16; ++i)
        utf8 += "\xC3\xA9";
    return utf8;
}();

} // namespace

// The phrase file is read as the passphrase dialog would take the same characters: UTF-8
// (Windows-1252 bytes when it is not UTF-8), in Windows-1252 capitals, at most 16 characters.
TEST_P(PhraseFile, givesTheDialogsPhrase) {
    const QvlSandbox sandbox;
    sandbox.write("phrase", GetParam().content);
    const auto result = sandbox.run("encrypt --passphrase-file phrase", "abc");
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, block("abc", GetParam().phrase));
}

INSTANTIATE_TEST_SUITE_P(
    QvlTool, PhraseFile,
    testing::Values(
        PhraseFileRow{"sixteenLetters", std::string(16, 'k') + "\n", std::string(16, 'K')},
        PhraseFileRow{"utf8Accent", "caf\xC3\xA9\n", "CAF\xC9"},
        PhraseFileRow{"windows1252Accent", "caf\xE9\r\n", "CAF\xC9"},
        PhraseFileRow{"utf8FromTheHighRow", "\xC5\x93uvre \xE2\x82\xAC \xC3\xBF",
                      "\x8CUVRE \x80 \x9F"},
        PhraseFileRow{"sharpSAndMicroStay", "\xC3\x9F\xC2\xB5", "\xDF\xB5"},
        PhraseFileRow{"byteOrderMark", "\xEF\xBB\xBFkey\n", "KEY"},
        PhraseFileRow{"sixteenAccentedInUtf8", sixteenAccented, std::string(16, '\xC9')}),
    testing_cipher::rowName);

namespace {

struct PhraseRefusalRow {
    const char *name;
    std::string content;
    std::string complaint;
};

class PhraseFileRefusal : public testing::TestWithParam<PhraseRefusalRow> {};

} // namespace

TEST_P(PhraseFileRefusal, endsWithStatusOne) {
    const QvlSandbox sandbox;
    sandbox.write("phrase", GetParam().content);
    const auto result = sandbox.run("encrypt --passphrase-file phrase", "abc");
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, "qvl: " + GetParam().complaint + "\n");
    EXPECT_TRUE(result.out.empty());
}

INSTANTIATE_TEST_SUITE_P(
    QvlTool, PhraseFileRefusal,
    testing::Values(PhraseRefusalRow{"emptyFile", "", "the first line of phrase holds no phrase"},
                    PhraseRefusalRow{"blankFirstLine", "\r\nsecret\r\n",
                                     "the first line of phrase holds no phrase"},
                    PhraseRefusalRow{"seventeenLetters", std::string(17, 'k'),
                                     "the phrase in phrase is longer than 16 characters"},
                    PhraseRefusalRow{"seventeenAccentedInUtf8", sixteenAccented + "\xC3\xA9",
                                     "the phrase in phrase is longer than 16 characters"},
                    PhraseRefusalRow{"lineWithoutEnd", std::string(100000, 'k'),
                                     "the phrase in phrase is longer than 16 characters"},
                    PhraseRefusalRow{
                        "notInWindows1252", "\xE4\xB8\xAD\xE6\x96\x87",
                        "the phrase in phrase holds U+4E2D, a character that Windows-1252 "
                        "cannot hold"},
                    PhraseRefusalRow{"zeroByte", std::string("ab\0c", 4),
                                     "the phrase in phrase holds a zero byte"}),
    testing_cipher::rowName);

namespace {

struct DecryptRow {
    const char *name;
    std::string input;
    std::string phrase; // written to the passphrase file when not empty
    int status;
    std::string out;
    std::string err;
};

class Decrypt : public testing::TestWithParam<DecryptRow> {};

std::string damaged(std::string text, std::string_view from, std::string_view to) {
    return text.replace(text.find(from), from.size(), to);
}

// The block of a text whose body runs over two lines, with its second body line lost.
std::string withoutLastBodyLine(std::string_view text) {
    auto lines = cipher::writeBlock(cipher::method01, text, "");
    lines.erase(lines.begin() + 3);
    return cipher::joinLines(lines);
}

const std::string protectedBlock = block("guarded", "OPEN SESAME");

// The text as a mail reply quotes it: "> " before every line.
std::string quotedReply(std::string_view text) {
    std::string reply;
    for (const std::string_view line : cipher::splitLines(text))
        reply += "> " + std::string(line) + "\r\n";
    return reply;
}

const std::string quotedUndone = "qvl: read with mail's changes undone: the quote prefix \"> \"\n";

// A Method 02 block written with small limits, so that reading it spends no time deriving.
std::string method02Block(std::string_view text, std::string_view phrase) {
    cipher::method02::SealInputs inputs = cipher::method02::freshSealInputs();
    inputs.limits = {2, 64};
    return cipher::joinLines(cipher::method02::write(text, phrase, inputs));
}

const std::string utf8Phrase = "P\xC3\xA4sswort \xE2\x9A\xA1";
// Made at its first use, not while the program starts: Method 02's phrase rule, which the
// writer checks, is itself made while the program starts, in an order no file decides.
const std::string &strongBlock() {
    static const std::string block = method02Block("strong\r\ntext", utf8Phrase);
    return block;
}

} // namespace

TEST_P(Decrypt, reportsInTheSystemsWords) {
    const DecryptRow &row = GetParam();
    const QvlSandbox sandbox;
    const std::string phraseOption =
        row.phrase.empty() ? "" : " --passphrase-file " + sandbox.write("phrase", row.phrase);
    const auto result = sandbox.run("decrypt" + phraseOption, row.input);
    EXPECT_EQ(result.status, row.status);
    EXPECT_EQ(result.out, row.out);
    EXPECT_EQ(result.err, row.err);
}

INSTANTIATE_TEST_SUITE_P(
    QvlTool, Decrypt,
    testing::Values(
        DecryptRow{"plain", abcBlock, "", 0, "abc", ""},
        DecryptRow{"textAround", "Subject: x\r\n\r\n" + abcBlock + "-- \r\n", "", 0, "abc", ""},
        DecryptRow{"withPhrase", protectedBlock, "open sesame", 0, "guarded", ""},
        DecryptRow{"phraseFileOnUnprotectedBlock", abcBlock, "anything", 0, "abc", ""},
        DecryptRow{"cutAtZeroByte", block(std::string("ab\0cd", 5)), "", 3, "ab",
                   "qvl: the text holds a zero byte at offset 2; the 3 bytes from there on were "
                   "left out\n"},
        DecryptRow{"emptyInput", "", "", 2, "", line(cipher::messages::noTextToDecrypt)},
        DecryptRow{"noBlock", "just text\r\n", "", 2, "", line(cipher::messages::noBlock)},
        DecryptRow{"invalidHeader", damaged(abcBlock, "/0/3", "/3"), "", 2, "",
                   line(cipher::messages::invalidHeader)},
        DecryptRow{"unknownMethod", damaged(abcBlock, "0122/01", "0130/02"), "", 2, "",
                   "Cannot handle the encryption method used to encrypt this text.  Try using "
                   "Shroud-a-Pad 1.30.\n"},
        DecryptRow{"wrongPhrase", protectedBlock, "OPEN SESAMY", 2, "",
                   line(cipher::messages::wrongPhrase)},
        DecryptRow{"wrongPhraseLength", protectedBlock, "OPEN", 2, "",
                   line(cipher::messages::wrongPhrase)},
        DecryptRow{"noPhraseAndNoTerminal", protectedBlock, "", 2, "",
                   "qvl: the text is password-protected; give its phrase with --passphrase-file\n"},
        DecryptRow{"endedEarly", withoutLastBodyLine(std::string(60, 'z')), "", 3,
                   std::string(48, 'z'), line(cipher::messages::endedEarly)},
        DecryptRow{"checksumAbsent", damaged(abcBlock, "QvL/882", "QvL/0"), "", 3, "abc",
                   line(cipher::messages::checksumAbsent)},
        DecryptRow{"checksumDiffers", damaged(abcBlock, "Cx2uq", "Cx2ur"), "", 3, "cbc",
                   line(cipher::messages::checksumDiffers)},
        DecryptRow{"quoted", quotedReply(abcBlock), "", 0, "abc", quotedUndone},
        DecryptRow{"quotedWithPhrase", quotedReply(protectedBlock), "open sesame", 0, "guarded",
                   quotedUndone},
        DecryptRow{"quotedWithChangedCharacter", quotedReply(damaged(abcBlock, "Cx2uq", "Cx2ur")),
                   "", 3, "cbc", quotedUndone + line(cipher::messages::checksumDiffers)},
        DecryptRow{"quotedWithReplyInside",
                   damaged(quotedReply(block(std::string(98, 'z'))), "\r\n> C",
                           "\r\nThat is what I thought too.\r\n> C"),
                   "", 2, "", line(cipher::messages::blockChanged)},
        DecryptRow{"quotedWithQuotedReplyInside",
                   damaged(quotedReply(block(std::string(98, 'z'))), "\r\n> C",
                           "\r\n> > Check this!\r\n> C"),
                   "", 2, "", line(cipher::messages::blockChanged)},
        DecryptRow{"quotedWithWrongPhrase", quotedReply(protectedBlock), "OPEN SESAMY", 2, "",
                   line(cipher::messages::wrongPhrase)},
        DecryptRow{"method02", strongBlock(), utf8Phrase + "\n", 0, "strong\r\ntext", ""},
        DecryptRow{"method02Quoted", quotedReply(strongBlock()), utf8Phrase, 0, "strong\r\ntext",
                   quotedUndone},
        DecryptRow{"method02OtherCase", strongBlock(), "p\xC3\xA4sswort \xE2\x9A\xA1", 2, "",
                   line(cipher::messages::wrongPhrase)},
        DecryptRow{"method02Damaged", damaged(strongBlock(), "CAAAa", "CAAAb"), utf8Phrase, 2, "",
                   line(cipher::messages::damagedBlock)},
        DecryptRow{"method02NoPhraseAndNoTerminal", strongBlock(), "", 2, "",
                   "qvl: the text is password-protected; give its phrase with --passphrase-file\n"},
        DecryptRow{"method02PhraseNotUtf8", strongBlock(), "P\xE4sswort", 1, "",
                   "qvl: the phrase in phrase is not UTF-8\n"},
        DecryptRow{"method02PhraseOver64Characters", strongBlock(), std::string(65, 'k'), 1, "",
                   "qvl: the phrase in phrase is longer than 64 characters\n"}),
    testing_cipher::rowName);

// Method 02 through qvl both ways, with the phrase file's first line kept as it is.
TEST(QvlTool, method02EncryptsWithThePhraseFileAndDecryptsBack) {
    const QvlSandbox sandbox;
    const std::string phraseFile = sandbox.write("phrase", utf8Phrase + "\r\nsecond line\r\n");
    const auto sealed = sandbox.run("encrypt --method 2 --passphrase-file " + phraseFile, "abc");
    ASSERT_EQ(sealed.status, 0) << sealed.err;
    EXPECT_EQ(cipher::splitLines(sealed.out)[1], "QvL/0200/02/0/3");
    const auto opened = sandbox.run("decrypt --passphrase-file " + phraseFile + " " +
                                    sandbox.write("block.qvl", sealed.out));
    EXPECT_EQ(opened.status, 0) << opened.err;
    EXPECT_EQ(opened.out, "abc");
    const auto noPhrase = sandbox.run("encrypt --method 2", "abc");
    EXPECT_EQ(noPhrase.status, 2);
    EXPECT_EQ(noPhrase.err, "qvl: Method 02 needs a phrase; give it with --passphrase-file\n");
}

struct Utf8Row {
    const char *name;
    std::string text;
    std::string out;
};

class DecryptUtf8 : public testing::TestWithParam<Utf8Row> {};

// A Windows-1252 result is written as UTF-8; a result that is already valid UTF-8 (ASCII
// included) is written as it is.
TEST_P(DecryptUtf8, writesUtf8) {
    const QvlSandbox sandbox;
    const auto result = sandbox.run("decrypt --utf8", block(GetParam().text));
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, GetParam().out);
    EXPECT_EQ(result.err, "");
}

INSTANTIATE_TEST_SUITE_P(
    QvlTool, DecryptUtf8,
    testing::Values(Utf8Row{"ascii", "abc\r\n", "abc\r\n"},
                    Utf8Row{"windows1252", "K\xF6ln \x80\x81", "K\xC3\xB6ln \xE2\x82\xAC\xC2\x81"},
                    Utf8Row{"utf8", "K\xC3\xB6ln \xD0\xB6", "K\xC3\xB6ln \xD0\xB6"},
                    Utf8Row{"almostUtf8", "\xC3\xB6\xC3", "\xC3\x83\xC2\xB6\xC3\x83"}),
    testing_cipher::rowName);

TEST(QvlTool, utf8IsForDecryptOnly) {
    const QvlSandbox sandbox;
    EXPECT_EQ(sandbox.run("encrypt --utf8", "abc").status, 1);
    EXPECT_EQ(sandbox.run("decrypt --utf8=yes", abcBlock).status, 1);
}

TEST(QvlTool, overflowingChecksumIsReportedAndNothingWritten) {
    const QvlSandbox sandbox;
    std::string huge = "QvL/0122/00/0/2147483647\n";
    // Every "~" group decodes to FF FF FF under Method 00 and adds 1,530 to the checksum.
    for (int i = 0; i < (2147483647 / 1530 + 1) / 16 + 1; ++i)
        huge += "C" + std::string(64, '~') + "\n";
    huge += "QvL/1\n";
    const auto result = sandbox.run("decrypt " + sandbox.write("huge.qvl", huge));
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.err, line(cipher::messages::checksumOverflows));
    EXPECT_TRUE(result.out.empty());
}

namespace {

struct DetectRow {
    const char *name;
    std::string arguments;
    std::string input;
    int status;
    std::string complaint; // on standard error; nothing there when empty
};

class Detect : public testing::TestWithParam<DetectRow> {};

} // namespace

// As grep answers: 0 a block, 1 no block, 2 an error.
TEST_P(Detect, answersByExitStatus) {
    const auto result = QvlSandbox().run(GetParam().arguments, GetParam().input);
    EXPECT_EQ(result.status, GetParam().status);
    EXPECT_TRUE(result.out.empty());
    if (GetParam().complaint.empty())
        EXPECT_TRUE(result.err.empty()) << result.err;
    else
        EXPECT_NE(result.err.find(GetParam().complaint), std::string::npos) << result.err;
}

INSTANTIATE_TEST_SUITE_P(
    QvlTool, Detect,
    testing::Values(
        DetectRow{"block", "detect -", abcBlock, 0, ""},
        DetectRow{"quotedBlock", "detect -", quotedReply(abcBlock), 0, ""},
        DetectRow{"quotedTagLine", "detect -", "> QvL/\n", 1, ""},
        DetectRow{"twoTagLines", "detect -", "QvL/\nQvL/\n", 0, ""},
        DetectRow{"plainText", "detect -", "hello\r\n", 1, ""},
        DetectRow{"empty", "detect -", "", 1, ""},
        DetectRow{"missingFile", "detect missing.txt", "", 2, "cannot open missing.txt"},
        DetectRow{"folder", "detect .", abcBlock, 2, "cannot read ."},
        DetectRow{"phraseOption", "detect --passphrase-file p", abcBlock, 2, "unknown option"},
        DetectRow{"endlessInput", "detect /dev/zero", "", 2, "larger than 16 MiB"}),
    testing_cipher::rowName);

// Input is read up to a limit far above any mail with a block, and refused beyond it without
// reading on: an endless source ends the run as soon as the limit is passed.
TEST(QvlTool, inputBeyondSixteenMebibytesIsRefused) {
    const QvlSandbox sandbox;
    const std::string name = sandbox.write("limit.txt", abcBlock);
    std::filesystem::resize_file(sandbox.folder() / name, 16 << 20); // zero bytes fill it up
    EXPECT_EQ(sandbox.run("detect limit.txt").status, 0);
    std::filesystem::resize_file(sandbox.folder() / name, (16 << 20) + 1);
    for (const std::string input : {"limit.txt", "/dev/zero"}) {
        const auto result = sandbox.run("decrypt " + input);
        EXPECT_EQ(result.status, 1);
        EXPECT_EQ(result.err, "qvl: " + input + " is larger than 16 MiB, the most qvl reads\n");
        EXPECT_TRUE(result.out.empty());
    }
}

namespace {

struct OutputRow {
    const char *name;
    std::string arguments;
    std::string input;
};

class FullOutput : public testing::TestWithParam<OutputRow> {};

} // namespace

// Output that cannot be written is a failure, whatever the run would have answered.
TEST_P(FullOutput, endsWithStatusOne) {
    const auto result = QvlSandbox().run(GetParam().arguments, GetParam().input, "/dev/full");
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.err.find("qvl: cannot write standard output"), std::string::npos)
        << result.err;
}

INSTANTIATE_TEST_SUITE_P(QvlTool, FullOutput,
                         testing::Values(OutputRow{"help", "--help", ""},
                                         OutputRow{"version", "--version", ""},
                                         OutputRow{"encrypt", "encrypt", "abc"},
                                         OutputRow{"decrypt", "decrypt", abcBlock},
                                         OutputRow{"decryptWithWarning", "decrypt",
                                                   damaged(abcBlock, "QvL/882", "QvL/0")}),
                         testing_cipher::rowName);

// qvl holds phrases and texts: its memory never reaches a core dump or another process. Checked
// while it waits for its input.
TEST(QvlTool, keepsItsMemoryPrivate) {
    const private_memory::ReachableCopy qvl(QVL_PATH);
    int input[2];
    ASSERT_EQ(::pipe(input), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::dup2(input[0], STDIN_FILENO);
        ::close(input[1]);
        private_memory::prepareChild();
        ::execl(qvl.program().c_str(), "qvl", "decrypt", static_cast<char *>(nullptr));
        ::_exit(127);
    }
    ::close(input[0]);
    EXPECT_TRUE(private_memory::keepsMemoryPrivate(child, qvl.program()));
    ::close(input[1]);
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) != 127);
}
