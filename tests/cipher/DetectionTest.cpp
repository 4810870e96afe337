// Whether a text holds a block: at least two of its lines begin with the tag "QvL/".
#include "BlockText.h"
#include "RowName.h"

#include "cipher/ArmourReader.h"
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
    EXPECT_EQ(cipher::locateBlock(BlockText(GetParam().text).lines()).has_value(),
              GetParam().encrypted);
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
