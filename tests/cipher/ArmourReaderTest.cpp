// Locating a block's header and checksum lines and reading its header.
#include "BlockText.h"
#include "RowName.h"

#include "cipher/ArmourReader.h"
#include "cipher/Messages.h"

#include <gtest/gtest.h>

using testing_cipher::BlockText;

namespace {

struct LocateRow {
    const char *name;
    std::string text;
    std::optional<std::pair<std::size_t, std::size_t>> place;
};

class Locate : public testing::TestWithParam<LocateRow> {};

} // namespace

TEST_P(Locate, findsTheFirstTwoTagLines) {
    const BlockText text(GetParam().text);
    const auto place = cipher::locateBlock(text.lines());
    ASSERT_EQ(place.has_value(), GetParam().place.has_value());
    if (place) {
        EXPECT_EQ(place->headerLine, GetParam().place->first);
        EXPECT_EQ(place->checksumLine, GetParam().place->second);
    }
}

INSTANTIATE_TEST_SUITE_P(
    ArmourReader, Locate,
    testing::Values(
        LocateRow{"emptyText", "", std::nullopt},
        LocateRow{"oneTagLine", "x\r\nQvL/0122/01/0/3\r\nCx2uq", std::nullopt},
        LocateRow{"twoTagLines", "QvL/a\r\nQvL/b", std::pair{0u, 1u}},
        LocateRow{"textAround", "From: me\nQvL/a\nCxx\nQvL/b\n-- sig", std::pair{1u, 3u}},
        LocateRow{"otherCaseDoesNotCount", "qvl/a\rQvL/b\rQvL/c", std::pair{1u, 2u}},
        LocateRow{"blankBeforeDoesNotCount", " QvL/a\r\nQvL/b", std::nullopt},
        LocateRow{"shortLineDoesNotCount", "QvL\r\nQvL/b", std::nullopt},
        LocateRow{"laterTagLinesIgnored", "QvL/a\nQvL/b\nQvL/c\nQvL/d", std::pair{0u, 1u}}),
    testing_cipher::rowName);

namespace {

struct HeaderRow {
    const char *name;
    std::string line;
    std::string refusal; // empty: the header is read
    cipher::Header header;
};

class HeaderTable : public testing::TestWithParam<HeaderRow> {};

const std::string invalid(cipher::messages::invalidHeader);

} // namespace

TEST_P(HeaderTable, readsOrRefusesTheHeader) {
    const HeaderRow &row = GetParam();
    const auto reading = cipher::readHeader(row.line);
    EXPECT_EQ(reading.refusal, row.refusal);
    ASSERT_EQ(static_cast<bool>(reading), row.refusal.empty());
    if (reading) {
        EXPECT_EQ(reading.value->version, row.header.version);
        EXPECT_EQ(reading.value->method, row.header.method);
        EXPECT_EQ(reading.value->phraseLength, row.header.phraseLength);
        EXPECT_EQ(reading.value->textLength, row.header.textLength);
    }
}

INSTANTIATE_TEST_SUITE_P(
    ArmourReader, HeaderTable,
    testing::Values(
        HeaderRow{"shortestWritten", "QvL/0122/00/0/1", "", {122, 0, 0, 1}},
        HeaderRow{"fourteenCharacters", "QvL/0122/0/0/1", invalid, {}},
        HeaderRow{"withPhrase", "QvL/0122/01/16/22528", "", {122, 1, 16, 22528}},
        HeaderRow{"trailingBlanks", "QvL/0122/01/0/3   ", "", {122, 1, 0, 3}},
        HeaderRow{"fifthSlash", "QvL/0122/01/0/3/", invalid, {}},
        HeaderRow{"missingSlash", "QvL/0122/01/0003", invalid, {}},
        HeaderRow{"noSlashAfterVersion", "QvL/012201000003", invalid, {}},
        HeaderRow{"lenientFields", "QvL/$7A/+1/ $10/-7x", "", {122, 1, 16, 7}},
        HeaderRow{"fieldsWithoutDigits", "QvL/vv/mm/pp/tt", "", {0, 0, 0, 0}},
        HeaderRow{"negativeMethodPasses", "QvL/0122/-1/0/30", "", {122, -1, 0, 30}},
        HeaderRow{"negativeLengthPasses", "QvL/0122/01/0/-30", "", {122, 1, 0, -30}},
        HeaderRow{"largestLength", "QvL/0122/01/0/2147483647", "", {122, 1, 0, 2147483647}},
        HeaderRow{"lengthBeyond32Bits", "QvL/0122/01/0/2147483648", invalid, {}},
        HeaderRow{"methodBeyond32Bits", "QvL/0122/4294967297/0/3", invalid, {}},
        HeaderRow{"versionBeyond32Bits", "QvL/4294967418/02/0/3", invalid, {}},
        HeaderRow{"methodTwo",
                  "QvL/0130/02/0/3",
                  "Cannot handle the encryption method used to encrypt this text.  Try using "
                  "Shroud-a-Pad 1.30.",
                  {}},
        HeaderRow{"methodTwoOldVersion",
                  "QvL/5/2/0/3    ",
                  "Cannot handle the encryption method used to encrypt this text.  Try using "
                  "Shroud-a-Pad 0.05.",
                  {}}),
    testing_cipher::rowName);

namespace {

struct ChecksumRow {
    const char *name;
    std::string line;
    std::optional<std::int32_t> stated;
};

class StatedChecksum : public testing::TestWithParam<ChecksumRow> {};

} // namespace

TEST_P(StatedChecksum, readsTheNumberAfterTheFirstSlash) {
    EXPECT_EQ(cipher::readStatedChecksum(GetParam().line), GetParam().stated);
}

INSTANTIATE_TEST_SUITE_P(
    ArmourReader, StatedChecksum,
    testing::Values(ChecksumRow{"plain", "QvL/882", 882},
                    ChecksumRow{"trailingBlank", "QvL/882 ", 882},
                    ChecksumRow{"tagOnly", "QvL/", 0}, ChecksumRow{"zero", "QvL/0", 0},
                    ChecksumRow{"laterSlashIsPartOfTheNumber", "QvL/88/2", 88},
                    ChecksumRow{"beyond32Bits", "QvL/99999999999", std::nullopt}),
    testing_cipher::rowName);

TEST(ArmourReader, openBlockGivesTheFirstRefusalThatApplies) {
    EXPECT_EQ(cipher::openBlock(BlockText("no block here").lines()).refusal,
              cipher::messages::noBlock);
    EXPECT_EQ(cipher::openBlock(BlockText("QvL/01/0/3\r\nQvL/1").lines()).refusal, invalid);
    const auto opened =
        cipher::openBlock(BlockText("x\nQvL/0122/01/3/3\nCx2uq\nQvL/882\ny").lines());
    ASSERT_TRUE(opened);
    EXPECT_TRUE(opened.refusal.empty());
    EXPECT_EQ(opened.value->place.headerLine, 1u);
    EXPECT_EQ(opened.value->place.checksumLine, 3u);
    EXPECT_EQ(opened.value->statedChecksum, 882);
    EXPECT_EQ(opened.value->header.phraseLength, 3);
}
