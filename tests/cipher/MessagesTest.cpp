// The method refusal's version figure: version / 100 with exactly two decimals.
#include "cipher/Messages.h"
#include "RowName.h"

#include <gtest/gtest.h>

namespace {

struct VersionRow {
    const char *name;
    std::int32_t version;
    std::string shown;
};

class MethodRefusal : public testing::TestWithParam<VersionRow> {};

} // namespace

TEST_P(MethodRefusal, showsTheVersionWithTwoDecimals) {
    EXPECT_EQ(cipher::messages::unknownMethod(GetParam().version),
              "Cannot handle the encryption method used to encrypt this text.  Try using "
              "Shroud-a-Pad " +
                  GetParam().shown + ".");
}

INSTANTIATE_TEST_SUITE_P(
    Messages, MethodRefusal,
    testing::Values(VersionRow{"written", 122, "1.22"}, VersionRow{"newer", 130, "1.30"},
                    VersionRow{"small", 5, "0.05"}, VersionRow{"zero", 0, "0.00"},
                    VersionRow{"large", 12345, "123.45"}, VersionRow{"negative", -5, "-0.05"},
                    VersionRow{"smallest", -2147483647 - 1, "-21474836.48"}),
    testing_cipher::rowName);
