// qvl with OpenPGP messages, against the real gpg in the shared GnuPG home: decrypt with keys,
// phrase files and signatures (exit 0, 2, 3), detect, and encrypt to recipients or a phrase.
#include "GnuPgHome.h"

#include "QvlRun.h"

#include <gtest/gtest.h>

namespace testing_openpgp {
namespace {

using testing_qvl::QvlSandbox;

const std::string plainText = "Written for qvl.\n";

GnuPgHome &home() { return GnuPgHome::instance(); }

struct QvlDecryptCase {
    const char *name;
    const char *gpgArguments;
    const char *phraseFile; // "" for none
    int status;
    const char *errPart;    // a part of standard error, or ""
};

class QvlDecrypt : public ::testing::TestWithParam<QvlDecryptCase> {};

TEST_P(QvlDecrypt, ReadsGpgMessages) {
    const auto &row = GetParam();
    const QvlSandbox sandbox;
    const std::string armour = home().gpg(row.gpgArguments, plainText);
    ASSERT_FALSE(armour.empty());
    std::string arguments = "decrypt " + sandbox.write("in.asc", "> " + armour);
    if (*row.phraseFile != '\0')
        arguments += " --passphrase-file " + sandbox.write("phrase.txt", std::string(row.phraseFile) + "\n");
    const auto result = sandbox.run(arguments);
    EXPECT_EQ(result.status, row.status) << result.err;
    EXPECT_EQ(result.out, row.status == 2 ? "" : plainText);
    EXPECT_NE(result.err.find(row.errPart), std::string::npos) << result.err;
}

INSTANTIATE_TEST_SUITE_P(
    Qvl, QvlDecrypt,
    ::testing::Values(
        QvlDecryptCase{"ToKey", "--armor --trust-model always --encrypt -r nopass@example.org", "", 0, "mail"},
        QvlDecryptCase{"ToLockedKey", "--armor --trust-model always --encrypt -r locked@example.org",
                       lockedPhrase.data(), 0, ""},
        QvlDecryptCase{"ToPhrase", "--armor --pinentry-mode loopback --passphrase Shared --symmetric", "Shared", 0,
                       ""},
        QvlDecryptCase{"WrongPhrase", "--armor --pinentry-mode loopback --passphrase Shared --symmetric", "Other",
                       2, "passphrase"},
        QvlDecryptCase{"PhraseNeededWithoutTerminal",
                       "--armor --pinentry-mode loopback --passphrase Shared --symmetric", "", 2, "--passphrase-file"},
        QvlDecryptCase{"Signed",
                       "--armor --trust-model always -u nopass@example.org --sign --encrypt -r nopass@example.org", "",
                       0, "Good signature from Nopass"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(QvlOpenPgp, NoSecretKeyIsNotDoneAndDetectFindsMessages) {
    const QvlSandbox sandbox;
    const auto refused = sandbox.run("decrypt " + sandbox.write("in.asc", home().toStranger));
    EXPECT_EQ(refused.status, 2);
    EXPECT_TRUE(refused.out.empty());
    EXPECT_NE(refused.err.find("No secret key"), std::string::npos) << refused.err;
    EXPECT_EQ(sandbox.run("detect " + sandbox.write("detect.asc", home().toStranger)).status, 0);
}

TEST(QvlOpenPgp, BadSignatureWritesTheTextWithAWarning) {
    const QvlSandbox sandbox;
    const auto result = sandbox.run("decrypt " + sandbox.write("in.asc", home().signedOnly(plainText, true)));
    EXPECT_EQ(result.status, 3) << result.err;
    EXPECT_EQ(result.out, "Writtem for qvl.\n");
    EXPECT_NE(result.err.find("BAD signature"), std::string::npos) << result.err;
}

TEST(QvlOpenPgp, EncryptsToRecipientsAndPhrasesForGpg) {
    const QvlSandbox sandbox;
    const std::string input = sandbox.write("plain.txt", plainText);
    const auto toKeys = sandbox.run("encrypt --to nopass@example.org --to locked@example.org " + input);
    ASSERT_EQ(toKeys.status, 0) << toKeys.err;
    EXPECT_EQ(home().gpg("--decrypt", toKeys.out), plainText);

    const auto toPhrase =
        sandbox.run("encrypt --openpgp --passphrase-file " + sandbox.write("phrase.txt", "Qvl phrase\n") + " " + input);
    ASSERT_EQ(toPhrase.status, 0) << toPhrase.err;
    EXPECT_EQ(home().gpg("--pinentry-mode loopback --passphrase 'Qvl phrase' --decrypt", toPhrase.out), plainText);

    const auto unknown = sandbox.run("encrypt --to nopass@example.org --to nobody@example.org " + input);
    EXPECT_EQ(unknown.status, 1);
    EXPECT_TRUE(unknown.out.empty());
    EXPECT_NE(unknown.err.find("nobody@example.org"), std::string::npos) << unknown.err;
}

// A message whose end line mail joined onto its checksum line is read and detected; what is not
// a message to decrypt is named and not detected, before GnuPG starts.
TEST(QvlOpenPgp, DetectsWhatDecryptReadsAndNamesTheRest) {
    const QvlSandbox sandbox;
    std::string joined =
        home().gpg("--armor --trust-model always --encrypt -r nopass@example.org", plainText);
    joined.replace(joined.find("\n-----END"), 1, " ");
    const std::string flowed = sandbox.write("flowed.asc", joined);
    EXPECT_EQ(sandbox.run("detect " + flowed).status, 0);
    const auto read = sandbox.run("decrypt " + flowed);
    EXPECT_EQ(read.status, 0) << read.err;
    EXPECT_EQ(read.out, plainText);

    const std::string clearSigned =
        sandbox.write("signed.asc", home().gpg("-u nopass@example.org --clearsign", plainText));
    EXPECT_EQ(sandbox.run("detect " + clearSigned).status, 1);
    const auto refused = sandbox.run("decrypt " + clearSigned);
    EXPECT_EQ(refused.status, 2);
    EXPECT_TRUE(refused.out.empty());
    EXPECT_NE(refused.err.find("signed with OpenPGP, not encrypted"), std::string::npos) << refused.err;
}

} // namespace
} // namespace testing_openpgp
