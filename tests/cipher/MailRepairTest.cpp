// Blocks that went through mail: quoted, indented, spread by blank lines, re-wrapped. Decrypt
// reads them with mail's changes undone when the checksum proves the repair, and otherwise
// ends exactly as the exact reading does.
#include "BlockText.h"
#include "RowName.h"

#include "cipher/Messages.h"
#include "cipher/Method02.h"

#include <cstdio>
#include <cstring>
#include <functional>
#include <gtest/gtest.h>
#include <initializer_list>
#include <random>
#include <unistd.h>

using cipher::Verdict;
using testing_cipher::armour;
using testing_cipher::BlockText;
using testing_cipher::decrypt;
using testing_cipher::decryptExactly;

namespace {

using Lines = std::vector<std::string>;
using MailChange = std::function<void(Lines &)>;

// Every byte value, so the body runs over six lines and every character of the method appears.
const std::string original = testing_cipher::everyByte();

// The original's block under a method and a phrase; Method 02 with Argon2id limits small enough
// for a table that derives many keys.
Lines written(int method, const std::string &phrase) {
    if (method == cipher::method02::headerMethod)
        return cipher::method02::write(original, phrase, {{2, 64}, {}, {}});
    return armour(original, phrase, method);
}

// Block lines are START, header, body lines, checksum line, END.
constexpr std::size_t firstBody = 2;

MailChange quoted(std::string prefix) {
    return [prefix](Lines &lines) {
        for (std::string &line : lines)
            line.insert(0, prefix);
    };
}

MailChange trailing(std::string blanks) {
    return [blanks](Lines &lines) {
        for (std::string &line : lines)
            line += blanks;
    };
}

// A blank line (or one holding only what is given) after every line.
MailChange spreadBy(std::string blankLine) {
    return [blankLine](Lines &lines) {
        Lines spread;
        for (const std::string &line : lines)
            spread.insert(spread.end(), {line, blankLine});
        lines = spread;
    };
}

// The body lines joined and broken again every `width` characters, as a mail program that
// re-wraps long lines does.
MailChange rewrapped(std::size_t width) {
    return [width](Lines &lines) {
        const auto bodyEnd = lines.end() - 2;
        std::string body;
        for (auto line = lines.begin() + firstBody; line != bodyEnd; ++line)
            body += *line;
        Lines broken;
        for (std::size_t at = 0; at < body.size(); at += width)
            broken.push_back(body.substr(at, width));
        lines.erase(lines.begin() + firstBody, bodyEnd);
        lines.insert(lines.begin() + firstBody, broken.begin(), broken.end());
    };
}

MailChange together(std::initializer_list<MailChange> changes) {
    return [all = std::vector<MailChange>(changes)](Lines &lines) {
        for (const MailChange &change : all)
            change(lines);
    };
}

// A line of the block, counted from its START line, changed or removed.
MailChange changedCharacter(std::size_t line, std::size_t column) {
    return [=](Lines &lines) { lines[line][column] ^= 1; };
}

MailChange lostLine(std::size_t line) {
    return [=](Lines &lines) { lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(line)); };
}

MailChange blankLineBefore(std::size_t line) {
    return
        [=](Lines &lines) { lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(line), ""); };
}

struct RepairRow {
    const char *name;
    MailChange change;
    std::string undone;
};

// A method and a phrase to write the block with; Method 02 always takes a phrase.
struct Keying {
    int method;
    std::string phrase;
};

class Repaired : public testing::TestWithParam<std::tuple<RepairRow, Keying>> {};

std::string repairedName(const testing::TestParamInfo<Repaired::ParamType> &info) {
    const auto &[row, keying] = info.param;
    return std::string(row.name) + "_method0" + std::to_string(keying.method) +
           (keying.phrase.empty() ? "" : "_phrase");
}

} // namespace

TEST_P(Repaired, givesBackTheTextWithoutAWarning) {
    const auto &[row, keying] = GetParam();
    const std::string &phrase = keying.phrase;
    Lines lines = written(keying.method, phrase);
    row.change(lines);
    const BlockText mailed(lines);
    const auto decoded = decrypt(mailed, phrase);
    ASSERT_EQ(decoded.refusal, "");
    EXPECT_EQ(decoded.verdict, Verdict::Verified);
    EXPECT_EQ(decoded.bytes, original);
    EXPECT_EQ(decoded.undone, row.undone);
    EXPECT_NE(decryptExactly(mailed, phrase), decoded) << "the exact reading reads it already";
}

