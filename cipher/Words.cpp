#include "cipher/Words.h"

namespace cipher::words {

std::string composed(std::string_view pattern, std::initializer_list<std::string_view> values) {
    const std::string_view *given = values.begin();
    std::string words;
    for (std::size_t at = 0; at < pattern.size(); ++at) {
        const bool placeholder = pattern[at] == '%' && at + 1 < pattern.size() &&
                                 pattern[at + 1] >= '1' && pattern[at + 1] <= '9';
        const std::size_t index = placeholder ? std::size_t(pattern[at + 1] - '1') : 0;
        if (placeholder && index < values.size()) {
            words += given[index];
            ++at;
        } else {
            words += pattern[at];
        }
    }
    return words;
}

} // namespace cipher::words
