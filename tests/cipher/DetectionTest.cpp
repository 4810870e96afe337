// IsEncryptedText over texts and over a line accessor that hands out only four characters.
#include "BlockText.h"
#include "RowName.h"

#include "cipher/ArmourDetection.h"
#include "cipher/Lines.h"

#include <gtest/gtest.h>

using testing_cipher::BlockText;

namespace {

struct DetectionRow {
    const char *name;
    std::string text;
    bool encrypted;
};

class Detection : public testing::TestWithParam<DetectionRow> {};

const std::string block = cipher::joinLines(testing_cipher::armour("some text"));

} // namespace

TEST_P(Detection, countsLinesThatBeginWithTheTag) {
    EXPECT_EQ(cipher::IsEncryptedText(BlockText(GetParam().text).lines()), GetParam().encrypted);
}

INSTANTIATE_TEST_SUITE_P(
    ArmourDetection, Detection,
    testing::Values(DetectionRow{"emptyText", "", false}, DetectionRow{"oneBlock", block, true},
                    DetectionRow{"twoBlocks", block + block, true},
                    DetectionRow{"onlyHeaderSurvived", "QvL/0122/01/0/9\r\nCxxxx", false},
                    DetectionRow{"twoTagLinesThatAreNoBlock", "hello\nQvL/\nworld\nQvL/x\n", true},
                    DetectionRow{"otherCase", "qvl/a\r\nQVL/b", false},
                    DetectionRow{"blankBeforeTag", " QvL/a\r\n\tQvL/b", false},
                    DetectionRow{"tagCutShort", "QvL\r\nQvL", false},
                    DetectionRow{"loneCrBreaks", "QvL/a\rQvL/b", true}),
    testing_cipher::rowName);

TEST(ArmourDetection, stopsAtTheSecondTagLineAndReadsFourCharacters) {
    std::vector<std::size_t> asked;
    const auto firstFour = [&asked](std::size_t i) {
        asked.push_back(i);
        return std::string_view(i % 2 == 0 ? "QvL/" : "text");
    };
    EXPECT_TRUE(cipher::IsEncryptedText(1000, firstFour));
    EXPECT_EQ(asked, (std::vector<std::size_t>{0, 1, 2}));
    EXPECT_FALSE(cipher::IsEncryptedText(0, firstFour));
}