INSTANTIATE_TEST_SUITE_P(
    MailRepair, Repaired,
    testing::Combine(
        testing::Values(
            RepairRow{"quotedWithSpace", quoted("> "), R"(the quote prefix "> ")"},
            RepairRow{"quotedBare", quoted(">"), R"(the quote prefix ">")"},
            RepairRow{"quotedTwice", quoted(">>"), R"(the quote prefix ">>")"},
            RepairRow{"quotedTwiceSpaced", quoted("> > "), R"(the quote prefix "> > ")"},
            RepairRow{"quotedWithBar", quoted("| "), R"(the quote prefix "| ")"},
            RepairRow{"quotedAfterSpaces", quoted("   > "),
                      R"(the quote prefix "> ", leading and trailing spaces and tabs)"},
            RepairRow{"indented", quoted(" \t "), "leading and trailing spaces and tabs"},
            RepairRow{"blankLines", spreadBy(""), "blank lines inside the block"},
            RepairRow{"linesOfBlanks", spreadBy(" \t"), "blank lines inside the block"},
            RepairRow{"rewrappedNarrower", rewrapped(40), "body lines broken at another width"},
            RepairRow{"rewrappedWider", rewrapped(76), "body lines broken at another width"},
            RepairRow{"quotedThenRewrapped", together({rewrapped(72), quoted("> ")}),
                      R"(the quote prefix "> ", body lines broken at another width)"},
            RepairRow{"quotedBlankLinesKeepTheirMark",
                      together({spreadBy(""), quoted("> "), trailing("  ")}),
                      R"(the quote prefix "> ", leading and trailing spaces and tabs, )"
                      "blank lines inside the block"},
            RepairRow{"everyChange",
                      together({rewrapped(33), spreadBy(""), trailing(" "), quoted("  >> ")}),
                      R"(the quote prefix ">> ", leading and trailing spaces and tabs, )"
                      "blank lines inside the block, body lines broken at another width"}),
        testing::Values(Keying{0, ""}, Keying{0, "SECRET PHRASE"}, Keying{1, ""},
                        Keying{1, "SECRET PHRASE"}, Keying{2, "Secret phrase"})),
    repairedName);

namespace {

struct ExactRow {
    const char *name;
    MailChange change;
    Verdict verdict; // what the exact reading ends with
};

class ExactStands : public testing::TestWithParam<std::tuple<ExactRow, std::string>> {};

std::string exactName(const testing::TestParamInfo<ExactStands::ParamType> &info) {
    return std::string(std::get<0>(info.param).name) +
           (std::get<1>(info.param).empty() ? "" : "_phrase");
}

} // namespace

// A repair that the checksum cannot prove is never taken: the outcome, the words and the
// decoded bytes are the exact reading's.
TEST_P(ExactStands, whenTheRepairIsNotProven) {
    const auto &[row, phrase] = GetParam();
    Lines lines = armour(original, phrase);
    row.change(lines);
    const BlockText mailed(lines);
    const auto decoded = decrypt(mailed, phrase);
    EXPECT_EQ(decoded, decryptExactly(mailed, phrase));
    EXPECT_EQ(decoded.undone, "");
    EXPECT_EQ(decoded.refusal, "");
    EXPECT_EQ(decoded.verdict, row.verdict);
}

INSTANTIATE_TEST_SUITE_P(MailRepair, ExactStands,
                         testing::Combine(testing::Values(ExactRow{"intact", [](Lines &) {},
                                                                   Verdict::Verified},
                                                          ExactRow{"trailingBlanksReadExactly",
                                                                   trailing(" \t"),
                                                                   Verdict::Verified},
                                                          ExactRow{"changedCharacter",
                                                                   changedCharacter(3, 10),
                                                                   Verdict::ChecksumDiffers},
                                                          ExactRow{"lostBodyLine", lostLine(4),
                                                                   Verdict::EndedEarly},
                                                          ExactRow{
                                                              "rewrappedWithAChangedCharacter",
                                                              together({rewrapped(40),
                                                                        changedCharacter(5, 7)}),
                                                              Verdict::EndedEarly},
                                                          ExactRow{"rewrappedWithALostLine",
                                                                   together({rewrapped(40),
                                                                             lostLine(6)}),
                                                                   Verdict::EndedEarly},
                                                          ExactRow{"blankLineAndALostLine",
                                                                   together({lostLine(4),
                                                                             blankLineBefore(3)}),
                                                                   Verdict::EndedEarly},
                                                          ExactRow{"blankLineAndChecksumAbsent",
                                                                   together({[](Lines &l) {
                                                                                 l[l.size() - 2] =
                                                                                     "QvL/0";
                                                                             },
                                                                             blankLineBefore(3)}),
                                                                   Verdict::EndedEarly},
                                                          ExactRow{"firstOfTwoBlocksDamaged",
                                                                   [](Lines &l) {
                                                                       changedCharacter(3, 10)(l);
                                                                       const Lines other =
                                                                           armour("another text");
                                                                       l.insert(l.end(),
                                                                                other.begin(),
                                                                                other.end());
                                                                   },
                                                                   Verdict::ChecksumDiffers},
                                                          ExactRow{"quotedBlockBeforeADamagedOne",
                                                                   [](Lines &l) {
                                                                       lostLine(4)(l);
                                                                       Lines other =
                                                                           armour("an older text");
                                                                       quoted("> ")(other);
                                                                       l.insert(l.begin(),
                                                                                other.begin(),
                                                                                other.end());
                                                                   },
                                                                   Verdict::EndedEarly}),
                                          testing::Values(std::string(), std::string("SECRET"))),
                         exactName);

