// Counting a phrase's characters under its rule.
#include "cipher/PhraseRule.h"

#include "cipher/TextEncoding.h"

namespace cipher {

std::size_t phraseCharacters(const PhraseRule &rule, std::string_view phrase) {
    return rule.upperCased() ? phrase.size() : utf8Characters(phrase);
}

bool phraseLengthAccepted(const PhraseRule &rule, std::string_view phrase) {
    const std::size_t characters = phraseCharacters(rule, phrase);
    return characters >= rule.minCharacters && characters <= rule.maxCharacters;
}

} // namespace cipher
