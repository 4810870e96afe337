// How a method takes its phrase: which characters, how many, and the words that ask for one.
// The passphrase field, Encrypt's prompts and qvl all take the limits from here.
#pragma once

#include <cstddef>
#include <string_view>

namespace cipher {

struct PhraseRule {
    enum class Characters {
        Windows1252Capitals, // Windows-1252 characters, letters turned to capitals
        AsTyped,             // any characters but U+0000, case kept, taken as UTF-8
    };
    Characters characters;
    std::size_t minCharacters; // 0 when a block may go without a phrase
    std::size_t maxCharacters;
    // Encrypt's first prompt for a new phrase under this rule.
    std::string_view newPhrasePrompt;
    // The words for an empty phrase where the rule needs one; empty when none is needed.
    std::string_view phraseNeeded;
    // The help topic of that prompt, which the passphrase dialog's Help button opens.
    std::string_view newPhraseHelp;

    [[nodiscard]] bool required() const { return minCharacters > 0; }
    [[nodiscard]] bool upperCased() const { return characters == Characters::Windows1252Capitals; }
};

// The number of characters of a phrase as the rule yields it: bytes in Windows-1252, UTF-8
// characters (bytes that do not continue one) otherwise.
std::size_t phraseCharacters(const PhraseRule &rule, std::string_view phrase);

// Whether the phrase has as many characters as the rule allows.
[[nodiscard]] bool phraseLengthAccepted(const PhraseRule &rule, std::string_view phrase);

} // namespace cipher
