// The keystream methods' blocks byte for byte, its line geometry and its input limits.
#include "BlockText.h"
#include "RowName.h"

#include "cipher/ArmourFormat.h"
#include "cipher/BlockWriter.h"
#include "cipher/GroupCodec.h"
#include "cipher/Lines.h"
#include "cipher/Messages.h"

#include <gtest/gtest.h>

using testing_cipher::armour;

namespace {

const std::string start = "********************** START  Shroud-a-Pad **********************";
const std::string end = "**********************  END   Shroud-a-Pad **********************";

struct ExampleRow {
    const char *name;
    std::string text;
    int method;
    std::vector<std::string> lines;
};

class WorkedExamples : public testing::TestWithParam<ExampleRow> {};

} // namespace

TEST_P(WorkedExamples, writesTheBlockExactly) {
    EXPECT_EQ(armour(GetParam().text, "", GetParam().method), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    BlockWriter, WorkedExamples,
    testing::Values(
        ExampleRow{"abcMethod01", "abc", 1, {start, "QvL/0122/01/0/3", "Cx2uq", "QvL/882", end}},
        ExampleRow{"abcMethod00", "abc", 0, {start, "QvL/0122/00/0/3", "Cnuh`", "QvL/882", end}},
        ExampleRow{
            "abcdMethod01", "abcd", 1, {start, "QvL/0122/01/0/4", "Cx2uqECkl", "QvL/1203", end}}),
    testing_cipher::rowName);

TEST(BlockWriter, everyLineEndsWithCrLf) {
    const std::string expected =
        start + "\r\nQvL/0122/01/0/3\r\nCx2uq\r\nQvL/882\r\n" + end + "\r\n";
    EXPECT_EQ(cipher::joinLines(armour("abc")), expected);
}

TEST(BlockWriter, zeroByteAfterTheTextIsEncipheredOnlyWhenItsGroupHasRoom) {
    // "abcd": the second group carries "d" ^ 51, 0 ^ 69 and one filler space.
    const auto group = cipher::DecodeGroup(armour("abcd")[2].substr(5, 4), 1);
    EXPECT_EQ(group, (cipher::Group{'d' ^ 51, 0 ^ 69, 0x20}));
}

TEST(BlockWriter, headerCarriesPhraseAndTextLength) {
    EXPECT_EQ(armour("abc", "SECRET", 0)[1], "QvL/0122/00/6/3");
    EXPECT_EQ(armour(std::string(22528, 'x'))[1], "QvL/0122/01/0/22528");
}

struct GeometryRow {
    const char *name;
    std::size_t phraseLength;
    std::size_t textLength;
    std::vector<std::size_t> bodyLineLengths;
};

class BodyGeometry : public testing::TestWithParam<GeometryRow> {};

TEST_P(BodyGeometry, cutsTheStreamIntoLinesOfSixteenGroups) {
    const GeometryRow &row = GetParam();
    const auto lines = armour(std::string(row.textLength, 'x'), std::string(row.phraseLength, 'P'));
    ASSERT_EQ(lines.size(), row.bodyLineLengths.size() + 4);
    for (std::size_t i = 0; i < row.bodyLineLengths.size(); ++i) {
        EXPECT_EQ(lines[2 + i].size(), row.bodyLineLengths[i]) << "body line " << i;
        EXPECT_EQ(lines[2 + i][0], 'C');
    }
}

INSTANTIATE_TEST_SUITE_P(
    BlockWriter, BodyGeometry,
    testing::Values(GeometryRow{"oneByte", 0, 1, {5}},
                    GeometryRow{"fortyEightBytesFillOneLine", 0, 48, {65}},
                    GeometryRow{"fortyNineBytesStartASecondLine", 0, 49, {65, 5}},
                    GeometryRow{"longestPhraseSharesTheFirstLine", 16, 30, {65}},
                    GeometryRow{"longestPhraseThenMoreText", 16, 31, {65, 5}},
                    GeometryRow{"phraseOfOneTakesAGroup", 1, 48, {65, 5}}),
    testing_cipher::rowName);

TEST(BlockWriter, largestTextEndsWithAShortLine) {
    // 7,510 groups: 469 full lines and a last line of 6 groups.
    const auto lines = armour(std::string(22528, 'x'));
    ASSERT_EQ(lines.size(), 470u + 4u);
    for (std::size_t i = 2; i < 471; ++i)
        ASSERT_EQ(lines[i].size(), 65u) << "body line " << i - 2;
    EXPECT_EQ(lines[471].size(), 25u);
}

TEST(BlockWriter, phraseAndTextShareTheirFirstKeystreamBytes) {
    // Seeded twice with the same value: a phrase "A" and a text "A" encipher alike.
    const auto lines = armour("A", "A", 1);
    EXPECT_EQ(cipher::DecodeGroup(lines[2].substr(1, 4), 1)[0],
              cipher::DecodeGroup(lines[2].substr(5, 4), 1)[0]);
}

struct RefusalRow {
    const char *name;
    std::size_t length;
    std::optional<std::string_view> refusal;
};

class EncryptRefusals : public testing::TestWithParam<RefusalRow> {};

TEST_P(EncryptRefusals, refusesEmptyAndOverlongText) {
    EXPECT_EQ(cipher::encryptRefusal(std::string(GetParam().length, 'x')), GetParam().refusal);
    // The editor asks with the length alone, before it builds the text.
    EXPECT_EQ(cipher::encryptRefusal(GetParam().length), GetParam().refusal);
}

INSTANTIATE_TEST_SUITE_P(BlockWriter, EncryptRefusals,
                         testing::Values(RefusalRow{"empty", 0, cipher::messages::noTextToEncrypt},
                                         RefusalRow{"oneByte", 1, std::nullopt},
                                         RefusalRow{"atTheLimit", 22528, std::nullopt},
                                         RefusalRow{"overTheLimit", 22529,
                                                    cipher::messages::textTooLong}),
                         testing_cipher::rowName);

TEST(BlockWriter, inputOutsideItsLimitsIsRefused) {
    EXPECT_THROW(armour(""), std::invalid_argument);
    EXPECT_THROW(armour(std::string(22529, 'x')), std::invalid_argument);
    EXPECT_THROW(armour("abc", std::string(17, 'P')), std::invalid_argument);
    EXPECT_THROW(armour("abc", "", 2), std::invalid_argument);
}
