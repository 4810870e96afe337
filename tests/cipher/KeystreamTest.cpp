// The keystream generator's draws and the weighted sum, including its overflow failure.
#include "cipher/Keystream.h"
#include "RowName.h"
#include "cipher/CheckedInt.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using cipher::Keystream;
using cipher::WeightedSum;

TEST(Keystream, firstEightBytesFromSeedZero) {
    Keystream keys(0);
    std::vector<int> drawn;
    for (int i = 0; i < 8; ++i)
        drawn.push_back(keys.KeyRandom(256));
    EXPECT_EQ(drawn, (std::vector<int>{0, 8, 220, 51, 69, 171, 81, 41}));
}

TEST(Keystream, stateAdvancesBeforeTheResultIsFormed) {
    Keystream keys(0);
    keys.KeyRandom(256);
    EXPECT_EQ(keys.KeySeed(), 1u);
    keys.KeyRandom(256);
    EXPECT_EQ(keys.KeySeed(), 134775814u);
}

TEST(Keystream, seedingAgainRestartsTheSameBytes) {
    Keystream keys = cipher::keystreamFor("SECRET");
    const int first = keys.nextByte();
    keys.nextByte();
    keys.seed(static_cast<std::uint32_t>(WeightedSum("SECRET")));
    EXPECT_EQ(keys.nextByte(), first);
}

TEST(Keystream, drawsStayBelowTheCount) {
    Keystream keys(0xFFFFFFFFu);
    for (int i = 0; i < 10000; ++i)
        ASSERT_LT(keys.KeyRandom(256), 256u);
    const std::uint32_t before = keys.KeySeed();
    EXPECT_EQ(keys.KeyRandom(1), 0u);
    EXPECT_NE(keys.KeySeed(), before);
}

TEST(Keystream, multiplicationWrapsWithoutFailure) {
    Keystream keys(0xFFFFFFFFu);
    keys.KeyRandom(256);
    EXPECT_EQ(keys.KeySeed(), 0xFFFFFFFFu * 134775813u + 1u);
}

struct WeightedSumRow {
    const char *name;
    std::string bytes;
    std::int32_t sum;
};

class WeightedSumTable : public testing::TestWithParam<WeightedSumRow> {};

TEST_P(WeightedSumTable, sumsBytesByPosition) {
    EXPECT_EQ(WeightedSum(GetParam().bytes), GetParam().sum);
}

INSTANTIATE_TEST_SUITE_P(
    Keystream, WeightedSumTable,
    testing::Values(WeightedSumRow{"empty", "", 0}, WeightedSumRow{"abc", "abc", 590},
                    WeightedSumRow{"encipheredGroup", "\x61\x6A\xBF", 882},
                    WeightedSumRow{"bytesAreUnsigned", "\xFF\xFF\xFF", 1530},
                    WeightedSumRow{"longestPhrase", std::string(16, '\xFF'), 34680}),
    testing_cipher::rowName);

TEST(Keystream, weightedSumOverflowIsIntegerOverflow) {
    // 255 x (1 + ... + n) first passes 2^31 - 1 at n = 4104.
    EXPECT_EQ(WeightedSum(std::string(4103, '\xFF')), 255 * (4103 * 4104 / 2));
    try {
        WeightedSum(std::string(4104, '\xFF'));
        FAIL() << "no overflow reported";
    } catch (const std::exception &failure) {
        EXPECT_NE(dynamic_cast<const cipher::IntegerOverflow *>(&failure), nullptr);
        EXPECT_STREQ(failure.what(), "Integer overflow");
    }
}

TEST(Keystream, checkedArithmeticReportsOverflow) {
    EXPECT_EQ(cipher::checkedAdd(2147483646, 1), 2147483647);
    EXPECT_THROW(cipher::checkedAdd(2147483647, 1), cipher::IntegerOverflow);
    EXPECT_THROW(cipher::checkedAdd(-2147483647 - 1, -1), cipher::IntegerOverflow);
    EXPECT_THROW(cipher::checkedMultiply(65536, 32768), cipher::IntegerOverflow);
}
