// Decrypting the largest text Encrypt takes (22,528 bytes) as an OpenPGP message to a key
// without a passphrase, through the whole path Decrypt takes (the table of methods, finding the
// message, GnuPG and its agent), beside the same text as a Method 01 block. Then the same
// message side by side, in turns: `gpg --decrypt` of its file, `qvl decrypt` of it, and a
// further Decrypt in this process (as the editor's second Decrypt runs), with their ratios to gpg.
// And the message finder on 16 MiB of blank lines inside an armour.
// Runs in a temporary GnuPG home whose agent it stops at the end.
#include "cipher/ArmourFormat.h"
#include "cipher/BlockWriter.h"
#include "cipher/DecryptSession.h"
#include "cipher/KeystreamMethods.h"
#include "cipher/Lines.h"
#include "openpgp/OpenPgp.h"
#include "openpgp/OpenPgpMethod.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <spawn.h>
#include <stdexcept>
#include <sys/wait.h>

extern char **environ;

namespace {

std::string largestText() {
    std::string text;
    for (std::size_t i = 0; text.size() < cipher::maxTextLength; ++i)
        text +=
            (i % 60 == 59) ? std::string("\r\n") : std::string(1, static_cast<char>('a' + i % 26));
    text.resize(cipher::maxTextLength);
    return text;
}

// What Decrypt runs on the editor's text: the table's session for what the text holds, opened
// with no phrase at hand (neither of these needs one).
void decryptOnce(const std::string &armoured) {
    const cipher::PhraseSource noPhrase = [](const cipher::PhraseRequest &) {
        return std::optional<cipher::SecretString>();
    };
    const auto lines = cipher::splitLines(armoured);
    const auto session = cipher::openDecryptSession(lines);
    if (!session)
        throw std::runtime_error(session.refusal);
    auto decoded = (*session.value)->open(noPhrase);
    if (!decoded)
        throw std::runtime_error(decoded.refusal);
    benchmark::DoNotOptimize(decoded.value->bytes.data());
}

void decryptThroughTheTable(benchmark::State &state, const std::string &armoured) {
    for (auto _ : state)
        decryptOnce(armoured);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * cipher::maxTextLength));
}

std::string openPgpMessage() {
    const auto message = openpgp::encryptToKeys(largestText(), {"bench@example.org"});
    if (!message)
        throw std::runtime_error(message.refusal);
    return *message.value;
}

void decryptOpenPgp(benchmark::State &state) {
    decryptThroughTheTable(state, openPgpMessage());
}

void readMethod01Block(benchmark::State &state) {
    decryptThroughTheTable(
        state, cipher::joinLines(cipher::writeBlock(cipher::method01, largestText(), "")));
}

// The finder on 16 MiB of blank lines between a begin and an end line: it reads each line once.
void findAmongBlankLines(benchmark::State &state) {
    const std::string text = "-----BEGIN PGP MESSAGE-----\n" + std::string(16u << 20, '\n') +
                             "-----END PGP MESSAGE-----\n";
    for (auto _ : state)
        benchmark::DoNotOptimize(openpgp::findMessage(text));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

BENCHMARK(decryptOpenPgp)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(findAmongBlankLines)->Unit(benchmark::kMillisecond);
BENCHMARK(readMethod01Block)->Unit(benchmark::kMillisecond)->UseRealTime();

// Runs a program found on PATH with its output thrown away, and waits for it.
void run(std::vector<std::string> arguments) {
    std::vector<char *> argv;
    for (std::string &argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t child = 0;
    const int failed = posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    if (failed != 0 || waitpid(child, &status, 0) != child || status != 0)
        throw std::runtime_error(arguments.front() + " failed");
}

// The median milliseconds of each kind of work, taken in turns so that load from elsewhere on
// the machine falls on all alike.
std::vector<double> mediansInTurns(const std::vector<std::function<void()>> &works, int rounds) {
    std::vector<std::vector<double>> times(works.size());
    for (int round = 0; round < rounds; ++round)
        for (std::size_t i = 0; i < works.size(); ++i) {
            const auto start = std::chrono::steady_clock::now();
            works[i]();
            const std::chrono::duration<double, std::milli> took =
                std::chrono::steady_clock::now() - start;
            times[i].push_back(took.count());
        }
    std::vector<double> medians;
    for (std::vector<double> &each : times) {
        std::sort(each.begin(), each.end());
        medians.push_back(each[each.size() / 2]);
    }
    return medians;
}

// gpg, qvl and a further Decrypt in this process on the same message, with the ratios to gpg.
void compareWithGpg(const std::filesystem::path &home) {
    const std::string armour = openPgpMessage();
    const std::string file = (home / "largest.asc").string();
    std::ofstream(file, std::ios::binary) << armour;
    decryptOnce(armour); // the editor's first Decrypt, which sets GnuPG up
    const std::vector<double> medians =
        mediansInTurns({[&file] {
                            run({"gpg", "--batch", "--quiet", "--decrypt", file});
                        },
                        [&file] {
                            run({QVL_PROGRAM, "decrypt", file});
                        },
                        [&armour] { decryptOnce(armour); }},
                       15);
    std::printf("\nOpenPGP decrypt of the largest text, median of 15 in turns:\n");
    std::printf("  gpg --decrypt                         %8.1f ms\n", medians[0]);
    std::printf("  qvl decrypt                           %8.1f ms   ratio to gpg %5.2f\n",
                medians[1], medians[1] / medians[0]);
    std::printf("  second Decrypt in one process         %8.1f ms   ratio to gpg %5.2f\n",
                medians[2], medians[2] / medians[0]);
}

} // namespace

int main(int argc, char **argv) {
    char pattern[] = "/tmp/openpgp-bench-XXXXXX";
    if (mkdtemp(pattern) == nullptr)
        return 1;
    setenv("GNUPGHOME", pattern, 1);
    openpgp::addToMethods(openpgp::linkedEngine);
    const int generated =
        std::system("gpg --batch --quiet --passphrase '' --quick-gen-key "
                    "'Bench <bench@example.org>' future-default default never 2>/dev/null");
    benchmark::Initialize(&argc, argv);
    if (generated == 0) {
        benchmark::RunSpecifiedBenchmarks();
        compareWithGpg(pattern);
    }
    benchmark::Shutdown();
    (void)std::system("gpgconf --kill all");
    std::filesystem::remove_all(pattern);
    return generated == 0 ? 0 : 1;
}
