// The gtest environment that makes the OpenPGP tests' GnuPG home before the first test and
// removes it after the last.
#include "GnuPgHome.h"

#include <gtest/gtest.h>

namespace {

class HomeEnvironment : public ::testing::Environment {
public:
    void SetUp() override { testing_openpgp::GnuPgHome::instance().create(); }
    void TearDown() override { testing_openpgp::GnuPgHome::instance().destroy(); }
};

const auto *registered = ::testing::AddGlobalTestEnvironment(new HomeEnvironment);

} // namespace
