// Signed 32-bit arithmetic with overflow detection, and the "Integer overflow" failure it
// raises: the program's own sums never wrap silently.
#pragma once

#include <cstdint>
#include <exception>

namespace cipher {

class IntegerOverflow : public std::exception {
public:
    const char *what() const noexcept override { return "Integer overflow"; }
};

inline std::int32_t checkedAdd(std::int32_t a, std::int32_t b) {
    std::int32_t result = 0;
    if (__builtin_add_overflow(a, b, &result))
        throw IntegerOverflow();
    return result;
}

inline std::int32_t checkedMultiply(std::int32_t a, std::int32_t b) {
    std::int32_t result = 0;
    if (__builtin_mul_overflow(a, b, &result))
        throw IntegerOverflow();
    return result;
}

} // namespace cipher