namespace {

struct OwnOutcomeRow {
    const char *name;
    int method;
    MailChange change;
    std::string phrase;
    std::string refusal;
    Verdict verdict;
};

class OwnOutcome : public testing::TestWithParam<OwnOutcomeRow> {};

} // namespace

// Where the exact reading finds no block, the repaired reading goes on as any block would.
TEST_P(OwnOutcome, whereTheExactReadingFoundNoBlock) {
    Lines lines = written(GetParam().method, "SECRET");
    GetParam().change(lines);
    const BlockText mailed(lines);
    EXPECT_EQ(decryptExactly(mailed, "SECRET").refusal, cipher::messages::noBlock);
    const auto decoded = decrypt(mailed, GetParam().phrase);
    EXPECT_EQ(decoded.refusal, GetParam().refusal);
    EXPECT_EQ(decoded.verdict, GetParam().verdict);
    EXPECT_EQ(decoded.undone, R"(the quote prefix "> ")");
}

INSTANTIATE_TEST_SUITE_P(
    MailRepair, OwnOutcome,
    testing::Values(OwnOutcomeRow{"changedCharacter", 1,
                                  together({changedCharacter(3, 10), quoted("> ")}), "SECRET", "",
                                  Verdict::ChecksumDiffers},
                    OwnOutcomeRow{"lostBodyLine", 1, together({lostLine(4), quoted("> ")}),
                                  "SECRET", "", Verdict::EndedEarly},
                    OwnOutcomeRow{"wrongPhrase", 1, quoted("> "), "SECRES",
                                  std::string(cipher::messages::wrongPhrase), Verdict::Verified},
                    OwnOutcomeRow{"method02ChangedCharacter", 2,
                                  together({changedCharacter(3, 10), quoted("> ")}), "SECRET",
                                  std::string(cipher::messages::damagedBlock), Verdict::Verified},
                    OwnOutcomeRow{"method02WrongPhrase", 2, quoted("> "), "SECRES",
                                  std::string(cipher::messages::wrongPhrase), Verdict::Verified}),
    testing_cipher::rowName);

// A Method 02 block whose repair the checksum cannot prove ends as the exact reading does: with
// the damaged-block words, never a text.
TEST(MailRepair, method02BlockNoRepairProvesStaysDamaged) {
    for (const MailChange &change :
         {changedCharacter(3, 10), together({rewrapped(40), changedCharacter(5, 7)}),
          together({rewrapped(40), lostLine(6)}), together({lostLine(4), blankLineBefore(3)})}) {
        Lines lines = written(cipher::method02::headerMethod, "SECRET");
        change(lines);
        const BlockText mailed(lines);
        const auto decoded = decrypt(mailed, "SECRET");
        EXPECT_EQ(decoded, decryptExactly(mailed, "SECRET"));
        EXPECT_EQ(decoded.refusal, cipher::messages::damagedBlock);
    }
}

TEST(MailRepair, leavesTextWithoutABlockAlone) {
    for (const std::string text : {"", "> just a reply\r\n> QvL/ once\r\n", "QvL/0122/01/0/3\r\n"})
        EXPECT_EQ(decrypt(BlockText(text), ""), decryptExactly(BlockText(text), "")) << text;
}

