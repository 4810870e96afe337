// Telling UTF-8 from Windows-1252: the bounds of every well-formed sequence, and the forms that
// are not (overlong, surrogates, beyond U+10FFFF, cut short, stray continuation bytes).
#include "RowName.h"

#include "cipher/TextEncoding.h"

#include <gtest/gtest.h>

namespace {

struct EncodingRow {
    const char *name;
    std::string bytes;
    cipher::Encoding encoding;
};

class TextEncoding : public testing::TestWithParam<EncodingRow> {};

constexpr auto utf8 = cipher::Encoding::Utf8;
constexpr auto windows1252 = cipher::Encoding::Windows1252;

} // namespace

TEST_P(TextEncoding, isFoundFromTheBytes) {
    EXPECT_EQ(cipher::encodingOf(GetParam().bytes), GetParam().encoding);
}

INSTANTIATE_TEST_SUITE_P(
    Cipher, TextEncoding,
    testing::Values(EncodingRow{"empty", "", windows1252},
                    EncodingRow{"ascii", "plain text\r\n", windows1252},
                    EncodingRow{"twoBytes", "\xC2\x80\xDF\xBF", utf8},
                    EncodingRow{"threeBytes", "\xE0\xA0\x80\xED\x9F\xBF\xEE\x80\x80\xEF\xBF\xBF",
                                utf8},
                    EncodingRow{"fourBytes", "\xF0\x90\x80\x80\xF4\x8F\xBF\xBF", utf8},
                    EncodingRow{"mark", "\xEF\xBB\xBF", utf8},
                    EncodingRow{"overlongTwo", "\xC1\xBF", windows1252},
                    EncodingRow{"overlongThree", "\xE0\x9F\xBF", windows1252},
                    EncodingRow{"overlongFour", "\xF0\x8F\xBF\xBF", windows1252},
                    EncodingRow{"surrogate", "\xED\xA0\x80", windows1252},
                    EncodingRow{"beyondTheLast", "\xF4\x90\x80\x80", windows1252},
                    EncodingRow{"leadF5", "\xF5\x80\x80\x80", windows1252},
                    EncodingRow{"cutShort", "ok \xE2\x82", windows1252},
                    EncodingRow{"cutShortTwo", "\xC3\xB6 ok \xC3", windows1252},
                    EncodingRow{"twoWithoutContinuation", "\xC3\xB6\xC3\x41", windows1252},
                    EncodingRow{"strayContinuation", "\x80", windows1252},
                    EncodingRow{"latinLetter", "K\xF6ln", windows1252},
                    EncodingRow{"validThenInvalid", "\xC3\xB6\xFF", windows1252}),
    testing_cipher::rowName);

TEST(TextEncoding, windows1252BecomesUtf8) {
    EXPECT_EQ(cipher::windows1252ToUtf8("a\x80\x81\x9F\xA0\xFF"),
              "a\xE2\x82\xAC\xC2\x81\xC5\xB8\xC2\xA0\xC3\xBF");
    EXPECT_TRUE(cipher::isValidUtf8(cipher::windows1252ToUtf8(std::string(1, '\xE9'))));
}

// The decoder keeps the same bounds as the test of well-formedness and gives the characters.
TEST(TextEncoding, decodesCharactersOfOneToFourBytes) {
    EXPECT_EQ(cipher::decodeUtf8(
                  "a\xC2\x80\xDF\xBF\xE0\xA0\x80\xEF\xBF\xBF\xF0\x90\x80\x80\xF4\x8F\xBF\xBF"),
              std::u32string(U"a\u0080\u07FF\u0800\uFFFF\U00010000\U0010FFFF"));
    EXPECT_EQ(cipher::decodeUtf8(""), std::u32string());
    for (const std::string bad :
         {"\xC1\xBF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "ok \xE2\x82", "\x80"})
        EXPECT_FALSE(cipher::decodeUtf8(bad).has_value()) << bad;
}
