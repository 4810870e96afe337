// Watches the largest single allocation made through operator new, so a test can show that
// decoding takes no memory from a huge stated length.
#pragma once

#include <cstddef>

namespace testing_cipher {

void resetLargestAllocation();
std::size_t largestAllocation();

} // namespace testing_cipher
