// What a reader makes of a written block after something happened to it on the way.
#include "BlockText.h"
#include "RowName.h"

#include "cipher/Messages.h"

#include <functional>
#include <gtest/gtest.h>

using cipher::Verdict;
using testing_cipher::armour;
using testing_cipher::BlockText;
using testing_cipher::decrypt;

namespace {

// 100 bytes: 34 text groups on body lines of 16, 16 and 2 groups (lines 2, 3 and 4).
const std::string original = [] {
    std::string text;
    for (int i = 0; i < 100; ++i)
        text += static_cast<char>('A' + i % 26);
    return text;
}();

using Lines = std::vector<std::string>;

struct DamageRow {
    const char *name;
    std::function<void(Lines &)> damage;
    Verdict verdict;
    std::size_t intactBytes; // how many bytes still equal the original's first ones
    std::size_t size;        // how many bytes the reader gives
};

class Damage : public testing::TestWithParam<DamageRow> {};

} // namespace

TEST_P(Damage, givesTheVerdictAndWhatSurvived) {
    Lines lines = armour(original);
    GetParam().damage(lines);
    const auto decoded = decrypt(BlockText(lines), "");
    ASSERT_TRUE(decoded.refusal.empty()) << decoded.refusal;
    EXPECT_EQ(decoded.verdict, GetParam().verdict);
    const std::size_t intact = GetParam().intactBytes;
    EXPECT_EQ(decoded.bytes.substr(0, intact), original.substr(0, intact));
    EXPECT_EQ(decoded.bytes.size(), GetParam().size);
}

INSTANTIATE_TEST_SUITE_P(
    DamagedBlock, Damage,
    testing::Values(DamageRow{"intact", [](Lines &) {}, Verdict::Verified, 100, 100},
                    DamageRow{"lastBodyLineTruncated", [](Lines &l) { l[4].resize(8); },
                              Verdict::EndedEarly, 99, 99},
                    DamageRow{"lastBodyLineCutToNothing", [](Lines &l) { l[4] = "C"; },
                              Verdict::EndedEarly, 96, 96},
                    DamageRow{"lastBodyLineMissing", [](Lines &l) { l.erase(l.begin() + 4); },
                              Verdict::EndedEarly, 96, 96},
                    DamageRow{"middleBodyLineMissing", [](Lines &l) { l.erase(l.begin() + 3); },
                              Verdict::EndedEarly, 48, 54},
                    DamageRow{"everyBodyLineMissing",
                              [](Lines &l) { l.erase(l.begin() + 2, l.begin() + 5); },
                              Verdict::EndedEarly, 0, 0},
                    DamageRow{"changedCharacter", [](Lines &l) { l[3][10] ^= 1; },
                              Verdict::ChecksumDiffers, 48, 100},
                    DamageRow{"checksumZero", [](Lines &l) { l[5] = "QvL/0"; },
                              Verdict::ChecksumAbsent, 100, 100},
                    DamageRow{"checksumTagOnly", [](Lines &l) { l[5] = "QvL/"; },
                              Verdict::ChecksumAbsent, 100, 100},
                    DamageRow{"checksumTrailingBlank", [](Lines &l) { l[5] += " "; },
                              Verdict::Verified, 100, 100},
                    DamageRow{"checksumOther", [](Lines &l) { l[5] += "1"; },
                              Verdict::ChecksumDiffers, 100, 100},
                    DamageRow{"checksumBeyond32Bits", [](Lines &l) { l[5] += "9999999999"; },
                              Verdict::ChecksumDiffers, 100, 100},
                    DamageRow{"bodyLinePrefixChanged", [](Lines &l) { l[2][0] = 'X'; },
                              Verdict::Verified, 100, 100},
                    DamageRow{"startAndEndLinesLost",
                              [](Lines &l) {
                                  l.erase(l.begin());
                                  l.pop_back();
                              },
                              Verdict::Verified, 100, 100},
                    DamageRow{"versionChanged", [](Lines &l) { l[1].replace(4, 4, "9999"); },
                              Verdict::Verified, 100, 100},
                    DamageRow{"bodyLineLongerThan65", [](Lines &l) { l[2] += "!!!!junk"; },
                              Verdict::Verified, 100, 100},
                    DamageRow{"textAroundTheBlock",
                              [](Lines &l) {
                                  l.insert(l.begin(), {"From: someone", ""});
                                  l.push_back("-- ");
                              },
                              Verdict::Verified, 100, 100},
                    DamageRow{"secondBlockAfterwards",
                              [](Lines &l) {
                                  const Lines other = armour("another text");
                                  l.insert(l.end(), other.begin(), other.end());
                              },
                              Verdict::Verified, 100, 100}),
    testing_cipher::rowName);

namespace {

struct RefusalRow {
    const char *name;
    std::function<void(Lines &)> damage;
    std::string phrase;
    std::string refusal;
};

class Refused : public testing::TestWithParam<RefusalRow> {};

} // namespace

TEST_P(Refused, decodesNothing) {
    Lines lines = armour(original, "SECRET");
    GetParam().damage(lines);
    const auto decoded = decrypt(BlockText(lines), GetParam().phrase);
    EXPECT_EQ(decoded.refusal, GetParam().refusal);
    EXPECT_TRUE(decoded.bytes.empty());
}

INSTANTIATE_TEST_SUITE_P(
    DamagedBlock, Refused,
    testing::Values(RefusalRow{"wrongPhrase", [](Lines &) {}, "SECRES",
                               std::string(cipher::messages::wrongPhrase)},
                    RefusalRow{"wrongPhraseLength", [](Lines &) {}, "SECRETS",
                               std::string(cipher::messages::wrongPhrase)},
                    RefusalRow{"noPhraseGiven", [](Lines &) {}, "",
                               std::string(cipher::messages::wrongPhrase)},
                    RefusalRow{"headerLost", [](Lines &l) { l.erase(l.begin() + 1); }, "SECRET",
                               std::string(cipher::messages::noBlock)},
                    RefusalRow{"checksumLineLost", [](Lines &l) { l.erase(l.end() - 2); }, "SECRET",
                               std::string(cipher::messages::noBlock)},
                    RefusalRow{"headerShortened", [](Lines &l) { l[1] = "QvL/0122/01/6"; },
                               "SECRET", std::string(cipher::messages::invalidHeader)},
                    RefusalRow{"methodRaised", [](Lines &l) { l[1].replace(9, 2, "07"); }, "SECRET",
                               cipher::messages::unknownMethod(122)}),
    testing_cipher::rowName);
