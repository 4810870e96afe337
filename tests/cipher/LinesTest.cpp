// Splitting a text at its line breaks, as the editor's line list does or at LF alone, and
// joining with CR LF.
#include "RowName.h"

#include "cipher/Lines.h"
#include "plaintext/Lines.h"

#include <gtest/gtest.h>

namespace {

using plaintext::LineBreaks;

struct SplitRow {
    const char *name;
    std::string text;
    std::vector<std::string_view> lines;
    LineBreaks breaks = LineBreaks::Any;
};

class Split : public testing::TestWithParam<SplitRow> {};

} // namespace

TEST_P(Split, cutsAtEveryKindOfBreak) {
    EXPECT_EQ(plaintext::splitLines(GetParam().text, GetParam().breaks), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, Split,
    testing::Values(SplitRow{"empty", "", {""}}, SplitRow{"oneLine", "abc", {"abc"}},
                    SplitRow{"crLf", "a\r\nb", {"a", "b"}}, SplitRow{"loneCr", "a\rb", {"a", "b"}},
                    SplitRow{"loneLf", "a\nb", {"a", "b"}},
                    SplitRow{"lfCrIsTwoBreaks", "a\n\rb", {"a", "", "b"}},
                    SplitRow{"endingBreakLeavesEmptyLine", "a\r\n", {"a", ""}},
                    SplitRow{"onlyBreaks", "\r\n\r\n", {"", "", ""}},
                    SplitRow{"crAtTheEnd", "a\r", {"a", ""}},
                    SplitRow{"lfOnlyEndsAtCrLf", "a\r\nb", {"a", "b"}, LineBreaks::Lf},
                    SplitRow{"lfOnlyKeepsLoneCr", "a\rb\r", {"a\rb\r"}, LineBreaks::Lf},
                    SplitRow{"lfOnlyCrAfterLf", "a\n\rb\n", {"a", "\rb", ""}, LineBreaks::Lf},
                    SplitRow{"lfOnlyEmpty", "", {""}, LineBreaks::Lf}),
    testing_cipher::rowName);

TEST(Lines, joinEndsEveryLineWithCrLf) {
    EXPECT_EQ(cipher::joinLines({"a", "", "bc"}), "a\r\n\r\nbc\r\n");
    EXPECT_EQ(cipher::joinLines({}), "");
}
