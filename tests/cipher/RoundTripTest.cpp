// Writing and reading back: every text comes back exactly under both methods, with and
// without a phrase, through the block's CR LF text.
#include "BlockText.h"

#include "cipher/BlockWriter.h"
#include "cipher/Lines.h"
#include "cipher/Method.h"

#include <gtest/gtest.h>

using testing_cipher::BlockText;

namespace {

struct NamedText {
    const char *name;
    std::string bytes;
};

struct NamedPhrase {
    const char *name;
    std::string bytes;
};

class RoundTrip : public testing::TestWithParam<std::tuple<NamedText, NamedPhrase, int>> {};

const NamedText texts[] = {
    {"oneByte", "a"},
    {"twoBytes", "ab"},
    {"threeBytes", "abc"},
    {"lines", "first line\r\nsecond line\r\n"},
    {"everyByteValue", testing_cipher::everyByte()},
    {"everyByteValueTwiceOver", testing_cipher::everyByte() + testing_cipher::everyByte()},
    {"largest", std::string(22528, '\xE9')},
};

const NamedPhrase phrases[] = {
    {"noPhrase", ""},
    {"oneCharacter", "A"},
    {"threeCharacters", "ABC"},
    {"highBytes", "\xC0\xC9\x8A\x9F"},
    {"longest", "SIXTEEN CHARS!!!"},
};

} // namespace

TEST_P(RoundTrip, givesBackTheText) {
    const auto &[text, phrase, method] = GetParam();
    const BlockText block(cipher::joinLines(cipher::writeBlock(
        *cipher::methodNamed(std::to_string(method)), text.bytes, phrase.bytes)));
    const auto decoded = testing_cipher::decrypt(block, phrase.bytes);
    EXPECT_TRUE(decoded.refusal.empty()) << decoded.refusal;
    EXPECT_EQ(decoded.verdict, cipher::Verdict::Verified);
    EXPECT_EQ(decoded.bytes, text.bytes);
}

INSTANTIATE_TEST_SUITE_P(ArmourBlock, RoundTrip,
                         testing::Combine(testing::ValuesIn(texts), testing::ValuesIn(phrases),
                                          testing::Values(0, 1)),
                         [](const auto &info) {
                             return std::string(std::get<0>(info.param).name) + "_" +
                                    std::get<1>(info.param).name + "_method" +
                                    std::to_string(std::get<2>(info.param));
                         });
