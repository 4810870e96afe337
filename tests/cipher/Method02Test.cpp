// Method 02 blocks: the pinned layout, round trips, what damage and wrong phrases give, and what
// a copy that knows only Methods 00 and 01 makes of them.
#include "BlockText.h"
#include "RowName.h"

#include "cipher/BlockWriter.h"
#include "cipher/GroupCodec.h"
#include "cipher/Keystream.h"
#include "cipher/KeystreamMethods.h"
#include "cipher/Lines.h"
#include "cipher/Messages.h"
#include "cipher/Method02.h"

#include <gtest/gtest.h>
#include <numeric>

namespace messages = cipher::messages;
namespace method02 = cipher::method02;
using testing_cipher::BlockText;
using testing_cipher::decrypt;
using Lines = std::vector<std::string>;

namespace {

// Salt 00..0F, nonce 10..27, and limits small enough for tests that derive many keys.
method02::SealInputs fixedInputs(cipher::sodium::Limits limits = {2, 64}) {
    method02::SealInputs inputs{limits, {}, {}};
    std::iota(inputs.salt.begin(), inputs.salt.end(), std::uint8_t{0x00});
    std::iota(inputs.nonce.begin(), inputs.nonce.end(), std::uint8_t{0x10});
    return inputs;
}

Lines sealed(std::string_view text, std::string_view phrase) {
    return method02::write(text, phrase, fixedInputs());
}

const std::string utf8Phrase = "Correct horse \xC3\xA9t\xC3\xA9 \xE2\x9A\xA1";

} // namespace

// Computed apart from this program, from libsodium's crypto_pwhash and
// crypto_aead_xchacha20poly1305_ietf_encrypt and the layout written out by hand.
TEST(Method02, writesTheKnownAnswerBlock) {
    const Lines expected = {
        std::string(cipher::startLine),
        "QvL/0200/02/0/17",
        "CAAAaAAEAIAAAAQCAaIIbBAODBYUebQ0GCiAhcaGJcyMkDqSMdiYnEa8PEZEqeRKS",
        "Cjj0t9u2m8UwPrK+a4iGQngW+jC+Cdrv75yMup4erygxLEBah",
        "QvL/10651",
        std::string(cipher::endLine),
    };
    EXPECT_EQ(sealed("Attack at dawn.\r\n", utf8Phrase), expected);
    const auto decoded = decrypt(BlockText(expected), utf8Phrase);
    EXPECT_EQ(decoded.refusal, "");
    EXPECT_EQ(decoded.bytes, "Attack at dawn.\r\n");
}

TEST(Method02, armourWriterSealsWithFreshSaltAndNonceAndTheWrittenLimits) {
    const Lines first = cipher::writeBlock(cipher::method02::method, "a", "p");
    const Lines second = cipher::writeBlock(cipher::method02::method, "a", "p");
    EXPECT_EQ(first[1], "QvL/0200/02/0/1");
    EXPECT_NE(first[2], second[2]);
    // The preamble: layout 1, then four passes and 131,072 KiB, each in four bytes.
    const cipher::Group layout = cipher::DecodeGroup(std::string_view(first[2]).substr(1, 4), 1);
    const cipher::Group passes = cipher::DecodeGroup(std::string_view(first[2]).substr(5, 4), 1);
    const cipher::Group memory = cipher::DecodeGroup(std::string_view(first[2]).substr(9, 4), 1);
    EXPECT_EQ(layout, (cipher::Group{1, 0, 0}));
    EXPECT_EQ(passes, (cipher::Group{0, 4, 0}));
    EXPECT_EQ(memory, (cipher::Group{2, 0, 0}));
    EXPECT_EQ(decrypt(BlockText(first), "p").bytes, "a");
}

namespace {

struct TripRow {
    const char *name;
    std::string text;
    std::string phrase;
};

class Method02RoundTrip : public testing::TestWithParam<TripRow> {};

} // namespace

