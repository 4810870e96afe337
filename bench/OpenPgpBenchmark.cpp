// Decrypting the largest text Encrypt takes (22,528 bytes) as an OpenPGP message to a key
// without a passphrase, through the whole path (finding the message, GnuPG and its agent),
// beside reading the same text as a Method 01 block. Runs in a temporary GnuPG home whose
// agent it stops at the end.
#include "cipher/ArmourDecoder.h"
#include "cipher/ArmourFormat.h"
#include "cipher/BlockWriter.h"
#include "cipher/KeystreamMethods.h"
#include "cipher/Lines.h"
#include "openpgp/OpenPgp.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

namespace {

std::string largestText() {
    std::string text;
    for (std::size_t i = 0; text.size() < cipher::maxTextLength; ++i)
        text += (i % 60 == 59) ? std::string("\r\n") : std::string(1, static_cast<char>('a' + i % 26));
    text.resize(cipher::maxTextLength);
    return text;
}

void decryptOpenPgp(benchmark::State &state) {
    const auto message = openpgp::encryptToKeys(largestText(), {"bench@example.org"});
    if (!message.ok)
        throw std::runtime_error(message.error);
    for (auto _ : state) {
        const auto found = openpgp::findMessage(message.armour);
        auto result = openpgp::DecryptSession(*found).attempt({});
        benchmark::DoNotOptimize(result.text.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * cipher::maxTextLength));
}

void readMethod01Block(benchmark::State &state) {
    const std::string block = cipher::joinLines(cipher::writeBlock(cipher::method01, largestText(), ""));
    for (auto _ : state) {
        const auto lines = cipher::splitLines(block);
        const auto opened = cipher::openBlock(lines);
        auto decoded = cipher::decodeText(lines, *opened.value, "");
        benchmark::DoNotOptimize(decoded.bytes.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * cipher::maxTextLength));
}

BENCHMARK(decryptOpenPgp)->Unit(benchmark::kMillisecond);
BENCHMARK(readMethod01Block)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv) {
    char pattern[] = "/tmp/openpgp-bench-XXXXXX";
    if (mkdtemp(pattern) == nullptr)
        return 1;
    setenv("GNUPGHOME", pattern, 1);
    const int generated = std::system("gpg --batch --quiet --passphrase '' --quick-gen-key "
                                      "'Bench <bench@example.org>' future-default default never 2>/dev/null");
    benchmark::Initialize(&argc, argv);
    if (generated == 0)
        benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    (void)std::system("gpgconf --kill all");
    std::filesystem::remove_all(pattern);
    return generated == 0 ? 0 : 1;
}
