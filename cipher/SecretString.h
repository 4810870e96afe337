// Strings that hold secrets (phrases and their conversions): every buffer they use is wiped
// before its memory goes back, on growth, on destruction and in the string object itself.
#pragma once

#include <cstddef>
#include <memory>
#include <string>

namespace cipher {

namespace secret {

// Overwrites the bytes so the compiler cannot leave the writes out (libsodium's memzero).
void wipe(void *bytes, std::size_t size);

// Told of every buffer a secret string gives back, after it was wiped and before its memory is
// released, so that tests can see what was left in it. Empty in the program.
using WipeObserver = void (*)(const void *bytes, std::size_t size);
void setWipeObserver(WipeObserver observer);
void observeWiped(const void *bytes, std::size_t size);

// An allocator whose every buffer is wiped before it is freed.
template <class T> struct WipingAllocator {
    using value_type = T;
    WipingAllocator() = default;
    template <class U> WipingAllocator(const WipingAllocator<U> &) noexcept {}
    T *allocate(std::size_t count) { return std::allocator<T>().allocate(count); }
    void deallocate(T *buffer, std::size_t count) noexcept {
        wipe(buffer, count * sizeof(T));
        observeWiped(buffer, count * sizeof(T));
        std::allocator<T>().deallocate(buffer, count);
    }
    template <class U> bool operator==(const WipingAllocator<U> &) const noexcept { return true; }
};

} // namespace secret

// A string whose buffers are wiped: a short one kept inside the object is wiped with it.
template <class Char>
class BasicSecretString
    : public std::basic_string<Char, std::char_traits<Char>, secret::WipingAllocator<Char>> {
    using Base = std::basic_string<Char, std::char_traits<Char>, secret::WipingAllocator<Char>>;

public:
    using Base::Base;
    BasicSecretString() = default;
    BasicSecretString(const BasicSecretString &) = default;
    BasicSecretString(BasicSecretString &&) noexcept = default;
    BasicSecretString &operator=(const BasicSecretString &) = default;
    BasicSecretString &operator=(BasicSecretString &&) noexcept = default;
    ~BasicSecretString() {
        secret::wipe(this->data(), this->capacity() * sizeof(Char));
        secret::observeWiped(this->data(), this->capacity() * sizeof(Char));
    }
};

using SecretString = BasicSecretString<char>;
using SecretU32String = BasicSecretString<char32_t>;

} // namespace cipher
