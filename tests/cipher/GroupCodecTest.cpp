// The group codec in both directions under both methods, and decoding of characters outside
// the alphabets.
#include "cipher/GroupCodec.h"
#include "RowName.h"

#include <gtest/gtest.h>

#include <string>

using cipher::DecodeGroup;
using cipher::EncodeGroup;
using cipher::Group;

namespace {

std::string text(const cipher::GroupChars &chars) {
    return std::string(chars.data(), chars.size());
}

struct CodecRow {
    const char *name;
    Group bytes;
    int method;
    std::string chars;
};

class CodecTable : public testing::TestWithParam<CodecRow> {};

} // namespace

TEST_P(CodecTable, encodesAndDecodesBack) {
    const CodecRow &row = GetParam();
    EXPECT_EQ(text(EncodeGroup(row.bytes, row.method)), row.chars);
    EXPECT_EQ(DecodeGroup(row.chars, row.method), row.bytes);
}

INSTANTIATE_TEST_SUITE_P(
    GroupCodec, CodecTable,
    testing::Values(CodecRow{"zeroMethod00", {0x00, 0x00, 0x00}, 0, "????"},
                    CodecRow{"zeroMethod01", {0x00, 0x00, 0x00}, 1, "AAAA"},
                    CodecRow{"onesMethod00", {0xFF, 0xFF, 0xFF}, 0, "~~~~"},
                    CodecRow{"onesMethod01", {0xFF, 0xFF, 0xFF}, 1, "----"},
                    CodecRow{"spacesMethod00", {0x20, 0x20, 0x20}, 0, "GA?_"},
                    CodecRow{"spacesMethod01", {0x20, 0x20, 0x20}, 1, "EBAQ"},
                    CodecRow{"abcMethod00", {0x61, 0x6A, 0xBF}, 0, "nuh`"},
                    CodecRow{"abcMethod01", {0x61, 0x6A, 0xBF}, 1, "x2uq"},
                    CodecRow{"firstByteIsLowest", {0x01, 0x00, 0x00}, 1, "AAAa"},
                    CodecRow{"thirdByteIsHighest", {0x00, 0x00, 0x04}, 1, "aAAA"}),
    testing_cipher::rowName);

struct DecodeRow {
    const char *name;
    std::string chars;
    std::int32_t method;
    Group bytes;
};

class DecodeTable : public testing::TestWithParam<DecodeRow> {};

TEST_P(DecodeTable, decodesAnyCharacters) {
    EXPECT_EQ(DecodeGroup(GetParam().chars, GetParam().method), GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(
    GroupCodec, DecodeTable,
    testing::Values(DecodeRow{"notInAlphabetIsMinusOne", "!!!!", 1, {0xBF, 0xEF, 0xFB}},
                    DecodeRow{"belowQuestionMarkIsNegative", "    ", 0, {0x21, 0x08, 0x82}},
                    DecodeRow{"aboveTildeEntersTheSum", "\xFF\xFF\xFF\xFF", 0, {0xC0, 0x30, 0x0C}},
                    DecodeRow{"methodTwoIsZero", "x2uq", 2, {0, 0, 0}},
                    DecodeRow{"negativeMethodIsZero", "x2uq", -1, {0, 0, 0}},
                    DecodeRow{"onlyFirstFourRead", "x2uqZZZZ", 1, {0x61, 0x6A, 0xBF}}),
    testing_cipher::rowName);

TEST(GroupCodec, everyGroupRoundTripsUnderBothMethods) {
    for (std::uint32_t value = 0; value < (1u << 24); value += 4093) {
        const Group group = {static_cast<std::uint8_t>(value),
                             static_cast<std::uint8_t>(value >> 8),
                             static_cast<std::uint8_t>(value >> 16)};
        for (const int method : {0, 1}) {
            const auto chars = EncodeGroup(group, method);
            ASSERT_EQ(DecodeGroup(text(chars), method), group) << value << " method " << method;
        }
    }
}

TEST(GroupCodec, methodAlphabetHoldsEachCharacterOnce) {
    for (std::size_t digit = 0; digit < cipher::MethodAlphabet.size(); ++digit)
        EXPECT_EQ(cipher::MethodAlphabet.find(cipher::MethodAlphabet[digit]), digit);
    EXPECT_EQ(cipher::MethodAlphabet.substr(50, 4), "Zz01");
    EXPECT_EQ(cipher::MethodAlphabet.substr(62), "+-");
}

TEST(GroupCodec, contractViolationsAreRefused) {
    EXPECT_THROW(EncodeGroup({1, 2, 3}, 2), std::invalid_argument);
    EXPECT_THROW(DecodeGroup("abc", 1), std::invalid_argument);
}
