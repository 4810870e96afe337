// The OpenPGP engine against the real gpg: its messages read by us and ours by it, for keys and
// phrases, mail's changes undone, every refusal, and signature reports.
#include "GnuPgHome.h"
#include "HomeChanges.h"
#include "SignerKeys.h"

#include "openpgp/OpenPgp.h"
#include "openpgp/SignatureWords.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace testing_openpgp {
namespace {

const std::string plainText = "Meet at noon.\nBring the map.\n";

cipher::PhraseSource giving(std::string phrase,
                            std::vector<cipher::PhraseRequest> *asked = nullptr) {
    return [phrase,
            asked](const cipher::PhraseRequest &request) -> std::optional<cipher::SecretString> {
        if (asked != nullptr)
            asked->push_back(request);
        return cipher::SecretString(phrase);
    };
}

// What one attempt gave, as the tests look at it: the refusal with its words, or the text; and
// what the session found beside it.
struct Decryption {
    cipher::Reason refusal = cipher::Reason::None;
    std::string words;
    std::string text;
    std::vector<cipher::SignatureReport> signatures;
    std::vector<std::string> keyIds;
    bool repaired = false;
};

Decryption attempt(openpgp::GnuPgSession &session, const cipher::PhraseSource &source) {
    cipher::Outcome<cipher::DecodedText> opened = session.open(source);
    return {opened.reason,
            std::move(opened.refusal),
            opened ? std::move(opened.value->bytes) : std::string(),
            session.report().signatures,
            session.keyIds(),
            !session.report().repairs.empty()};
}

Decryption decrypt(std::string_view text, const cipher::PhraseSource &source) {
    const auto found = openpgp::findMessage(text);
    if (!found)
        return {cipher::Reason::Failed, "no message", {}, {}, {}, false};
    openpgp::GnuPgSession session(*found);
    return attempt(session, source);
}

GnuPgHome &home() {
    return GnuPgHome::instance();
}

struct GpgMessage {
    const char *name;
    const char *gpgArguments;
    const char *phrase;
    const char *promptPart; // a part of the prompt shown, or "" when none is asked
};

class GpgMessages : public ::testing::TestWithParam<GpgMessage> {};

TEST_P(GpgMessages, AreReadWithTheirKeyOrPhrase) {
    const auto &row = GetParam();
    const std::string armour = home().gpg(row.gpgArguments, plainText);
    ASSERT_FALSE(armour.empty());
    std::vector<cipher::PhraseRequest> asked;
    const auto result = decrypt(armour, giving(row.phrase, &asked));
    EXPECT_EQ(result.refusal, cipher::Reason::None) << result.words;
    EXPECT_EQ(result.text, plainText);
    EXPECT_FALSE(result.repaired);
    EXPECT_TRUE(result.signatures.empty());
    if (std::string_view(row.promptPart).empty()) {
        EXPECT_TRUE(asked.empty());
    } else {
        ASSERT_EQ(asked.size(), 1u);
        EXPECT_NE(asked.front().prompt.find(row.promptPart), std::string::npos)
            << asked.front().prompt;
    }
}

INSTANTIATE_TEST_SUITE_P(
    FromGpg, GpgMessages,
    ::testing::Values(
        GpgMessage{"ToKeyWithoutPassphrase",
                   "--armor --trust-model always --encrypt -r nopass@example.org", "", ""},
        GpgMessage{"ToKeyWithPassphrase",
                   "--armor --trust-model always --encrypt -r locked@example.org",
                   lockedPhrase.data(), "Locked <locked@example.org>"},
        GpgMessage{"ToPhrase",
                   "--armor --pinentry-mode loopback --passphrase 'a Shared phrase' --symmetric",
                   "a Shared phrase", "phrase"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(OurMessages, AreReadByGpgForKeysAndPhrases) {
    const auto toKeys =
        openpgp::encryptToKeys(plainText, {"nopass@example.org", home().fingerprintOf(lockedUser)});
    ASSERT_TRUE(toKeys) << toKeys.refusal;
    EXPECT_TRUE(toKeys.value->starts_with("-----BEGIN PGP MESSAGE-----\r\n"));
    EXPECT_EQ(toKeys.value->find("\n"), toKeys.value->find("\r\n") + 1);
    EXPECT_EQ(home().gpg("--decrypt", *toKeys.value), plainText);

    const auto toPhrase = openpgp::encryptWithPhrase(plainText, "Ours and gpg's");
    ASSERT_TRUE(toPhrase) << toPhrase.refusal;
    EXPECT_EQ(decrypt(*toPhrase.value, giving("Ours and gpg's")).text, plainText);
    EXPECT_EQ(home().gpg("--pinentry-mode loopback --passphrase \"Ours and gpg's\" --decrypt",
                         *toPhrase.value),
              plainText);
}

namespace {

// The home's agent caches phrases for a while, as GnuPG's agent does unless told otherwise, for
// as long as the object lives.
class CachingAgent {
public:
    CachingAgent() { configure("allow-loopback-pinentry\n"); }
    ~CachingAgent() {
        configure("allow-loopback-pinentry\ndefault-cache-ttl 0\nmax-cache-ttl 0\n");
    }

private:
    static void configure(const std::string &settings) {
        std::ofstream(std::filesystem::path(std::getenv("GNUPGHOME")) / "gpg-agent.conf")
            << settings;
        (void)std::system("gpgconf --reload gpg-agent");
    }
};

} // namespace

// A phrase never stays in the agent's cache, where anyone at the same account could read the
// message without it: neither writing nor reading leaves it there, so each reading asks.
TEST(OurMessages, PhraseStaysOutOfTheAgentsCache) {
    const CachingAgent caching;
    const cipher::PhraseSource givingNothing = [](const cipher::PhraseRequest &) {
        return std::optional<cipher::SecretString>();
    };
    const auto toPhrase = openpgp::encryptWithPhrase(plainText, "Not to be kept");
    ASSERT_TRUE(toPhrase) << toPhrase.refusal;
    EXPECT_EQ(decrypt(*toPhrase.value, givingNothing).refusal, cipher::Reason::Cancelled);
    EXPECT_EQ(decrypt(*toPhrase.value, giving("Not to be kept")).text, plainText);
    EXPECT_EQ(decrypt(*toPhrase.value, givingNothing).refusal, cipher::Reason::Cancelled);
}

TEST(OurMessages, UnknownRecipientIsAnErrorNamingIt) {
    const auto result =
        openpgp::encryptToKeys(plainText, {"nopass@example.org", "nobody@example.org"});
    EXPECT_FALSE(result);
    EXPECT_FALSE(result.value);
    EXPECT_NE(result.refusal.find("nobody@example.org"), std::string::npos) << result.refusal;
}

// Mail's changes, applied to each line of a message gpg wrote.
std::string mailed(const std::string &armour, const std::string &prefix, bool blankLines,
                   std::size_t rewrap) {
    std::string body;
    std::string out = "Earlier text.\n";
    std::size_t start = 0;
    while (start < armour.size()) {
        auto end = armour.find('\n', start);
        std::string line = armour.substr(start, end - start);
        start = end + 1;
        const bool base64 =
            !line.empty() && line.find("-----") == std::string::npos && line.front() != '=';
        if (rewrap != 0 && base64) {
            body += line;
            continue;
        }
        for (std::size_t cut = 0; cut < body.size(); cut += rewrap)
            out += prefix + body.substr(cut, rewrap) + "  \n" + (blankLines ? "\n" : "");
        body.clear();
        out += prefix + line + "\n" + (blankLines && base64 ? "\n" : "");
    }
    return out + "Later text.\n";
}

struct MailCase {
    const char *name;
    const char *prefix;
    bool blankLines;
    std::size_t rewrap;
};

class MailChanges : public ::testing::TestWithParam<MailCase> {};

TEST_P(MailChanges, AreUndoneAndProvenByGnuPg) {
    const auto &row = GetParam();
    const std::string armour =
        home().gpg("--armor --trust-model always --encrypt -r nopass@example.org", plainText);
    const auto result = decrypt(mailed(armour, row.prefix, row.blankLines, row.rewrap), giving(""));
    EXPECT_EQ(result.refusal, cipher::Reason::None) << result.words;
    EXPECT_EQ(result.text, plainText);
    EXPECT_TRUE(result.repaired);
}

INSTANTIATE_TEST_SUITE_P(Mail, MailChanges,
                         ::testing::Values(MailCase{"Quoted", "> ", false, 0},
                                           MailCase{"QuotedTwiceBar", "| > ", false, 0},
                                           MailCase{"Indented", "    ", false, 0},
                                           MailCase{"BlankLines", "", true, 0},
                                           MailCase{"Rewrapped", "> ", false, 45},
                                           MailCase{"RewrappedSpread", "", true, 70}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(Refusals, NoSecretKeyNamesTheKeys) {
    const auto result = decrypt(home().toStranger, giving(""));
    EXPECT_EQ(result.refusal, cipher::Reason::NoKey) << result.words;
    ASSERT_FALSE(result.keyIds.empty());
    EXPECT_NE(result.words.find(result.keyIds.front()), std::string::npos) << result.words;
    EXPECT_TRUE(result.text.empty());
}

// GnuPG tries each secret key on a message to a hidden recipient, Locked's with its phrase.
TEST(Refusals, HiddenRecipientIsSaidToBeHidden) {
    const auto result = decrypt(home().hiddenToStranger, giving(std::string(lockedPhrase)));
    EXPECT_EQ(result.refusal, cipher::Reason::NoKey) << result.words;
    EXPECT_EQ(result.words,
              "No secret key for this message is in the keyring.  It was encrypted to: a "
              "hidden recipient.");
    EXPECT_TRUE(result.text.empty());
}

TEST(Refusals, WrongPhraseThenRetry) {
    const std::string toKey =
        home().gpg("--armor --trust-model always --encrypt -r locked@example.org", plainText);
    const std::string toPhrase =
        home().gpg("--armor --pinentry-mode loopback --passphrase right --symmetric", plainText);
    for (const auto &armour : {toKey, toPhrase}) {
        openpgp::GnuPgSession session(*openpgp::findMessage(armour));
        const auto wrong = attempt(session, giving("wrong"));
        EXPECT_EQ(wrong.refusal, cipher::Reason::WrongPhrase) << wrong.words;
        EXPECT_TRUE(wrong.text.empty());
        const auto cancelled = attempt(session, [](const auto &) { return std::nullopt; });
        EXPECT_EQ(cancelled.refusal, cipher::Reason::Cancelled)
            << cancelled.words << "[" << cancelled.text << "]";
        const auto right =
            attempt(session, giving(armour == toKey ? std::string(lockedPhrase) : "right"));
        EXPECT_EQ(right.text, plainText) << right.words;
    }
}

TEST(Refusals, DamagedOrTamperedGivesNoText) {
    const std::string armour =
        home().gpg("--armor --trust-model always --encrypt -r nopass@example.org", plainText);
    const auto bodyStart = armour.find("\n\n") + 2;
    std::string damaged = armour;
    damaged[bodyStart + 70] = damaged[bodyStart + 70] == 'A' ? 'B' : 'A';
    const auto result = decrypt(damaged, giving(""));
    EXPECT_EQ(result.refusal, cipher::Reason::Damaged) << result.words;
    EXPECT_TRUE(result.text.empty());
}

TEST(Signatures, GoodAndUnknownSigner) {
    const std::string signedArmour =
        home().gpg("--armor --trust-model always --local-user nopass@example.org --sign --encrypt "
                   "-r nopass@example.org",
                   plainText);
    const auto good = decrypt(signedArmour, giving(""));
    ASSERT_EQ(good.signatures.size(), 1u) << good.words;
    EXPECT_EQ(good.signatures[0].verdict, cipher::SignatureVerdict::Good);
    EXPECT_EQ(good.signatures[0].userId, nopassUser);
    EXPECT_EQ(good.signatures[0].fingerprint, home().fingerprintOf(nopassUser));
    // GpgME counts a signature by an ultimately trusted key as fully valid.
    EXPECT_EQ(good.signatures[0].validity, cipher::KeyValidity::Full);

    const auto unknown = decrypt(home().strangerSigned, giving(""));
    EXPECT_EQ(unknown.text, "Signed by a stranger.\n");
    ASSERT_EQ(unknown.signatures.size(), 1u);
    EXPECT_EQ(unknown.signatures[0].verdict, cipher::SignatureVerdict::UnknownKey);
    EXPECT_FALSE(cipher::warns(unknown.signatures));
}

TEST(Signatures, SignedOnlyGoodAndBad) {
    const auto good = decrypt(home().signedOnly(plainText, false), giving(""));
    EXPECT_EQ(good.refusal, cipher::Reason::None) << good.words;
    EXPECT_EQ(good.text, plainText);
    ASSERT_EQ(good.signatures.size(), 1u);
    EXPECT_EQ(good.signatures[0].verdict, cipher::SignatureVerdict::Good);
    const auto bad = decrypt(home().signedOnly(plainText, true), giving(""));
    ASSERT_EQ(bad.signatures.size(), 1u) << bad.words;
    EXPECT_EQ(bad.signatures[0].verdict, cipher::SignatureVerdict::Bad);
    EXPECT_TRUE(openpgp::describe(bad.signatures).starts_with("BAD signature"));
    EXPECT_EQ(bad.signatures[0].fingerprint, home().fingerprintOf(nopassUser));
    EXPECT_TRUE(cipher::warns(bad.signatures));
}

// The fingerprint as the report and the recipients dialog show it.
std::string grouped(const std::string &fingerprint) {
    std::string shown;
    for (std::size_t at = 0; at < fingerprint.size(); at += 4)
        shown += (at == 0 ? "" : at == 20 ? "  " : " ") + fingerprint.substr(at, 4);
    return shown;
}

struct SignerCase {
    const char *name;
    std::string SignerMessages::*message;
    std::string SignerMessages::*signer; // the fingerprint of the first signature's key
    const char *words;                   // the report's first line, after the signer
    bool warns;
};

class SignerReports : public ::testing::TestWithParam<SignerCase> {};

// The text stands whatever the signature; the report says what the keyring knows of the key,
// and the worst signature decides whether it warns.
TEST_P(SignerReports, SayWhatTheKeyringKnows) {
    const auto &row = GetParam();
    const SignerMessages &messages = signerMessages();
    const auto result = decrypt(messages.*row.message, giving(""));
    ASSERT_EQ(result.refusal, cipher::Reason::None) << result.words;
    EXPECT_EQ(result.text, signedText);
    ASSERT_FALSE(result.signatures.empty());
    EXPECT_EQ(result.signatures[0].fingerprint, messages.*row.signer);
    const std::string words = openpgp::describe(result.signatures);
    const std::string firstLine = words.substr(0, words.find('\n'));
    EXPECT_NE(firstLine.find(" (fingerprint " + grouped(messages.*row.signer) + ")" + row.words),
              std::string::npos)
        << words;
    EXPECT_EQ(cipher::warns(result.signatures), row.warns) << words;
}

INSTANTIATE_TEST_SUITE_P(
    Signers, SignerReports,
    ::testing::Values(
        SignerCase{"TrustedKey", &SignerMessages::byFriend, &SignerMessages::friendFingerprint, ".",
                   false},
        SignerCase{
            "SameNameImpostor", &SignerMessages::byImpostor, &SignerMessages::impostorFingerprint,
            ": the message is as that key signed it, but the key is not certified by a key you "
            "trust, so the key may not belong to the person its user ID names.",
            false},
        SignerCase{"RevokedKey", &SignerMessages::byRevoked, &SignerMessages::revokedFingerprint,
                   ", whose key has been revoked by its owner: the signature could be forged.",
                   true},
        SignerCase{"ExpiredKey", &SignerMessages::byExpiredKey, &SignerMessages::expiredFingerprint,
                   ".  Note: the key has expired.", false},
        SignerCase{"ExpiredSignature", &SignerMessages::expired, &SignerMessages::friendFingerprint,
                   ": it expired on 2020-01-02 and no longer vouches for the message.", true},
        SignerCase{"SecondSignatureBad", &SignerMessages::secondBad,
                   &SignerMessages::friendFingerprint, ".", true}),
    [](const auto &info) { return std::string(info.param.name); });

// The plain words only for a key the keyring's trust makes valid; each signature on a line.
TEST(Signatures, OnlyAValidKeyIsPlainlyGood) {
    const SignerMessages &messages = signerMessages();
    const auto trusted = decrypt(messages.byFriend, giving(""));
    EXPECT_EQ(openpgp::describe(trusted.signatures),
              "Good signature from Friend <friend@example.org> (fingerprint " +
                  grouped(messages.friendFingerprint) + ").");
    const auto impostor = decrypt(messages.byImpostor, giving(""));
    ASSERT_EQ(impostor.signatures.size(), 1u);
    EXPECT_EQ(impostor.signatures[0].userId, friendUser);
    EXPECT_LT(impostor.signatures[0].validity, cipher::KeyValidity::Marginal);
    EXPECT_EQ(openpgp::describe(impostor.signatures).find("Good"), std::string::npos);

    const auto two = decrypt(messages.secondBad, giving(""));
    ASSERT_EQ(two.signatures.size(), 2u);
    EXPECT_EQ(two.signatures[0].verdict, cipher::SignatureVerdict::Good);
    EXPECT_EQ(two.signatures[1].verdict, cipher::SignatureVerdict::Bad);
    EXPECT_EQ(openpgp::describe(two.signatures),
              openpgp::describe(two.signatures[0]) + "\n" + openpgp::describe(two.signatures[1]));
}

struct UnprotectedCase {
    const char *name;
    std::string SignerMessages::*message;
    bool gnuPgIgnoresIt; // gpg.conf says ignore-mdc-error
};

class Unprotected : public ::testing::TestWithParam<UnprotectedCase> {};

// Whatever gpg.conf says, a message without integrity check is refused in words naming it, and
// none of its text comes out.
TEST_P(Unprotected, IsRefusedNamingTheMissingCheck) {
    const auto &row = GetParam();
    std::optional<IgnoringMdcErrors> ignoring;
    if (row.gnuPgIgnoresIt)
        ignoring.emplace();
    const auto result =
        decrypt(signerMessages().*row.message, giving(std::string(unprotectedPhrase)));
    EXPECT_EQ(result.refusal, cipher::Reason::Damaged) << result.words;
    EXPECT_EQ(result.words,
              "The OpenPGP message has no integrity check, so a change made to it on the "
              "way could not be noticed: it is not read.");
    EXPECT_TRUE(result.text.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Rfc2440, Unprotected,
    ::testing::Values(
        UnprotectedCase{"ToKey", &SignerMessages::unprotectedToKey, false},
        UnprotectedCase{"ToKeyIgnoringMdcErrors", &SignerMessages::unprotectedToKey, true},
        UnprotectedCase{"ToPhrase", &SignerMessages::unprotectedToPhrase, false},
        UnprotectedCase{"ToPhraseIgnoringMdcErrors", &SignerMessages::unprotectedToPhrase, true}),
    [](const auto &info) { return std::string(info.param.name); });

struct BoundCase {
    const char *name;
    const char *gpgArguments; // "" for a message signed and not encrypted
    std::size_t textBytes;
};

class TextBound : public ::testing::TestWithParam<BoundCase> {};

// Zeros compress to a small message whatever their number: a text past the bound the caller
// gives stops GnuPG and is refused as too large, none of it kept; a text of the bound is read.
TEST_P(TextBound, StopsGnuPgPastIt) {
    constexpr std::size_t bound = 64 * 1024;
    const auto &row = GetParam();
    const std::string text(row.textBytes, '\0');
    const std::string armour =
        *row.gpgArguments == '\0'
            ? home().armoured(home().gpg("-z 9 -u nopass@example.org --sign", text))
            : home().gpg(row.gpgArguments, text);
    ASSERT_FALSE(armour.empty());
    openpgp::GnuPgSession session(*openpgp::findMessage(armour));
    session.setLongestText(bound);
    const auto result = attempt(session, giving("Shared"));
    if (row.textBytes <= bound) {
        EXPECT_EQ(result.refusal, cipher::Reason::None) << result.words;
        EXPECT_EQ(result.text, text);
        return;
    }
    EXPECT_EQ(result.refusal, cipher::Reason::Failed) << result.words;
    EXPECT_EQ(result.words, "The OpenPGP message's text is too large: it is longer than 65536 "
                            "bytes, the most this program takes.  Unable to decrypt this text.");
    EXPECT_TRUE(result.text.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Zeros, TextBound,
    ::testing::Values(
        BoundCase{"ToPhraseAtTheBound",
                  "--armor -z 9 --pinentry-mode loopback --passphrase Shared --symmetric", 65536},
        BoundCase{"ToPhrasePastIt",
                  "--armor -z 9 --pinentry-mode loopback --passphrase Shared --symmetric", 65537},
        BoundCase{"ToPhraseFarPastIt",
                  "--armor -z 9 --pinentry-mode loopback --passphrase Shared --symmetric", 8 << 20},
        BoundCase{"ToKeyFarPastIt",
                  "--armor -z 9 --trust-model always --encrypt -r nopass@example.org", 8 << 20},
        BoundCase{"SignedOnlyAtTheBound", "", 65536},
        BoundCase{"SignedOnlyFarPastIt", "", 8 << 20}),
    [](const auto &info) { return std::string(info.param.name); });

// GnuPG names the encryption subkey; the prompt names the primary key, as the recipients
// dialog shows it.
TEST(Prompts, NameThePrimaryKey) {
    const std::string armour =
        home().gpg("--armor --trust-model always --encrypt -r locked@example.org", plainText);
    std::vector<cipher::PhraseRequest> asked;
    EXPECT_EQ(decrypt(armour, giving(std::string(lockedPhrase), &asked)).text, plainText);
    ASSERT_EQ(asked.size(), 1u);
    const std::string fingerprint = home().fingerprintOf(lockedUser);
    EXPECT_EQ(asked[0].prompt, "Enter the passphrase of the key Locked <locked@example.org> (" +
                                   grouped(fingerprint.substr(24)) + ").");
}

TEST(Keys, ListsKeysThatCanEncryptWithTheirSecret) {
    const auto keys = openpgp::encryptionKeys();
    ASSERT_EQ(keys.size(), 2u);
    for (const auto &key : keys) {
        EXPECT_EQ(key.fingerprint.size(), 40u);
        ASSERT_EQ(key.userIds.size(), 1u);
    }
}

// Each key carries the validity the keyring's trust gives it, changing as that trust changes.
TEST(Keys, CarryTheirValidity) {
    const std::string locked = home().fingerprintOf(lockedUser);
    const auto validity = [&locked] {
        for (const auto &key : openpgp::encryptionKeys())
            if (key.fingerprint == locked)
                return key.validity;
        return cipher::KeyValidity::Never;
    };
    EXPECT_EQ(validity(), cipher::KeyValidity::Ultimate);
    setOwnerTrust(locked, OwnerTrust::Undefined);
    const cipher::KeyValidity lowered = validity();
    setOwnerTrust(locked, OwnerTrust::Ultimate);
    EXPECT_EQ(lowered, cipher::KeyValidity::Unknown);
    EXPECT_EQ(validity(), cipher::KeyValidity::Ultimate);
}

struct OwnKeyCase {
    const char *name;
    const char *gpgConf; // the lines gpg.conf holds
    std::string_view ownUser;
};

class OwnKey : public ::testing::TestWithParam<OwnKeyCase> {};

// The user's own key is the one key GnuPG's default key names, else the first secret key.
TEST_P(OwnKey, IsGnuPgsDefaultKeyElseTheFirstSecretKey) {
    const GpgConfLines settings(GetParam().gpgConf);
    std::vector<std::string> own;
    for (const auto &key : openpgp::encryptionKeys())
        if (key.ownKey)
            own.push_back(key.userIds.front());
    EXPECT_EQ(own, std::vector<std::string>{std::string(GetParam().ownUser)});
}

INSTANTIATE_TEST_SUITE_P(
    Keys, OwnKey,
    ::testing::Values(
        OwnKeyCase{"WithoutDefaultKey", "", nopassUser},
        OwnKeyCase{"DefaultKeyByAddress", "default-key locked@example.org\n", lockedUser},
        OwnKeyCase{"DefaultKeyByName", "default-key Locked\n", lockedUser},
        OwnKeyCase{"DefaultKeyNamingNoKey", "default-key nobody@example.org\n", nopassUser}),
    [](const auto &info) { return std::string(info.param.name); });

struct AddressCase {
    const char *name;
    const char *recipient;
    const char *promptPart; // the key whose phrase reading asks for; "" for Nopass, which has none
};

class RecipientAddress : public ::testing::TestWithParam<AddressCase> {};

// With a key for pass@example.org beside nopass@example.org, an address names only the key that
// holds exactly that address, in any case; a part of an address names none.
TEST_P(RecipientAddress, NamesTheKeysHoldingExactlyThatAddress) {
    const auto &row = GetParam();
    const TemporaryKey pass("Pass <Pass@Example.org>", "pass phrase");
    const auto written = openpgp::encryptToKeys(plainText, {row.recipient});
    if (row.promptPart == nullptr) {
        EXPECT_FALSE(written);
        EXPECT_NE(written.refusal.find(row.recipient), std::string::npos) << written.refusal;
        return;
    }
    ASSERT_TRUE(written) << written.refusal;
    std::vector<cipher::PhraseRequest> asked;
    EXPECT_EQ(decrypt(*written.value, giving("pass phrase", &asked)).text, plainText);
    ASSERT_EQ(asked.size(), std::string_view(row.promptPart).empty() ? 0u : 1u);
    if (!asked.empty()) {
        EXPECT_NE(asked.front().prompt.find(row.promptPart), std::string::npos)
            << asked.front().prompt;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Recipients, RecipientAddress,
    ::testing::Values(
        AddressCase{"Address", "pass@example.org", "Pass <Pass@Example.org>"},
        AddressCase{"AddressInOtherCase", "PASS@example.ORG", "Pass <Pass@Example.org>"},
        AddressCase{"AddressInBrackets", "<pass@example.org>", "Pass <Pass@Example.org>"},
        AddressCase{"AddressEndingAlike", "nopass@example.org", ""},
        AddressCase{"PartOfAnAddress", "ass@example.org", nullptr}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(Finding, NeedsBothArmourLines) {
    EXPECT_FALSE(openpgp::findMessage("plain text\n"));
    EXPECT_FALSE(openpgp::findMessage("-----BEGIN PGP MESSAGE-----\n\nhQ==\n"));
    EXPECT_FALSE(openpgp::findMessage("QvL/2/1/5/10\n"));
}

} // namespace
} // namespace testing_openpgp
