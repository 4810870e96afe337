// Checks that hold for every entry of the table of methods, whichever program adds it: each is
// whole, names itself apart from the others, and Decrypt reads what its writer writes. The
// cipher's tests run them on the built-in entries, the OpenPGP tests once OpenPGP is added.
#pragma once

#include "cipher/ArmourFormat.h"
#include "cipher/Messages.h"
#include "cipher/Method.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace testing_cipher {

// The rule keeps its own limits and has words for each of its prompts.
inline void expectRuleWhole(const cipher::PhraseRule &rule) {
    EXPECT_LE(rule.minCharacters, rule.maxCharacters);
    EXPECT_GT(rule.maxCharacters, 0u);
    EXPECT_FALSE(rule.newPhrasePrompt.empty());
    EXPECT_FALSE(rule.newPhraseHelp.empty());
    EXPECT_EQ(rule.phraseNeeded.empty(), !rule.required());
}

// A block the entry wrote: its header carries the version the shape names, which a reader
// without the entry names in its refusal; only this entry names the header; the body lines
// stand in the shape's alphabet, as the mail repair reads them.
inline void expectBlockAsShaped(const cipher::Method &method,
                                const std::vector<std::string> &lines) {
    const cipher::BlockShape &shape = *method.block;
    ASSERT_GE(lines.size(), 4u);
    const cipher::Outcome<cipher::Header> header = cipher::readHeader(lines[1]);
    ASSERT_TRUE(header) << header.refusal;
    EXPECT_EQ(header.value->version, shape.headerVersion);
    EXPECT_EQ(cipher::methodOfHeader(*header.value, cipher::methods()), &method);
    std::vector<const cipher::Method *> others;
    for (const cipher::Method *other : cipher::methods())
        if (other != &method)
            others.push_back(other);
    EXPECT_EQ(cipher::readHeader(lines[1], others).refusal,
              cipher::messages::unknownMethod(shape.headerVersion));
    for (std::size_t i = 2; i + 2 < lines.size(); ++i)
        EXPECT_TRUE(cipher::codec::madeOfDigits(
            lines[i], cipher::codec::digits[static_cast<std::size_t>(shape.alphabet)]))
            << lines[i];
}

// The entry's writer with a phrase of its rule, read back by Decrypt among every method.
inline void expectReadsWhatItWrites(const cipher::Method &method) {
    const std::string text = "The text of a round trip.";
    const std::string phrase = std::string("ABCD").substr(0, method.phraseRule.maxCharacters);
    const std::vector<std::string> lines = method.writeBlock(text, phrase);
    if (method.block != nullptr)
        expectBlockAsShaped(method, lines);
    const std::vector<std::string_view> views(lines.begin(), lines.end());
    cipher::OpenedSession session = cipher::openDecryptSession(views);
    ASSERT_TRUE(session) << session.refusal;
    const auto opened = (*session.value)
                            ->open([&phrase](const cipher::PhraseRequest &request)
                                       -> std::optional<cipher::SecretString> {
                                EXPECT_FALSE(request.helpTopic.empty()) << request.prompt;
                                return cipher::SecretString(phrase);
                            });
    ASSERT_TRUE(opened) << opened.refusal;
    EXPECT_EQ(opened.value->bytes, text);
}

// Every entry of the table: named apart, whole (a writer; keys listed and written together; a
// block shape or a message finder, so that Decrypt finds what it writes) and read back.
inline void expectEveryEntryWhole() {
    std::set<std::string_view> names;
    std::set<std::string_view> cliNames;
    for (const cipher::Method *method : cipher::methods()) {
        SCOPED_TRACE(std::string(method->name));
        EXPECT_FALSE(method->name.empty());
        EXPECT_FALSE(method->note.empty());
        EXPECT_TRUE(names.insert(method->name).second) << "a second entry of this name";
        EXPECT_TRUE(method->cliName.empty() || cliNames.insert(method->cliName).second)
            << "a second entry of --method " << method->cliName;
        expectRuleWhole(method->phraseRule);
        ASSERT_NE(method->writeBlock, nullptr);
        EXPECT_EQ(method->recipientKeys == nullptr, method->writeToKeys == nullptr);
        ASSERT_TRUE(method->block != nullptr || method->findMessage != nullptr)
            << "Decrypt cannot find what it writes";
        if (method->block != nullptr) {
            EXPECT_NE(method->block->namesHeader, nullptr);
            EXPECT_NE(method->block->provesItself, nullptr);
            EXPECT_NE(method->block->openBlock, nullptr);
        }
        expectReadsWhatItWrites(*method);
    }
}

} // namespace testing_cipher
