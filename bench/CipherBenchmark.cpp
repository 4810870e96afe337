// The cost of writing and reading the largest text Encrypt takes (22,528 bytes) under every
// method, against a plain copy of the same bytes. Method 02's key derivation is measured apart:
// its blocks are written and read here with the smallest Argon2id limits, whose derivation is
// measured too, so the rest is the difference.
#include "cipher/ArmourDecoder.h"
#include "cipher/ArmourFormat.h"
#include "cipher/ArmourWriter.h"
#include "cipher/Lines.h"
#include "cipher/Method02.h"

#include <benchmark/benchmark.h>

#include <cstring>

namespace {

constexpr std::string_view phrase = "SIXTEEN CHARS!!!";

// Printable text with line breaks, as a user's letter would be.
std::string largestText() {
    std::string text;
    for (std::size_t i = 0; text.size() < cipher::maxTextLength; ++i)
        text +=
            (i % 60 == 59) ? std::string("\r\n") : std::string(1, static_cast<char>('a' + i % 26));
    text.resize(cipher::maxTextLength);
    return text;
}

void copyText(benchmark::State &state) {
    const std::string text = largestText();
    std::string copy(text.size(), '\0');
    for (auto _ : state) {
        std::memcpy(copy.data(), text.data(), text.size());
        benchmark::DoNotOptimize(copy.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

// Encrypt's work once its dialogs are closed: the block's lines joined with CR LF.
void writeBlock(benchmark::State &state) {
    const std::string text = largestText();
    const auto method = static_cast<int>(state.range(0));
    for (auto _ : state) {
        std::string block = cipher::joinLines(cipher::ArmourWriter(text, phrase, method));
        benchmark::DoNotOptimize(block.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

// Decrypt's work: split into lines, open the block, check the phrase, decode the text.
void readBlock(benchmark::State &state) {
    const std::string text = largestText();
    const std::string block =
        cipher::joinLines(cipher::ArmourWriter(text, phrase, static_cast<int>(state.range(0))));
    for (auto _ : state) {
        const auto lines = cipher::splitLines(block);
        const auto opened = cipher::openBlock(lines);
        const bool right = cipher::phraseMatches(lines, *opened.value, phrase);
        auto decoded = cipher::decodeText(lines, *opened.value, phrase);
        benchmark::DoNotOptimize(right);
        benchmark::DoNotOptimize(decoded.bytes.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

// One Argon2id derivation, with the limits Encrypt writes (0) or the smallest there are (1).
const cipher::sodium::Limits limitsUnderTest[] = {cipher::method02::writtenLimits, {1, 8}};

void deriveKey(benchmark::State &state) {
    const cipher::sodium::Limits limits = limitsUnderTest[state.range(0)];
    const cipher::sodium::Salt salt{};
    cipher::sodium::Key key;
    for (auto _ : state) {
        cipher::sodium::deriveKey(key, phrase, salt, limits);
        benchmark::DoNotOptimize(key.data());
    }
}

cipher::method02::SealInputs smallestLimits() {
    cipher::method02::SealInputs inputs = cipher::method02::freshSealInputs();
    inputs.limits = limitsUnderTest[1];
    return inputs;
}

// Encrypt's work for Method 02 with the smallest limits: derivation, sealing, the block's lines.
void writeMethod02(benchmark::State &state) {
    const std::string text = largestText();
    const cipher::method02::SealInputs inputs = smallestLimits();
    for (auto _ : state) {
        std::string block = cipher::joinLines(cipher::method02::write(text, phrase, inputs));
        benchmark::DoNotOptimize(block.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

// Decrypt's work for Method 02 with the smallest limits: lines, header, body, derivation, tag.
void readMethod02(benchmark::State &state) {
    const std::string text = largestText();
    const std::string block =
        cipher::joinLines(cipher::method02::write(text, phrase, smallestLimits()));
    for (auto _ : state) {
        const auto lines = cipher::splitLines(block);
        const auto opened = cipher::openBlock(lines);
        const auto body = cipher::method02::readBody(lines, *opened.value);
        auto decrypted = cipher::method02::open(*body.value, phrase);
        benchmark::DoNotOptimize(decrypted->data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

} // namespace

BENCHMARK(copyText)->Unit(benchmark::kMicrosecond);
BENCHMARK(writeBlock)->ArgName("method")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(readBlock)->ArgName("method")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(deriveKey)->ArgName("smallest")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(writeMethod02)->Unit(benchmark::kMicrosecond);
BENCHMARK(readMethod02)->Unit(benchmark::kMicrosecond);
