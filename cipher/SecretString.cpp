// Wiping through libsodium, and the observer tests use to see it done.
#include "cipher/SecretString.h"

#include <sodium.h>

namespace cipher::secret {
namespace {

WipeObserver g_observer = nullptr;

} // namespace

void wipe(void *bytes, std::size_t size) {
    sodium_memzero(bytes, size);
}

void setWipeObserver(WipeObserver observer) {
    g_observer = observer;
}

void observeWiped(const void *bytes, std::size_t size) {
    if (g_observer != nullptr)
        g_observer(bytes, size);
}

} // namespace cipher::secret