// Where the exact reading finds no block, a repaired reading that does not prove itself speaks
// only for a block in shape: the START line right before a header its method accepts, and a
// checksum line. Otherwise the exact words stand.
TEST(MailRepair, speaksOnlyForABlockInShape) {
    const auto quotedBlock = [](const MailChange &change) {
        Lines lines = written(1, "SECRET");
        together({change, quoted("> ")})(lines);
        return lines;
    };
    const std::vector<std::pair<const char *, Lines>> texts = {
        {"strayTagLines", {"Dear reader,", " QvL/ hello", "  QvL/ world"}},
        {"invalidHeader", quotedBlock([](Lines &l) { l[1] = "QvL/0122/01/13"; })},
        {"noStartLine", quotedBlock(together({changedCharacter(3, 10), lostLine(0)}))},
        {"startLineFarAbove",
         quotedBlock(together({changedCharacter(3, 10),
                               [](Lines &l) { l.insert(l.begin() + 1, "a line between"); }}))},
    };
    for (const auto &[name, lines] : texts) {
        const BlockText text(lines);
        const auto decoded = decrypt(text, "SECRET");
        EXPECT_EQ(decoded, decryptExactly(text, "SECRET")) << name;
        EXPECT_EQ(decoded.refusal, cipher::messages::noBlock) << name;
    }
}

namespace {

// The block's lines as `fmt` re-flows them into paragraphs of at most `width` characters,
// after quoting them with "> " when asked (and keeping that prefix, as mail programs do).
MailChange reflowedBy(int width, bool quote) {
    return [=](Lines &lines) {
        char path[] = "/tmp/reflowXXXXXX";
        const int fd = mkstemp(path);
        ASSERT_GE(fd, 0);
        std::string text;
        for (const std::string &line : lines)
            text += (quote ? "> " : "") + line + "\n";
        ASSERT_EQ(write(fd, text.data(), text.size()), static_cast<ssize_t>(text.size()));
        close(fd);
        const std::string command =
            "fmt -w " + std::to_string(width) + (quote ? " -p '> ' " : " ") + path;
        FILE *output = popen(command.c_str(), "r");
        ASSERT_NE(output, nullptr);
        lines.clear();
        for (char buffer[512]; fgets(buffer, sizeof buffer, output);)
            lines.emplace_back(std::string(buffer).substr(0, std::strlen(buffer) - 1));
        EXPECT_EQ(pclose(output), 0);
        unlink(path);
    };
}

class Reflowed : public testing::TestWithParam<std::tuple<int, bool, Keying>> {};

std::string reflowedName(const testing::TestParamInfo<Reflowed::ParamType> &info) {
    const auto &[width, quote, keying] = info.param;
    return "width" + std::to_string(width) + (quote ? "_quoted" : "") + "_method0" +
           std::to_string(keying.method);
}

} // namespace

// Mail that re-flows a block joins its short lines: the START line's words share the header's
// line, the last body line shares one with the checksum and END. The block's checksum proves
// the repair.
TEST_P(Reflowed, readWhenTheChecksumProvesTheRepair) {
    const auto &[width, quote, keying] = GetParam();
    Lines lines = written(keying.method, keying.phrase);
    reflowedBy(width, quote)(lines);
    const BlockText mailed(lines);
    const auto decoded = decrypt(mailed, keying.phrase);
    ASSERT_EQ(decoded.refusal, "");
    EXPECT_EQ(decoded.verdict, Verdict::Verified);
    EXPECT_EQ(decoded.bytes, original);
    if (quote) {
        EXPECT_NE(decoded.undone, "");
    }
}

INSTANTIATE_TEST_SUITE_P(MailRepair, Reflowed,
                         testing::Combine(testing::Values(40, 48, 56, 60, 66, 72), testing::Bool(),
                                          testing::Values(Keying{0, "SECRET"}, Keying{1, ""},
                                                          Keying{2, "Secret phrase"})),
                         reflowedName);

// An inline reply: one unquoted line of prose typed between two body lines of a quoted block.
// No such line is taken into the body, so the repair never reads a wrong tail as the text; the
// block is refused as changed. Thousands of generated lines, as one in a few thousand used to
// slip through the checksum.
TEST(MailRepair, inlineReplyNeverJoinsTheBody) {
    const char *const words[] = {"I",    "agree", "with", "this", "and",  "see",  "below", "the",
                                 "plan", "is",    "fine", "but",  "send", "it",   "again", "Yes",
                                 "to",   "you",   "we",   "can",  "meet", "next", "week",  "ok"};
    std::mt19937 random(20261210);
    for (const int method : {0, 1}) {
        Lines block = written(method, "");
        quoted("> ")(block);
        for (int trial = 0; trial < 4000; ++trial) {
            std::string prose;
            for (int n = 2 + static_cast<int>(random() % 8); n > 0; --n)
                prose += std::string(prose.empty() ? "" : " ") + words[random() % std::size(words)];
            Lines lines = block;
            lines.insert(lines.begin() + 4, prose);
            const BlockText text(lines);
            const auto decoded = decrypt(text, "");
            ASSERT_EQ(decoded.refusal, cipher::messages::blockChanged)
                << "method " << method << ": " << prose;
        }
    }
}
