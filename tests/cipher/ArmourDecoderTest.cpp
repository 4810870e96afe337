// The phrase test and the text decoding on hand-made and written blocks: stated lengths that
// are zero, negative or huge, long lines, and a checksum beyond 32 bits.
#include "BlockText.h"
#include "LargestAllocation.h"
#include "RowName.h"

#include "cipher/ArmourFormat.h"
#include "cipher/CheckedInt.h"
#include "cipher/Messages.h"

#include <gtest/gtest.h>

using cipher::Verdict;
using testing_cipher::armour;
using testing_cipher::BlockText;
using testing_cipher::decrypt;

namespace {

const std::string start(cipher::startLine);
const std::string end(cipher::endLine);

struct PhraseRow {
    const char *name;
    std::vector<std::string> lines;
    std::string phrase;
    bool matches;
};

class PhraseCheck : public testing::TestWithParam<PhraseRow> {};

} // namespace

TEST_P(PhraseCheck, acceptsOnlyTheExactPhrase) {
    const BlockText text(GetParam().lines);
    const auto block = cipher::openBlock(text.lines());
    ASSERT_TRUE(block) << block.refusal;
    EXPECT_EQ(cipher::phraseMatches(text.lines(), *block.value, GetParam().phrase),
              GetParam().matches);
}

INSTANTIATE_TEST_SUITE_P(
    ArmourDecoder, PhraseCheck,
    testing::Values(
        PhraseRow{"right", armour("abc", "SECRET"), "SECRET", true},
        PhraseRow{"rightLongest", armour("abc", "SIXTEEN CHARS!!!"), "SIXTEEN CHARS!!!", true},
        PhraseRow{"sameLengthOtherLetters", armour("abc", "SECRET"), "SECRES", false},
        PhraseRow{"tooShort", armour("abc", "SECRET"), "SECRE", false},
        PhraseRow{"tooLong", armour("abc", "SECRET"), "SECRETS", false},
        PhraseRow{"lowerCaseStoredNeverOpens", armour("abc", "secret"), "SECRET", false},
        PhraseRow{"noBodyLine", {start, "QvL/0122/01/3/3", "QvL/0", end}, "ABC", false},
        PhraseRow{"groupBeyondTheLine",
                  {start, "QvL/0122/01/6/3", "Cx2uq", "QvL/0", end},
                  "ABCDEF",
                  false},
        PhraseRow{"lengthAboveSixteenNeverMatches",
                  {start, "QvL/0122/01/17/3", "C" + std::string(64, 'A'), "QvL/0", end},
                  std::string(17, 'A'),
                  false}),
    testing_cipher::rowName);

TEST(ArmourDecoder, textGroupsStartAfterTheLongestPhraseAtColumn26) {
    const std::string phrase = "SIXTEEN CHARS!!!";
    auto lines = armour("abc", phrase);
    // Moving the text group to where a reader without the phrase groups would look breaks it.
    EXPECT_EQ(lines[2].size(), 1u + 4u * 7u);
    const auto decoded = decrypt(BlockText(lines), phrase);
    EXPECT_EQ(decoded.bytes, "abc");
    lines[2].replace(25, 4, "AAAA");
    EXPECT_NE(decrypt(BlockText(lines), phrase).bytes, "abc");
}

TEST(ArmourDecoder, zeroLengthGivesNoTextAndTheChecksumVerdict) {
    EXPECT_EQ(decrypt(BlockText({start, "QvL/0122/01/0/0", "QvL/0", end}), "").verdict,
              Verdict::ChecksumAbsent);
    const auto stated = decrypt(BlockText({start, "QvL/0122/01/0/0", "QvL/5", end}), "");
    EXPECT_EQ(stated.verdict, Verdict::ChecksumDiffers);
    EXPECT_TRUE(stated.bytes.empty());
}

TEST(ArmourDecoder, negativeLengthDecodesNothing) {
    const auto decoded =
        decrypt(BlockText({start, "QvL/0122/01/0/-7", "Cx2uq", "QvL/882", end}), "");
    EXPECT_TRUE(decoded.refusal.empty());
    EXPECT_TRUE(decoded.bytes.empty());
    EXPECT_EQ(decoded.verdict, Verdict::ChecksumDiffers);
}

// The text is sized by the groups present, not by the stated length nor by the body's lines:
// a million empty lines cost no more than one group.
TEST(ArmourDecoder, hugeStatedLengthTakesNoMemoryItsBodyCannotFill) {
    const std::vector<std::string> emptyLines(1000000);
    for (const auto &[body, bytes] :
         {std::pair{std::vector<std::string>{"Cx2uq"}, std::string("abc")},
          std::pair{emptyLines, std::string()}}) {
        std::vector<std::string> lines{start, "QvL/0122/01/0/2147483647"};
        lines.insert(lines.end(), body.begin(), body.end());
        lines.insert(lines.end(), {"QvL/882", end});
        const BlockText text(lines);
        testing_cipher::resetLargestAllocation();
        const auto decoded = decrypt(text, "");
        EXPECT_LT(testing_cipher::largestAllocation(), 4096u) << body.size() << " body lines";
        EXPECT_EQ(decoded.verdict, Verdict::EndedEarly);
        EXPECT_EQ(decoded.bytes, bytes);
    }
}

TEST(ArmourDecoder, methodOutsideZeroAndOneDecodesZeroBytes) {
    const auto decoded = decrypt(BlockText({start, "QvL/0122/-1/0/3", "Cx2uq", "QvL/0", end}), "");
    EXPECT_EQ(decoded.verdict, Verdict::ChecksumAbsent);
    ASSERT_EQ(decoded.bytes.size(), 3u);
    // Zero groups deciphered with the keystream of seed 0: its first three bytes.
    EXPECT_EQ(decoded.bytes, std::string("\x00\x08\xDC", 3));
}

TEST(ArmourDecoder, checksumBeyond32BitsIsIntegerOverflow) {
    // Every "~" group decodes to FF FF FF under Method 00 and adds 1,530 to the sum.
    const std::string full = "C" + std::string(64, '~');
    std::vector<std::string_view> lines = {"QvL/0122/00/0/2147483647"};
    lines.insert(lines.end(), (2147483647 / 1530 + 1) / 16 + 1, full);
    lines.push_back("QvL/1");
    const auto block = cipher::openBlock(lines);
    ASSERT_TRUE(block);
    EXPECT_THROW(cipher::decodeText(lines, *block.value, ""), cipher::IntegerOverflow);
}

TEST(ArmourDecoder, warningsCarryTheSystemsWords) {
    cipher::DecodedText decoded;
    EXPECT_TRUE(decoded.warning().empty());
    decoded.verdict = Verdict::ChecksumAbsent;
    EXPECT_EQ(decoded.warning(), cipher::messages::checksumAbsent);
    decoded.verdict = Verdict::ChecksumDiffers;
    EXPECT_EQ(decoded.warning(), cipher::messages::checksumDiffers);
    decoded.verdict = Verdict::EndedEarly;
    EXPECT_EQ(decoded.warning(), cipher::messages::endedEarly);
}
