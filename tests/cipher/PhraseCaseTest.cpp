// The passphrase dialog's upper-casing in Windows-1252, checked for every byte value.
#include "cipher/PhraseCase.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

// Every byte that changes, and what it becomes.
std::map<int, int> expectedChanges() {
    std::map<int, int> changes;
    for (int c = 'a'; c <= 'z'; ++c)
        changes[c] = c - 0x20;
    for (int c = 0xE0; c <= 0xFE; ++c)
        if (c != 0xF7)
            changes[c] = c - 0x20;
    changes[0x9A] = 0x8A;
    changes[0x9C] = 0x8C;
    changes[0x9E] = 0x8E;
    changes[0xFF] = 0x9F;
    return changes;
}

// A phrase upper-cased byte for byte, as qvl turns a phrase for Methods 00 and 01.
std::string upperCased(std::string phrase) {
    for (char &byte : phrase)
        byte = cipher::upperCasePhraseByte(byte);
    return phrase;
}

} // namespace

TEST(PhraseCase, upperCasesEveryByteAsWindows1252Does) {
    const auto changes = expectedChanges();
    for (int c = 0; c < 256; ++c) {
        const auto found = changes.find(c);
        const int expected = found == changes.end() ? c : found->second;
        EXPECT_EQ(static_cast<unsigned char>(cipher::upperCasePhraseByte(static_cast<char>(c))),
                  expected)
            << "byte " << c;
    }
}

TEST(PhraseCase, sharpSMicroAndDivisionSignStay) {
    EXPECT_EQ(upperCased("\xDF\xB5\xF7"), "\xDF\xB5\xF7");
    EXPECT_EQ(upperCased("secret \xE9t\xE9"), "SECRET \xC9T\xC9");
}