TEST_P(Method02RoundTrip, givesBackTheText) {
    const BlockText block(sealed(GetParam().text, GetParam().phrase));
    for (const std::string_view line : block.lines())
        EXPECT_LE(line.size(), cipher::bodyLineLength);
    const auto decoded = decrypt(block, GetParam().phrase);
    EXPECT_EQ(decoded.refusal, "");
    EXPECT_EQ(decoded.verdict, cipher::Verdict::Verified);
    EXPECT_EQ(decoded.bytes, GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Method02, Method02RoundTrip,
    testing::Values(TripRow{"oneByteOneCharacter", "a", "x"},
                    TripRow{"largestText", std::string(22528, '\xE9'), "phrase"},
                    TripRow{"everyByteValue", testing_cipher::everyByte(), "Mixed Case"},
                    TripRow{"sixtyFourAsciiCharacters", "text", std::string(64, 'k')},
                    TripRow{"sixtyFourTwoByteCharacters", "text",
                            [] {
                                std::string phrase;
                                for (int i = 0; i < 64; ++i)
                                    phrase += "\xC3\xA9";
                                return phrase;
                            }()},
                    TripRow{"fourByteCharacters", "text", "\xF0\x9F\x94\x91 key"},
                    TripRow{"spacesKept", "text", "  two  spaces  "}),
    testing_cipher::rowName);

TEST(Method02, refusesPhrasesOutsideOneToSixtyFourCharacters) {
    EXPECT_THROW(sealed("text", ""), std::invalid_argument);
    EXPECT_THROW(sealed("text", std::string(65, 'k')), std::invalid_argument);
    EXPECT_THROW(sealed("", "phrase"), std::invalid_argument);
    EXPECT_THROW(sealed(std::string(22529, 'a'), "phrase"), std::invalid_argument);
    EXPECT_TRUE(cipher::phraseLengthAccepted(method02::phraseRule, std::string(64, 'k')));
    EXPECT_EQ(cipher::phraseCharacters(method02::phraseRule, "\xC3\xA9t\xC3\xA9 \xE2\x9A\xA1"), 5u);
}

namespace {

struct PhraseRow {
    const char *name;
    std::string given;
};

class Method02WrongPhrase : public testing::TestWithParam<PhraseRow> {};

} // namespace

TEST_P(Method02WrongPhrase, decryptsNothing) {
    const auto decoded = decrypt(BlockText(sealed("secret text", "Secret")), GetParam().given);
    EXPECT_EQ(decoded.refusal, messages::wrongPhrase);
    EXPECT_EQ(decoded.bytes, "");
}

INSTANTIATE_TEST_SUITE_P(Method02, Method02WrongPhrase,
                         testing::Values(PhraseRow{"otherCase", "SECRET"},
                                         PhraseRow{"otherLetter", "Secres"},
                                         PhraseRow{"longer", "Secret "}, PhraseRow{"empty", ""},
                                         PhraseRow{"tooLong", std::string(65, 'S')}),
                         testing_cipher::rowName);

TEST(Method02, olderCopiesNameVersionTwo) {
    const BlockText block(sealed("text", "phrase"));
    const cipher::Method *const keystreamMethods[] = {&cipher::method00, &cipher::method01};
    const auto older = cipher::openBlock(block.lines(), keystreamMethods);
    EXPECT_EQ(older.refusal, "Cannot handle the encryption method used to encrypt this text.  "
                             "Try using Shroud-a-Pad 2.00.");
    const auto current = cipher::openBlock(block.lines());
    ASSERT_TRUE(current);
    // Method 02 under a version before 2.00 is no Method 02 block.
    Lines lines = sealed("text", "phrase");
    lines[1].replace(4, 4, "0130");
    EXPECT_EQ(decrypt(BlockText(lines), "phrase").refusal, messages::unknownMethod(130));
}

// What a reader makes of the block after one character of its header, body or checksum line
// changed: never the text, and the words that fit where the change is.
TEST(Method02, everyChangedCharacterIsDamageOrAWrongPhrase) {
    const std::string text = "A short letter.";
    const Lines intact = sealed(text, "phrase");
    for (std::size_t line = 1; line + 1 < intact.size(); ++line) {
        for (std::size_t column = 0; column < intact[line].size(); ++column) {
            for (const char replacement : {'A', '7', '-', ' ', '!', 'x'}) {
                Lines changed = intact;
                if (changed[line][column] == replacement)
                    continue;
                changed[line][column] = replacement;
                const auto decoded = decrypt(BlockText(changed), "phrase");
                SCOPED_TRACE("line " + std::to_string(line) + " column " + std::to_string(column) +
                             ": " + changed[line]);
                EXPECT_NE(decoded.bytes, text);
                const bool bodyOrChecksum = line > 1;
                const bool tagKept = column >= 4 || line + 2 < intact.size();
                if (bodyOrChecksum && tagKept) {
                    EXPECT_EQ(decoded.refusal, messages::damagedBlock);
                } else if (decoded.refusal.empty()) {
                    // A method field read as 00 or 01 goes to those methods' reading, which
                    // warns that the checksum differs.
                    EXPECT_EQ(decoded.verdict, cipher::Verdict::ChecksumDiffers);
                }
            }
        }
    }
}

namespace {

// Rewrites body bytes 0..8 (the layout and the limits) and the checksum line to match, as a
// later version's block, or one made to cost more than a reader spends, would be.
Lines withPreamble(Lines lines, std::uint8_t layout, std::uint32_t operations,
                   std::uint32_t memoryKiB) {
    std::vector<std::uint8_t> bytes;
    for (std::size_t k = 0; k < 16; ++k) {
        const auto group = cipher::DecodeGroup(std::string_view(lines[2]).substr(1 + 4 * k, 4), 1);
        bytes.insert(bytes.end(), group.begin(), group.end());
    }
    bytes[0] = layout;
    for (int i = 0; i < 4; ++i) {
        bytes[1 + static_cast<std::size_t>(i)] =
            static_cast<std::uint8_t>(operations >> (24 - 8 * i));
        bytes[5 + static_cast<std::size_t>(i)] =
            static_cast<std::uint8_t>(memoryKiB >> (24 - 8 * i));
    }
    std::int32_t sum = 0;
    for (std::size_t k = 0; k < 16; ++k) {
        const cipher::Group group = {bytes[3 * k], bytes[3 * k + 1], bytes[3 * k + 2]};
        const auto chars = cipher::EncodeGroup(group, 1);
        lines[2].replace(1 + 4 * k, 4, chars.data(), 4);
        sum += cipher::WeightedSum(group);
    }
    for (std::size_t l = 3; l + 2 < lines.size(); ++l)
        for (std::size_t k = 0; 1 + 4 * k < lines[l].size(); ++k)
            sum += cipher::WeightedSum(
                cipher::DecodeGroup(std::string_view(lines[l]).substr(1 + 4 * k, 4), 1));
    lines[lines.size() - 2] = "QvL/" + std::to_string(sum);
    return lines;
}

struct LimitsRow {
    const char *name;
    std::uint8_t layout;
    std::uint32_t operations;
    std::uint32_t memoryKiB;
    std::string refusal;
};

class Method02Limits : public testing::TestWithParam<LimitsRow> {};

} // namespace

// Limits above twice the written ones, and a later layout, are a later version's: refused with
// the method check's words before any key is derived.
TEST_P(Method02Limits, boundWhatAReaderSpends) {
    const Lines lines = withPreamble(sealed("text", "phrase"), GetParam().layout,
                                     GetParam().operations, GetParam().memoryKiB);
    EXPECT_EQ(decrypt(BlockText(lines), "phrase").refusal, GetParam().refusal);
}

INSTANTIATE_TEST_SUITE_P(
    Method02, Method02Limits,
    testing::Values(
        LimitsRow{"asWritten", 1, 2, 64, ""},
        LimitsRow{"otherLimitsOtherKey", 1, 3, 64, std::string(messages::wrongPhrase)},
        LimitsRow{"twiceTheWrittenPasses", 1, 8, 64, std::string(messages::wrongPhrase)},
        LimitsRow{"noPasses", 1, 0, 64, std::string(messages::damagedBlock)},
        LimitsRow{"belowArgonMemory", 1, 2, 4, std::string(messages::damagedBlock)},
        LimitsRow{"moreThanTwiceThePasses", 1, 9, 64, messages::unknownMethod(200)},
        LimitsRow{"moreThanTwiceTheMemory", 1, 1, 256 * 1024 + 1, messages::unknownMethod(200)},
        LimitsRow{"oneGibibyteOfEightPasses", 1, 8, 1024 * 1024, messages::unknownMethod(200)},
        LimitsRow{"layoutZero", 0, 2, 64, std::string(messages::damagedBlock)},
        LimitsRow{"laterLayout", 2, 2, 64, messages::unknownMethod(200)}),
    testing_cipher::rowName);

// A later layout may have another length: a body of well-formed lines that its checksum states
// is still a later version's, not damage.
TEST(Method02, laterLayoutOfAnotherLengthNamesTheVersion) {
    Lines lines = sealed("text", "phrase");
    lines.insert(lines.end() - 2, "CAbCd");
    EXPECT_EQ(decrypt(BlockText(withPreamble(lines, 2, 2, 64)), "phrase").refusal,
              messages::unknownMethod(200));
    EXPECT_EQ(decrypt(BlockText(withPreamble(lines, 1, 2, 64)), "phrase").refusal,
              messages::damagedBlock);
}

// The tag covers the header exactly as written, so any other spelling of its numbers is
// damage, never a wrong phrase.
TEST(Method02, headerSpelledOtherwiseIsDamage) {
    for (const std::string header :
         {"QvL/0200/02/0/012", "QvL/0200/02/0/12x", "QvL/0200/02/1/12", "QvL/0201/02/0/12",
          "QvL/200/02/0/12", "QvL/0200/2/0/12", "QvL/0200/02/00/12"}) {
        Lines lines = sealed("twelve bytes", "phrase");
        lines[1] = header;
        EXPECT_EQ(decrypt(BlockText(lines), "phrase").refusal, messages::damagedBlock) << header;
    }
}
