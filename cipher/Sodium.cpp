// The calls into libsodium. sodium_init runs before the first use and is cheap afterwards.
#include "cipher/Sodium.h"

#include <sodium.h>

#include <new>
#include <stdexcept>

namespace cipher::sodium {
namespace {

void ready() {
    if (sodium_init() < 0)
        throw std::runtime_error("libsodium could not be started");
}

const unsigned char *bytesOf(std::string_view text) {
    return reinterpret_cast<const unsigned char *>(text.data());
}

} // namespace

void randomBytes(std::span<std::uint8_t> bytes) {
    ready();
    randombytes_buf(bytes.data(), bytes.size());
}

bool limitsAccepted(const Limits &limits) {
    const std::uint64_t memory = std::uint64_t{limits.memoryKiB} * 1024;
    return limits.operations >= crypto_pwhash_OPSLIMIT_MIN &&
           limits.operations <= crypto_pwhash_OPSLIMIT_MAX &&
           memory >= crypto_pwhash_MEMLIMIT_MIN && memory <= crypto_pwhash_MEMLIMIT_MAX;
}

void deriveKey(Key &key, std::string_view phrase, const Salt &salt, const Limits &limits) {
    static_assert(saltBytes == crypto_pwhash_SALTBYTES);
    ready();
    if (!limitsAccepted(limits))
        throw std::invalid_argument("Argon2id does not take these limits");
    if (crypto_pwhash(key.bytes().data(), keyBytes, phrase.data(), phrase.size(), salt.data(),
                      limits.operations, std::size_t{limits.memoryKiB} * 1024,
                      crypto_pwhash_ALG_ARGON2ID13) != 0)
        throw std::bad_alloc();
}

std::vector<std::uint8_t> seal(std::string_view text, const Key &key, const Nonce &nonce,
                               std::string_view associated) {
    static_assert(nonceBytes == crypto_aead_xchacha20poly1305_ietf_NPUBBYTES);
    static_assert(tagBytes == crypto_aead_xchacha20poly1305_ietf_ABYTES);
    static_assert(keyBytes == crypto_aead_xchacha20poly1305_ietf_KEYBYTES);
    ready();
    std::vector<std::uint8_t> sealed(text.size() + tagBytes);
    unsigned long long length = 0;
    crypto_aead_xchacha20poly1305_ietf_encrypt(sealed.data(), &length, bytesOf(text), text.size(),
                                               bytesOf(associated), associated.size(), nullptr,
                                               nonce.data(), key.data());
    sealed.resize(length);
    return sealed;
}

std::optional<std::string> open(std::span<const std::uint8_t> sealed, const Key &key,
                                const Nonce &nonce, std::string_view associated) {
    ready();
    if (sealed.size() < tagBytes)
        return std::nullopt;
    std::string text(sealed.size() - tagBytes, '\0');
    unsigned long long length = 0;
    if (crypto_aead_xchacha20poly1305_ietf_decrypt(
            reinterpret_cast<unsigned char *>(text.data()), &length, nullptr, sealed.data(),
            sealed.size(), bytesOf(associated), associated.size(), nonce.data(), key.data()) != 0)
        return std::nullopt;
    text.resize(length);
    return text;
}

} // namespace cipher::sodium
