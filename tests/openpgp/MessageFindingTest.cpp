// Finding OpenPGP messages that mail re-flowed (real gpg messages through coreutils' fmt, at
// every width from 40 to 76, quoted or not, with and without armour headers), proven by GnuPG;
// and naming what is not a message to decrypt, as gpg writes each kind, found without GnuPG.
#include "GnuPgHome.h"

#include "cipher/Lines.h"
#include "openpgp/OpenPgp.h"
#include "openpgp/OpenPgpMethod.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace testing_openpgp {
namespace {

GnuPgHome &home() {
    return GnuPgHome::instance();
}

std::filesystem::path inHome(const char *name) {
    return std::filesystem::path(std::getenv("GNUPGHOME")) / name;
}

std::string readFile(const std::filesystem::path &path) {
    std::ostringstream bytes;
    bytes << std::ifstream(path, std::ios::binary).rdbuf();
    return bytes.str();
}

// A text of `size` bytes that compression cannot shrink, so that the message is as long as the
// text makes it.
std::string textOfSize(std::size_t size) {
    std::string text;
    for (std::uint32_t state = 7; text.size() < size;) {
        state = state * 1103515245u + 12345u;
        text += static_cast<char>('!' + (state >> 16) % 94);
    }
    return text;
}

// The armour re-flowed by "fmt -w W" for every W from 40 to 76, each line first quoted with
// "> " and fmt told so (-p '> ') when `quoted`.
std::vector<std::string> reflowedAtEveryWidth(std::string armour, bool quoted) {
    if (quoted) {
        std::string lines;
        std::istringstream in(armour);
        for (std::string line; std::getline(in, line);)
            lines += "> " + line + "\n";
        armour = lines;
    }
    std::ofstream(inHome("flow-in.txt"), std::ios::binary) << armour;
    const std::string command = "for w in $(seq 40 76); do fmt -w $w " +
                                std::string(quoted ? "-p '> ' " : "") +
                                inHome("flow-in.txt").string() + "; printf '\\f\\n'; done > " +
                                inHome("flow-out.txt").string();
    if (std::system(command.c_str()) != 0)
        return {};
    std::vector<std::string> flowed;
    const std::string all = readFile(inHome("flow-out.txt"));
    for (std::size_t start = 0, end; (end = all.find("\f\n", start)) != std::string::npos;
         start = end + 2)
        flowed.push_back(all.substr(start, end - start));
    return flowed;
}

// The armour from its blank line on (the body, checksum and end line), with LF breaks.
std::string bodyOf(std::string armour) {
    std::erase(armour, '\r');
    return armour.substr(armour.find("\n\n") + 1);
}

struct FlowCase {
    const char *name;
    std::size_t size;
    bool headers;
    bool quoted;
};

class Reflowed : public ::testing::TestWithParam<FlowCase> {};

// The finder gives back the body exactly as gpg wrote it at every width (the headers that fmt
// joined onto the begin line left out); GnuPG reads the narrowest and the widest.
TEST_P(Reflowed, AtEveryWidthAreReadExactly) {
    const FlowCase &row = GetParam();
    const std::string text = textOfSize(row.size);
    const std::string headers =
        row.headers ? "--comment 'GPGTools - https://gpgtools.org' --emit-version " : "";
    const std::string armour = home().gpg(
        "--armor --trust-model always " + headers + "--encrypt -r nopass@example.org", text);
    ASSERT_FALSE(armour.empty());
    const std::vector<std::string> flowed = reflowedAtEveryWidth(armour, row.quoted);
    ASSERT_EQ(flowed.size(), 37u) << "fmt did not run";
    for (std::size_t at = 0; at < flowed.size(); ++at) {
        const auto found = openpgp::findMessage(flowed[at]);
        ASSERT_TRUE(found) << "width " << 40 + at << ":\n" << flowed[at];
        EXPECT_TRUE(found->armour.starts_with("-----BEGIN PGP MESSAGE-----\r\n"));
        EXPECT_EQ(bodyOf(found->armour), bodyOf(armour)) << "width " << 40 + at << ":\n"
                                                         << flowed[at];
    }
    for (const std::string &message : {flowed.front(), flowed.back()}) {
        const auto read = openpgp::GnuPgSession(*openpgp::findMessage(message))
                              .open([](const cipher::PhraseRequest &) { return std::nullopt; });
        ASSERT_TRUE(read) << read.refusal;
        EXPECT_EQ(read.value->bytes, text);
    }
}

INSTANTIATE_TEST_SUITE_P(Fmt, Reflowed,
                         ::testing::Values(FlowCase{"Empty", 0, false, false},
                                           FlowCase{"EmptyQuotedWithHeaders", 0, true, true},
                                           FlowCase{"ShortQuoted", 700, false, true},
                                           FlowCase{"ShortWithHeaders", 701, true, false},
                                           FlowCase{"LargestQuotedWithHeaders", 22528, true, true},
                                           FlowCase{"Largest", 22528, false, false}),
                         [](const auto &info) { return std::string(info.param.name); });

// A message as it stands is read as it stands; nothing is taken for one that is not whole.
TEST(Finding, ExactMessagesStayExactAndOnlyWholeOnesAreFound) {
    const std::string armour = home().gpg(
        "--armor --trust-model always --comment 'Kept as written' --encrypt -r nopass@example.org",
        "text\n");
    const auto exact = openpgp::findMessage("Before.\n\n" + armour + "After.\n");
    ASSERT_TRUE(exact);
    EXPECT_FALSE(exact->repaired);
    EXPECT_NE(exact->armour.find("\r\nComment: Kept as written\r\n\r\n"), std::string::npos);
    // A begin line among a text's words is none, nor is a clear-signed text's escaped one.
    EXPECT_FALSE(openpgp::findMessage(
        "See -----BEGIN PGP MESSAGE----- hQ== =AbCd\n-----END PGP MESSAGE-----\n"));
    EXPECT_FALSE(openpgp::findMessage(
        "- -----BEGIN PGP MESSAGE-----\n\nhQ==\n- -----END PGP MESSAGE-----\n"));
    // A message cut short before another begins: the later one is read.
    const std::string cutShort = armour.substr(0, armour.find("-----END"));
    const auto later = openpgp::findMessage(cutShort + armour);
    ASSERT_TRUE(later);
    EXPECT_EQ(later->armour.find("-----BEGIN", 1), std::string::npos);
}

struct OtherCase {
    const char *name;
    const char *gpgArguments; // how gpg writes it, of a short text
    bool cutAtEndLine;        // the end line and what follows it are lost
    const char *wordsPart;    // a part of the refusal's words
};

class NotAMessage : public ::testing::TestWithParam<OtherCase> {};

// Decrypt's table finds each, as qvl reads its bytes, and says what it is before GnuPG starts.
TEST_P(NotAMessage, IsNamedForWhatItIs) {
    const OtherCase &row = GetParam();
    std::string bytes =
        home().gpg(std::string("--trust-model always ") + row.gpgArguments, "A short text.\n");
    ASSERT_FALSE(bytes.empty());
    if (row.cutAtEndLine)
        bytes.resize(bytes.find("-----END"));
    const auto found = openpgp::method.findMessage(cipher::splitLines(bytes));
    ASSERT_TRUE(found.has_value());
    ASSERT_FALSE(*found);
    EXPECT_EQ(found->reason, row.cutAtEndLine ? cipher::Reason::Damaged : cipher::Reason::NoBlock);
    EXPECT_NE(found->refusal.find(row.wordsPart), std::string::npos) << found->refusal;
}

INSTANTIATE_TEST_SUITE_P(
    FromGpg, NotAMessage,
    ::testing::Values(
        OtherCase{"CutShort", "--armor --encrypt -r nopass@example.org", true, "cut short"},
        OtherCase{"ClearSignedCutShort", "-u nopass@example.org --clearsign", true,
                  "signed text is cut short"},
        OtherCase{"DetachedSignature", "-u nopass@example.org --armor --detach-sign", false,
                  "detached signature"},
        OtherCase{"PublicKey", "--armor --export nopass@example.org", false, "public key"},
        OtherCase{"BinaryToKey", "--encrypt -r nopass@example.org", false,
                  "encrypted OpenPGP message in binary form"},
        OtherCase{"BinaryToPhrase", "--pinentry-mode loopback --passphrase p --symmetric", false,
                  "encrypted OpenPGP message in binary form"},
        OtherCase{"BinarySigned", "-u nopass@example.org --sign", false,
                  "signed or compressed but not encrypted"},
        OtherCase{"BinarySignature", "-u nopass@example.org --detach-sign", false,
                  "signature in binary form"},
        OtherCase{"BinaryPublicKey", "--export nopass@example.org", false,
                  "public key in binary form"}),
    [](const auto &info) { return std::string(info.param.name); });

// Texts that begin with a letter beyond ASCII, or hold no OpenPGP at all, are nothing of it.
TEST(TextsWithoutOpenPgp, AreNothingOfIt) {
    for (const std::string text : {"plain text\n",
                                   "\xC3\x84rger und \xC3\x9C"
                                   "bel\n",
                                   "\xC4rger\r\n\x84quoted\x93\n",
                                   "\x99\x01\x0D"
                                   "Abc\n",
                                   "-----BEGIN PGP MESSAGE\n"})
        EXPECT_FALSE(openpgp::method.findMessage(cipher::splitLines(text))) << text;
}

} // namespace
} // namespace testing_openpgp
