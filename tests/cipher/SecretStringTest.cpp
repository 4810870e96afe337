// Strings that hold phrases: every buffer they give back, on growth and on destruction, and the
// short one kept inside the object, is all zeros by then.
#include "cipher/SecretString.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

namespace {

struct Released {
    const void *at;
    std::size_t size;
    bool wiped;
};
std::vector<Released> g_released;

void noteRelease(const void *bytes, std::size_t size) {
    const auto *first = static_cast<const unsigned char *>(bytes);
    g_released.push_back(
        {bytes, size, std::all_of(first, first + size, [](unsigned char b) { return b == 0; })});
}

class SecretStringTest : public testing::Test {
protected:
    void SetUp() override {
        g_released.clear();
        cipher::secret::setWipeObserver(noteRelease);
    }
    void TearDown() override { cipher::secret::setWipeObserver(nullptr); }

    static bool released(const void *at) {
        return std::any_of(g_released.begin(), g_released.end(),
                           [at](const Released &r) { return r.at == at && r.size > 0; });
    }
    static bool allWiped() {
        return std::all_of(g_released.begin(), g_released.end(),
                           [](const Released &r) { return r.wiped; });
    }
};

} // namespace

TEST_F(SecretStringTest, everyBufferIsWipedBeforeItGoes) {
    const void *shortBuffer = nullptr;
    const void *firstLongBuffer = nullptr;
    {
        cipher::SecretString shortPhrase("SECRET");
        shortBuffer = shortPhrase.data();
        cipher::SecretString longPhrase("Correct horse battery staple");
        firstLongBuffer = longPhrase.data();
        // Growing moves the phrase to a larger buffer; the old one goes at once.
        longPhrase.append(200, 'x');
        EXPECT_TRUE(released(firstLongBuffer));
        cipher::SecretU32String characters(U"Пароль и ещё немного букв");
    }
    EXPECT_TRUE(released(shortBuffer));
    EXPECT_GE(g_released.size(), 5u);
    EXPECT_TRUE(allWiped());
}

TEST_F(SecretStringTest, movedFromAndCopiedStringsAreWipedToo) {
    {
        cipher::SecretString phrase("A phrase long enough for the heap");
        cipher::SecretString copy = phrase;
        cipher::SecretString moved = std::move(phrase);
        cipher::SecretString shortOne("short");
        cipher::SecretString shortMoved = std::move(shortOne);
    }
    EXPECT_TRUE(allWiped());
}
