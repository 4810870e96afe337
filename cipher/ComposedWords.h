// Words composed at compile time from a pattern and a number, so that a limit written once as a
// number stands in the words that name it, and the words are ready before any code runs.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace cipher {

template <std::size_t Capacity> class ComposedWords {
public:
    // The pattern with its one "%1" replaced by the number (with a comma between thousands when
    // `grouped`).
    constexpr ComposedWords(std::string_view pattern, std::size_t number, bool grouped = false) {
        const std::size_t at = pattern.find("%1");
        append(pattern.substr(0, at));
        appendNumber(number, grouped);
        append(pattern.substr(at + 2));
    }

    constexpr std::string_view view() const { return {m_chars.data(), m_length}; }

private:
    constexpr void append(std::string_view text) {
        for (const char c : text)
            m_chars.at(m_length++) = c;
    }

    constexpr void appendNumber(std::size_t number, bool grouped) {
        std::array<char, 32> digits{};
        std::size_t count = 0;
        do {
            if (grouped && count % 4 == 3)
                digits.at(count++) = ',';
            digits.at(count++) = static_cast<char>('0' + number % 10);
            number /= 10;
        } while (number > 0);
        while (count > 0)
            m_chars.at(m_length++) = digits.at(--count);
    }

    std::array<char, Capacity> m_chars{};
    std::size_t m_length = 0;
};

} // namespace cipher
