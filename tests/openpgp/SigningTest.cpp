// Signing and clear-signed texts against the real gpg: texts gpg clear-signed read back with
// each kind of signer, mail's changes undone only where the signature proves them, and what the
// own key signs (clear-signed, or signed and encrypted) checked by gpg.
#include "GnuPgHome.h"
#include "HomeChanges.h"
#include "SignerKeys.h"

#include "cipher/KeyFingerprint.h"
#include "openpgp/OpenPgp.h"
#include "openpgp/SignatureWords.h"
#include "openpgp/Signing.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace testing_openpgp {
namespace {

GnuPgHome &home() {
    return GnuPgHome::instance();
}

constexpr std::string_view letter = "Dear Ann,\n- the list:\n-----not armour\nFrom: Bob\n";

struct Opened {
    cipher::Outcome<cipher::DecodedText> text;
    std::string report;
    bool warns = false;
    std::string repairs;
};

// Decrypt's reading of a text that holds a clear-signed text.
Opened openSigned(std::string_view text) {
    const auto found = openpgp::findSignedText(text);
    if (!found)
        return {
            cipher::refused<cipher::DecodedText>(cipher::Reason::NoBlock, "none"), {}, false, {}};
    const auto session = openpgp::openSignedTextSession(*found);
    auto opened = session->open({});
    const cipher::ReadingReport &report = session->report();
    return {std::move(opened), openpgp::describe(report.signatures),
            cipher::warns(report.signatures), report.repairs};
}

std::string clearSignedBy(const std::string &key, std::string_view text = letter) {
    return home().gpg("-u " + key + "! --clearsign", text);
}

// Clear-signed by a key made for it and deleted after: a key the keyring does not know.
std::string byUnknownKey() {
    const TemporaryKey gone("Gone <gone@example.org>", "");
    return clearSignedBy(home().fingerprintOf("Gone <gone@example.org>"));
}

struct SignedCase {
    const char *name;
    std::string (*make)();
    std::string_view text; // the text signed
    const char *wordsPart; // a part of the report, or of the refusal when the text is kept
    bool kept;             // the text is refused and left as it stands
    bool warns;
};

class ClearSigned : public ::testing::TestWithParam<SignedCase> {};

// The text comes without its armour, dash-escaped lines back as signed, unless a signature
// denies it; the report uses the signature words of encrypted messages.
TEST_P(ClearSigned, AreCheckedWithTheirSigner) {
    const SignedCase &row = GetParam();
    const std::string made = row.make();
    ASSERT_FALSE(made.empty());
    const Opened opened = openSigned("Forwarded:\n\n" + made + "\nBye.\n");
    EXPECT_EQ(bool(opened.text), !row.kept) << opened.text.refusal;
    const std::string &words = row.kept ? opened.text.refusal : opened.report;
    EXPECT_NE(words.find(row.wordsPart), std::string::npos) << words;
    EXPECT_EQ(opened.warns, row.warns);
    if (opened.text) {
        EXPECT_EQ(opened.text.value->bytes, row.text);
        EXPECT_TRUE(opened.text.value->carriedAsUtf8);
    }
}

std::string byNopass() {
    return clearSignedBy(home().fingerprintOf(nopassUser));
}
std::string byImpostor() {
    return clearSignedBy(signerMessages().impostorFingerprint);
}
std::string byRevoked() {
    return signerMessages().clearByRevoked;
}
std::string changed() {
    std::string text = byNopass();
    text.replace(text.find("Ann"), 3, "Eve");
    return text;
}

INSTANTIATE_TEST_SUITE_P(
    SignedTexts, ClearSigned,
    ::testing::Values(SignedCase{"Good", byNopass, letter,
                                 "Good signature from Nopass <nopass@example.org>", false, false},
                      SignedCase{"SameNameImpostor", byImpostor, letter,
                                 "the key is not certified by a key you trust", false, false},
                      SignedCase{"Revoked", byRevoked, signedText, "whose key has been revoked",
                                 false, true},
                      SignedCase{"UnknownKey", byUnknownKey, letter,
                                 "Signed by a key that is not in the keyring", false, false},
                      SignedCase{"ChangedAfterSigning", changed, letter,
                                 "BAD signature: the message was signed by Nopass", true, true}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(ClearSignedText, ComesBackAsSignedWithoutItsArmour) {
    const Opened opened = openSigned(byNopass());
    ASSERT_TRUE(opened.text) << opened.text.refusal;
    EXPECT_EQ(opened.text.value->bytes, letter);
    EXPECT_TRUE(opened.repairs.empty());
}

// What mail does to a clear-signed text, run on gpg's own.
struct MailCase {
    const char *name;
    const char *command; // a shell filter, or "" for the text as gpg wrote it
    const char *text;
    bool taken;
};

std::string filtered(const std::string &text, const std::string &command) {
    const auto folder = std::filesystem::path(std::getenv("GNUPGHOME"));
    std::ofstream(folder / "mail.in", std::ios::binary) << text;
    const std::string line = "(" + command + ") < " + (folder / "mail.in").string() + " > " +
                             (folder / "mail.out").string();
    if (std::system(line.c_str()) != 0)
        return {};
    std::ifstream in(folder / "mail.out", std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

class SignedMailChanges : public ::testing::TestWithParam<MailCase> {};

// A reading with mail's changes undone is taken only when its signature is good.
TEST_P(SignedMailChanges, AreUndoneOnlyWhereTheSignatureProvesThem) {
    const MailCase &row = GetParam();
    const std::string made = clearSignedBy(home().fingerprintOf(nopassUser), row.text);
    const std::string mailed = filtered(made, row.command);
    ASSERT_FALSE(mailed.empty());
    const Opened opened = openSigned("On Monday Bob wrote:\n" + mailed);
    ASSERT_EQ(bool(opened.text), row.taken) << opened.text.refusal << "\n" << mailed;
    if (!row.taken) {
        EXPECT_TRUE(opened.warns);
        return;
    }
    EXPECT_EQ(opened.text.value->bytes, row.text);
    EXPECT_NE(opened.report.find("Good signature from Nopass"), std::string::npos);
    EXPECT_FALSE(opened.repairs.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Mail, SignedMailChanges,
    ::testing::Values(MailCase{"Quoted", "sed 's/^/> /'", "Two lines\n- and a dash\n", true},
                      MailCase{"QuotedTwiceBlanksDropped",
                               "sed -e 's/^/> /' -e 's/^/> /' -e 's/ *$//'",
                               "Text\n\nwith a blank line\n", true},
                      MailCase{"RewrappedAt40AndQuoted", "fold -w 40 | sed 's/^/| /'",
                               "One line of text\n", true},
                      MailCase{"Reflowed", "fmt -w 64", "One line of text\n", true},
                      MailCase{"QuotedAndReflowed", "sed 's/^/> /' | fmt -w 72 -p '> '",
                               "One line of text\n", true},
                      MailCase{"QuotedAndTextChanged", "sed -e 's/^/> /' -e 's/Two/Three/'",
                               "Two lines\n- and a dash\n", false}),
    [](const auto &info) { return std::string(info.param.name); });

// The phrase source of a test: the phrase, or none to cancel; each prompt kept.
cipher::PhraseSource giving(std::optional<std::string> phrase, std::vector<std::string> *asked) {
    return [phrase,
            asked](const cipher::PhraseRequest &request) -> std::optional<cipher::SecretString> {
        asked->push_back(request.prompt);
        if (!phrase)
            return std::nullopt;
        return cipher::SecretString(*phrase);
    };
}

struct SignerCase {
    const char *name;
    const char *gpgConf;    // lines added to gpg.conf
    const char *phrase;     // the phrase given, or null to cancel
    const char *signerUser; // the user ID of the key that signs, or the part of the refusal
    cipher::Reason reason;
};

class OwnKeySigns : public ::testing::TestWithParam<SignerCase> {};

// The own key clear-signs, and signs what it encrypts, as gpg checks them; a key that cannot
// sign is refused naming it, and a locked key's phrase is asked naming it.
TEST_P(OwnKeySigns, WhatGpgChecks) {
    const SignerCase &row = GetParam();
    signerMessages();
    const GpgConfLines conf(row.gpgConf);
    std::vector<std::string> asked;
    const auto phrase =
        row.phrase != nullptr ? std::optional<std::string>(row.phrase) : std::nullopt;
    const auto clear = openpgp::clearSign(letter, giving(phrase, &asked));
    const auto encrypted =
        openpgp::writeSignedToKeys(letter, {"nopass@example.org"}, giving(phrase, &asked));
    EXPECT_EQ(clear.reason, row.reason) << clear.refusal;
    EXPECT_EQ(encrypted.reason, row.reason) << encrypted.refusal;
    if (row.reason != cipher::Reason::None) {
        EXPECT_NE(clear.refusal.find(row.signerUser), std::string::npos) << clear.refusal;
        return;
    }
    const std::string fingerprint = home().fingerprintOf(row.signerUser);
    for (const std::string &text : {*clear.value, *encrypted.value})
        EXPECT_NE(home().statusLinesOf(text).find("VALIDSIG " + fingerprint), std::string::npos)
            << text;
    EXPECT_EQ(home().gpg("--decrypt", *clear.value), letter);
    EXPECT_EQ(openSigned(*clear.value).text.value->bytes, letter);
    const auto own = openpgp::ownSigningKey();
    EXPECT_EQ(own.key.fingerprint, fingerprint);
    EXPECT_TRUE(own.refusal.empty()) << own.refusal;
    for (const std::string &prompt : asked)
        EXPECT_NE(prompt.find(row.signerUser), std::string::npos) << prompt;
}

INSTANTIATE_TEST_SUITE_P(
    Signing, OwnKeySigns,
    ::testing::Values(
        SignerCase{"FirstSecretKey", "", "", "Nopass <nopass@example.org>", cipher::Reason::None},
        SignerCase{"LockedDefaultKey", "default-key locked@example.org\n", "Open Sesame 42",
                   "Locked <locked@example.org>", cipher::Reason::None},
        SignerCase{"WrongPhrase", "default-key locked@example.org\n", "wrong", "",
                   cipher::Reason::WrongPhrase},
        SignerCase{"Cancelled", "default-key locked@example.org\n", nullptr, "",
                   cipher::Reason::Cancelled},
        SignerCase{"ExpiredDefaultKey", "default-key expired@example.org\n", "",
                   "Expired <expired@example.org> (fingerprint", cipher::Reason::NoKey},
        SignerCase{"RevokedDefaultKey", "default-key revoked@example.org\n", "",
                   "cannot sign: it has been revoked", cipher::Reason::NoKey}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
} // namespace testing_openpgp
