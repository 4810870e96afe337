// Decrypting the largest text Encrypt takes (22,528 bytes) as an OpenPGP message to a key
// without a passphrase, through the whole path Decrypt takes (the table of methods, finding the
// message, GnuPG and its agent), beside the same text as a Method 01 block. Runs in a temporary GnuPG home whose
// agent it stops at the end.
#include "cipher/DecryptSession.h"
#include "cipher/ArmourFormat.h"
#include "cipher/BlockWriter.h"
#include "cipher/KeystreamMethods.h"
#include "cipher/Lines.h"
#include "openpgp/OpenPgp.h"
#include "openpgp/OpenPgpMethod.h"

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

// What Decrypt runs on the editor's text: the table's session for what the text holds, opened
// with no phrase at hand (neither of these needs one).
void decryptThroughTheTable(benchmark::State &state, const std::string &armoured) {
    const cipher::PhraseSource noPhrase = [](const cipher::PhraseRequest &) {
        return std::optional<cipher::SecretString>();
    };
    for (auto _ : state) {
        const auto lines = cipher::splitLines(armoured);
        const auto session = cipher::openDecryptSession(lines);
        if (!session)
            throw std::runtime_error(session.refusal);
        auto decoded = (*session.value)->open(noPhrase);
        if (!decoded)
            throw std::runtime_error(decoded.refusal);
        benchmark::DoNotOptimize(decoded.value->bytes.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * cipher::maxTextLength));
}

void decryptOpenPgp(benchmark::State &state) {
    const auto message = openpgp::encryptToKeys(largestText(), {"bench@example.org"});
    if (!message.ok)
        throw std::runtime_error(message.error);
    decryptThroughTheTable(state, message.armour);
}

void readMethod01Block(benchmark::State &state) {
    decryptThroughTheTable(state,
                           cipher::joinLines(cipher::writeBlock(cipher::method01, largestText(), "")));
}

BENCHMARK(decryptOpenPgp)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(readMethod01Block)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char **argv) {
    char pattern[] = "/tmp/openpgp-bench-XXXXXX";
    if (mkdtemp(pattern) == nullptr)
        return 1;
    setenv("GNUPGHOME", pattern, 1);
    openpgp::addToMethods(openpgp::linkedEngine);
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
