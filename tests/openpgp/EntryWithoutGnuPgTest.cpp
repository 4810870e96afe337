// The OpenPGP entry when GnuPG's side cannot be had (the editor's module missing, say): a text
// with a message is refused with the reason, writing says why, and no key is offered.
#include "openpgp/OpenPgpMethod.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace {

constexpr const char *unreachable = "GnuPG cannot be reached: the module is not there.";

cipher::Outcome<const openpgp::Engine *> missingEngine() {
    return cipher::refused<const openpgp::Engine *>(cipher::Reason::Failed, unreachable);
}

class EntryWithoutGnuPg : public ::testing::Test {
protected:
    void SetUp() override { openpgp::addToMethods(missingEngine); }
    void TearDown() override { openpgp::addToMethods(openpgp::linkedEngine); }
};

TEST_F(EntryWithoutGnuPg, SaysWhyForEveryCommand) {
    const std::vector<std::string_view> message{"-----BEGIN PGP MESSAGE-----", "",
                                                "jA0ECQMCi0l3cR2vZJ7/0jkBXq0nY6Ff", "=AbCd",
                                                "-----END PGP MESSAGE-----"};
    const auto found = openpgp::method.findMessage(message);
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(found->reason, cipher::Reason::Failed);
    EXPECT_EQ(found->refusal, unreachable);
    EXPECT_FALSE(openpgp::method.findMessage(std::vector<std::string_view>{"plain text"}));

    EXPECT_TRUE(openpgp::method.recipientKeys().empty());
    const auto toKeys = openpgp::method.writeToKeys("text", {"ann@example.org"});
    EXPECT_EQ(toKeys.refusal, unreachable);
    try {
        openpgp::method.writeBlock("text", "phrase");
        ADD_FAILURE() << "wrote without GnuPG";
    } catch (const std::runtime_error &failure) {
        EXPECT_STREQ(failure.what(), unreachable);
    }
}

} // namespace
