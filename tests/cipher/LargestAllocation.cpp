// Replaces the global operator new of the test program with one that remembers the largest
// request; everything else goes through malloc as before.
#include "LargestAllocation.h"

#include <cstdlib>
#include <new>

namespace {
std::size_t g_largest = 0;
}

void *operator new(std::size_t size) {
    if (size > g_largest)
        g_largest = size;
    if (void *memory = std::malloc(size == 0 ? 1 : size))
        return memory;
    throw std::bad_alloc();
}

void operator delete(void *memory) noexcept {
    std::free(memory);
}
void operator delete(void *memory, std::size_t) noexcept {
    std::free(memory);
}

namespace testing_cipher {

void resetLargestAllocation() {
    g_largest = 0;
}
std::size_t largestAllocation() {
    return g_largest;
}

} // namespace testing_cipher
