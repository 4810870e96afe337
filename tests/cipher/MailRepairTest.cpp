// Blocks that went through mail: quoted, indented, spread by blank lines, re-wrapped. Decrypt
// reads them with mail's changes undone when the checksum proves the repair, and otherwise
// ends exactly as the exact reading does.
#include "BlockText.h"
#include "RowName.h"

#include "cipher/Messages.h"
#include "cipher/Method02.h"

#include <functional>
#include <gtest/gtest.h>
#include <initializer_list>

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
    if (method == cipher::method02Number)
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
    testing::Values(
        OwnOutcomeRow{"changedCharacter", 1, together({changedCharacter(3, 10), quoted("> ")}),
                      "SECRET", "", Verdict::ChecksumDiffers},
        OwnOutcomeRow{"lostBodyLine", 1, together({lostLine(4), quoted("> ")}), "SECRET", "",
                      Verdict::EndedEarly},
        OwnOutcomeRow{"wrongPhrase", 1, quoted("> "), "SECRES",
                      std::string(cipher::messages::wrongPhrase), Verdict::Verified},
        OwnOutcomeRow{"invalidHeader", 1,
                      together({[](Lines &l) { l[1] = "QvL/0122/01/13"; }, quoted("> ")}), "SECRET",
                      std::string(cipher::messages::invalidHeader), Verdict::Verified},
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
        Lines lines = written(cipher::method02Number, "SECRET");
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
