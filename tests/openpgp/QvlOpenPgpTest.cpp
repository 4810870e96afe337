// qvl with OpenPGP messages, against the real gpg in the shared GnuPG home: decrypt with keys,
// phrase files and signatures (exit 0, 2, 3), detect, and encrypt to recipients or a phrase.
#include "GnuPgHome.h"
#include "HomeChanges.h"
#include "SignerKeys.h"

#include "QvlRun.h"

#include "cipher/Messages.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace testing_openpgp {
namespace {

using testing_qvl::QvlSandbox;

const std::string plainText = "Written for qvl.\n";

GnuPgHome &home() {
    return GnuPgHome::instance();
}

struct QvlDecryptCase {
    const char *name;
    const char *gpgArguments;
    const char *phraseFile; // "" for none
    int status;
    const char *errPart; // a part of standard error, or ""
};

class QvlDecrypt : public ::testing::TestWithParam<QvlDecryptCase> {};

TEST_P(QvlDecrypt, ReadsGpgMessages) {
    const auto &row = GetParam();
    const QvlSandbox sandbox;
    const std::string armour = home().gpg(row.gpgArguments, plainText);
    ASSERT_FALSE(armour.empty());
    std::string arguments = "decrypt " + sandbox.write("in.asc", "> " + armour);
    if (*row.phraseFile != '\0')
        arguments +=
            " --passphrase-file " + sandbox.write("phrase.txt", std::string(row.phraseFile) + "\n");
    const auto result = sandbox.run(arguments);
    EXPECT_EQ(result.status, row.status) << result.err;
    EXPECT_EQ(result.out, row.status == 2 ? "" : plainText);
    EXPECT_NE(result.err.find(row.errPart), std::string::npos) << result.err;
}

INSTANTIATE_TEST_SUITE_P(
    Qvl, QvlDecrypt,
    ::testing::Values(
        QvlDecryptCase{"ToKey", "--armor --trust-model always --encrypt -r nopass@example.org", "",
                       0, "mail"},
        QvlDecryptCase{"ToLockedKey",
                       "--armor --trust-model always --encrypt -r locked@example.org",
                       lockedPhrase.data(), 0, ""},
        QvlDecryptCase{"ToPhrase",
                       "--armor --pinentry-mode loopback --passphrase Shared --symmetric", "Shared",
                       0, ""},
        QvlDecryptCase{"WrongPhrase",
                       "--armor --pinentry-mode loopback --passphrase Shared --symmetric", "Other",
                       2, "passphrase"},
        QvlDecryptCase{"PhraseNeededWithoutTerminal",
                       "--armor --pinentry-mode loopback --passphrase Shared --symmetric", "", 2,
                       "--passphrase-file"},
        QvlDecryptCase{"Signed",
                       "--armor --trust-model always -u nopass@example.org --sign --encrypt -r "
                       "nopass@example.org",
                       "", 0, "Good signature from Nopass"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(QvlOpenPgp, NoSecretKeyIsNotDoneAndDetectFindsMessages) {
    const QvlSandbox sandbox;
    const auto refused = sandbox.run("decrypt " + sandbox.write("in.asc", home().toStranger));
    EXPECT_EQ(refused.status, 2);
    EXPECT_TRUE(refused.out.empty());
    EXPECT_NE(refused.err.find("No secret key"), std::string::npos) << refused.err;
    EXPECT_EQ(sandbox.run("detect " + sandbox.write("detect.asc", home().toStranger)).status, 0);
}

// A small message whose text passes the most qvl reads: refused as too large, nothing written.
TEST(QvlOpenPgp, TextPastTheInputCapIsRefused) {
    const QvlSandbox sandbox;
    const std::string zeros((16 << 20) + 1, '\0');
    const std::string armour =
        home().gpg("--armor -z 9 --pinentry-mode loopback --passphrase Shared --symmetric", zeros);
    ASSERT_FALSE(armour.empty());
    const auto result =
        sandbox.run("decrypt " + sandbox.write("in.asc", armour) + " --passphrase-file " +
                    sandbox.write("phrase.txt", "Shared\n"));
    EXPECT_EQ(result.status, 2) << result.err;
    EXPECT_TRUE(result.out.empty());
    EXPECT_NE(result.err.find("too large: it is longer than 16 MiB"), std::string::npos)
        << result.err;
}

TEST(QvlOpenPgp, BadSignatureWritesTheTextWithAWarning) {
    const QvlSandbox sandbox;
    const auto result =
        sandbox.run("decrypt " + sandbox.write("in.asc", home().signedOnly(plainText, true)));
    EXPECT_EQ(result.status, 3) << result.err;
    EXPECT_EQ(result.out, "Writtem for qvl.\n");
    EXPECT_NE(result.err.find("BAD signature"), std::string::npos) << result.err;
}

struct QvlReportCase {
    const char *name;
    std::string SignerMessages::*message;
    bool gnuPgIgnoresMdcErrors;
    int status;
    const char *errPart; // a part of standard error
};

class QvlReports : public ::testing::TestWithParam<QvlReportCase> {};

// The worst signature decides the exit status: 3 where it casts a doubt; a message without
// integrity check is not done (2), whatever gpg.conf says, and writes nothing.
TEST_P(QvlReports, ExitAsTheWorstSignatureSays) {
    const auto &row = GetParam();
    std::optional<IgnoringMdcErrors> ignoring;
    if (row.gnuPgIgnoresMdcErrors)
        ignoring.emplace();
    const QvlSandbox sandbox;
    const auto result =
        sandbox.run("decrypt " + sandbox.write("in.asc", signerMessages().*row.message));
    EXPECT_EQ(result.status, row.status) << result.err;
    EXPECT_EQ(result.out, row.status == 2 ? "" : signedText);
    EXPECT_NE(result.err.find(row.errPart), std::string::npos) << result.err;
}

INSTANTIATE_TEST_SUITE_P(
    Qvl, QvlReports,
    ::testing::Values(QvlReportCase{"Impostor", &SignerMessages::byImpostor, false, 0,
                                    "qvl: Signature by a key named Friend"},
                      QvlReportCase{"RevokedKey", &SignerMessages::byRevoked, false, 3, "revoked"},
                      QvlReportCase{"ExpiredKey", &SignerMessages::byExpiredKey, false, 0,
                                    "qvl: Good signature from Expired"},
                      QvlReportCase{"ExpiredSignature", &SignerMessages::expired, false, 3,
                                    "qvl: Expired signature"},
                      QvlReportCase{"SecondSignatureBad", &SignerMessages::secondBad, false, 3,
                                    ").\nqvl: BAD signature: the message was signed by Nopass"},
                      QvlReportCase{"Unprotected", &SignerMessages::unprotectedToKey, false, 2,
                                    "no integrity check"},
                      QvlReportCase{"UnprotectedIgnoringMdcErrors",
                                    &SignerMessages::unprotectedToKey, true, 2,
                                    "no integrity check"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(QvlOpenPgp, EncryptsToRecipientsAndPhrasesForGpg) {
    const QvlSandbox sandbox;
    const std::string input = sandbox.write("plain.txt", plainText);
    const auto toKeys =
        sandbox.run("encrypt --to nopass@example.org --to locked@example.org " + input);
    ASSERT_EQ(toKeys.status, 0) << toKeys.err;
    EXPECT_EQ(home().gpg("--decrypt", toKeys.out), plainText);

    const auto toPhrase = sandbox.run("encrypt --openpgp --passphrase-file " +
                                      sandbox.write("phrase.txt", "Qvl phrase\n") + " " + input);
    ASSERT_EQ(toPhrase.status, 0) << toPhrase.err;
    EXPECT_EQ(
        home().gpg("--pinentry-mode loopback --passphrase 'Qvl phrase' --decrypt", toPhrase.out),
        plainText);

    const auto unknown =
        sandbox.run("encrypt --to nopass@example.org --to nobody@example.org " + input);
    EXPECT_EQ(unknown.status, 1);
    EXPECT_TRUE(unknown.out.empty());
    EXPECT_NE(unknown.err.find("nobody@example.org"), std::string::npos) << unknown.err;
}

struct QvlTextCase {
    const char *name;
    std::string input;
    std::string received; // what gpg --decrypt gives on this system
};

class QvlEncryptText : public ::testing::TestWithParam<QvlTextCase> {};

// The input is read as the editor reads a file, and the message carries its characters as UTF-8
// with the recipient's own line breaks.
TEST_P(QvlEncryptText, ReachesGpgAsUtf8WithItsSystemsLineBreaks) {
    const auto &row = GetParam();
    const QvlSandbox sandbox;
    const auto written =
        sandbox.run("encrypt --to nopass@example.org " + sandbox.write("in.txt", row.input));
    ASSERT_EQ(written.status, 0) << written.err;
    EXPECT_EQ(home().gpg("--decrypt", written.out), row.received);
}

INSTANTIATE_TEST_SUITE_P(
    Qvl, QvlEncryptText,
    ::testing::Values(QvlTextCase{"Windows1252CrLf", "Caf\xE9 f\xFCr J\xFCrgen\r\n",
                                  "Caf\xC3\xA9 f\xC3\xBCr J\xC3\xBCrgen\n"},
                      QvlTextCase{"Utf8Lf", "Zo\xC3\xAB\nzwei\n", "Zo\xC3\xAB\nzwei\n"},
                      QvlTextCase{"Utf8WithMark", "\xEF\xBB\xBFZo\xC3\xAB\r\n", "Zo\xC3\xAB\n"},
                      QvlTextCase{"LoneCarriageReturn", "one\rtwo", "one\ntwo"}),
    [](const auto &info) { return std::string(info.param.name); });

// A text holding a zero byte would come back cut short there: it is not sent.
TEST(QvlOpenPgp, ZeroByteIsRefused) {
    const QvlSandbox sandbox;
    const auto refused = sandbox.run("encrypt --to nopass@example.org " +
                                     sandbox.write("in.txt", std::string("ab\0cd", 5)));
    EXPECT_EQ(refused.status, 2);
    EXPECT_TRUE(refused.out.empty());
    EXPECT_NE(refused.err.find("zero byte at offset 2"), std::string::npos) << refused.err;
}

// --to-own-key adds GnuPG's default key, else the first secret key: Locked's message needs its
// phrase, Nopass's none.
TEST(QvlOpenPgp, ToOwnKeyIsTheDefaultKeyElseTheFirstSecretKey) {
    const QvlSandbox sandbox;
    const std::string input = sandbox.write("plain.txt", plainText);
    const std::string withPhrase =
        "--pinentry-mode loopback --passphrase '" + std::string(lockedPhrase) + "' --decrypt";
    const auto toFirst = sandbox.run("encrypt --to-own-key " + input);
    ASSERT_EQ(toFirst.status, 0) << toFirst.err;
    EXPECT_EQ(home().gpg("--pinentry-mode error --decrypt", toFirst.out), plainText);
    // The own key named twice is written to once.
    EXPECT_EQ(sandbox.run("encrypt --to nopass@example.org --to-own-key " + input).status, 0);

    const GpgConfLines settings("default-key locked@example.org\n");
    const auto toDefault = sandbox.run("encrypt --to-own-key " + input);
    ASSERT_EQ(toDefault.status, 0) << toDefault.err;
    EXPECT_EQ(home().gpg("--pinentry-mode error --decrypt", toDefault.out), "");
    EXPECT_EQ(home().gpg(withPhrase, toDefault.out), plainText);
}

// An address names only the key that holds exactly it, not one whose address ends alike.
TEST(QvlOpenPgp, AddressNamesOnlyItsOwnKey) {
    const TemporaryKey pass("Pass <pass@example.org>", "");
    const QvlSandbox sandbox;
    const auto written =
        sandbox.run("encrypt --to pass@example.org " + sandbox.write("plain.txt", plainText));
    EXPECT_EQ(written.status, 0) << written.err;
    EXPECT_EQ(home().gpg("--decrypt", written.out), plainText);
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
    EXPECT_EQ(sandbox.run("detect " + clearSigned).status, 0);
    const auto checked = sandbox.run("decrypt " + clearSigned);
    EXPECT_EQ(checked.status, 0) << checked.err;
    EXPECT_EQ(checked.out, plainText);
    EXPECT_NE(checked.err.find("qvl: Good signature from Nopass"), std::string::npos)
        << checked.err;

    const std::string publicKey =
        sandbox.write("key.asc", home().gpg("--armor --export nopass@example.org"));
    EXPECT_EQ(sandbox.run("detect " + publicKey).status, 1);
    const auto refused = sandbox.run("decrypt " + publicKey);
    EXPECT_EQ(refused.status, 2);
    EXPECT_TRUE(refused.out.empty());
    EXPECT_NE(refused.err.find("public key"), std::string::npos) << refused.err;
}

// What qvl signs, clear or inside a message to a key, gpg finds signed by the own key; a locked
// own key's phrase comes from the passphrase file.
TEST(QvlSigning, SignsWithTheOwnKeyForGpg) {
    const QvlSandbox sandbox;
    const std::string input = sandbox.write("in.txt", "Caf\xE9 au lait\n");
    // The signed text's lines end as clear-signing writes them: CR LF.
    const std::string utf8 = "Caf\xC3\xA9 au lait\r\n";
    const auto clear = sandbox.run("sign " + input);
    ASSERT_EQ(clear.status, 0) << clear.err;
    EXPECT_TRUE(clear.out.starts_with("-----BEGIN PGP SIGNED MESSAGE-----"));
    EXPECT_NE(home().statusLinesOf(clear.out).find("VALIDSIG " + home().fingerprintOf(nopassUser)),
              std::string::npos);
    EXPECT_EQ(home().gpg("--decrypt", clear.out), utf8);

    const auto message = sandbox.run("encrypt --to nopass@example.org --sign " + input);
    ASSERT_EQ(message.status, 0) << message.err;
    EXPECT_NE(
        home().statusLinesOf(message.out).find("VALIDSIG " + home().fingerprintOf(nopassUser)),
        std::string::npos);

    const GpgConfLines locked("default-key locked@example.org\n");
    const std::string phrase = sandbox.write("phrase.txt", std::string(lockedPhrase) + "\n");
    const auto byLocked = sandbox.run("sign --passphrase-file " + phrase + " " + input);
    ASSERT_EQ(byLocked.status, 0) << byLocked.err;
    EXPECT_NE(
        home().statusLinesOf(byLocked.out).find("VALIDSIG " + home().fingerprintOf(lockedUser)),
        std::string::npos);
    const std::string wrong = sandbox.write("wrong.txt", "not it\n");
    EXPECT_EQ(sandbox.run("sign --passphrase-file " + wrong + " " + input).status, 2);
    EXPECT_EQ(sandbox.run("encrypt --sign " + input).status, 1);
    const auto empty = sandbox.run("sign " + sandbox.write("empty.txt", ""));
    EXPECT_EQ(empty.status, 2);
    EXPECT_EQ(empty.err, std::string(cipher::messages::noTextToSign) + "\n");
}

struct QvlVerifyCase {
    const char *name;
    std::string (*make)();
    int status;
    bool written;        // the signed text is written
    const char *errPart; // a part of standard error
};

std::string clearByNopass() {
    return home().gpg("-u nopass@example.org --clearsign", plainText);
}

class QvlVerify : public ::testing::TestWithParam<QvlVerifyCase> {};

TEST_P(QvlVerify, ExitsAsTheSignatureSays) {
    const QvlVerifyCase &row = GetParam();
    const QvlSandbox sandbox;
    const auto result = sandbox.run("verify " + sandbox.write("in.asc", row.make()));
    EXPECT_EQ(result.status, row.status) << result.err;
    EXPECT_EQ(result.out, row.written ? plainText : "");
    EXPECT_NE(result.err.find(row.errPart), std::string::npos) << result.err;
}

INSTANTIATE_TEST_SUITE_P(
    Qvl, QvlVerify,
    ::testing::Values(
        QvlVerifyCase{"Good", clearByNopass, 0, true, "qvl: Good signature from Nopass"},
        QvlVerifyCase{"Quoted",
                      [] {
                          std::string quoted = "> " + clearByNopass();
                          for (auto at = quoted.find('\n'); at + 1 < quoted.size();
                               at = quoted.find('\n', at + 1))
                              quoted.insert(at + 1, "> ");
                          return quoted;
                      },
                      0, true, "qvl: read with mail's changes undone"},
        QvlVerifyCase{"Changed",
                      [] {
                          std::string text = clearByNopass();
                          text.replace(text.find("Written"), 7, "Writtem");
                          return text;
                      },
                      3, false, "qvl: BAD signature"},
        QvlVerifyCase{"SignedMessage", [] { return home().signedOnly(plainText, false); }, 0, true,
                      "qvl: Good signature"},
        QvlVerifyCase{"NotSigned",
                      [] {
                          return home().gpg(
                              "--armor --trust-model always --encrypt -r nopass@example.org",
                              plainText);
                      },
                      2, false, "no OpenPGP signature"},
        QvlVerifyCase{"NothingAtAll", [] { return std::string("just text\n"); }, 2, false,
                      "not present"}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
} // namespace testing_openpgp
