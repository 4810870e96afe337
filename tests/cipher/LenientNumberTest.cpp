// The lenient number reading of header and checksum fields.
#include "cipher/LenientNumber.h"
#include "RowName.h"

#include <gtest/gtest.h>

namespace {

struct NumberRow {
    const char *name;
    std::string field;
    std::optional<std::int32_t> value;
};

class LenientNumbers : public testing::TestWithParam<NumberRow> {};

} // namespace

TEST_P(LenientNumbers, readsWithoutEverFailing) {
    EXPECT_EQ(cipher::readLenientNumber(GetParam().field), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    LenientNumber, LenientNumbers,
    testing::Values(NumberRow{"empty", "", 0}, NumberRow{"blanksOnly", "   ", 0},
                    NumberRow{"plain", "12345", 12345}, NumberRow{"leadingZeros", "0122", 122},
                    NumberRow{"trailingBlank", "12345 ", 12345},
                    NumberRow{"leadingBlanks", "  42", 42}, NumberRow{"negative", "-7", -7},
                    NumberRow{"negativeStoppedLosesSign", "-7x", 7},
                    NumberRow{"negativeWithBlankLosesSign", "-7 ", 7},
                    NumberRow{"plusSign", "+8", 8}, NumberRow{"signAlone", "-", 0},
                    NumberRow{"secondSignStops", "--5", 0}, NumberRow{"letterFirst", "x5", 0},
                    NumberRow{"stopsAtSlashlessStranger", "5-", 5},
                    NumberRow{"hexSmall", "$ff", 255}, NumberRow{"hexCapital", "$7A", 122},
                    NumberRow{"hexNegative", "-$10", -16}, NumberRow{"hexStopsAtG", "$1G", 1},
                    NumberRow{"dollarAlone", "$", 0}, NumberRow{"hexNotWithoutDollar", "ff", 0},
                    NumberRow{"largest", "2147483647", 2147483647},
                    NumberRow{"smallest", "-2147483648", -2147483647 - 1},
                    NumberRow{"hexLargest", "$7FFFFFFF", 2147483647},
                    NumberRow{"beyondLargest", "2147483648", std::nullopt},
                    NumberRow{"beyondSmallest", "-2147483649", std::nullopt},
                    NumberRow{"smallestStoppedLosesSign", "-2147483648x", std::nullopt},
                    NumberRow{"hexBeyond", "$80000000", std::nullopt},
                    NumberRow{"manyDigits", "99999999999999999999999999", std::nullopt},
                    NumberRow{"manyZeros", "00000000000000000000000007", 7}),
    testing_cipher::rowName);
