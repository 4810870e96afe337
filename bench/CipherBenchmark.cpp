// The cost of writing and reading the largest text Encrypt takes (22,528 bytes) under both
// methods, against a plain copy of the same bytes.
#include "cipher/ArmourDecoder.h"
#include "cipher/ArmourFormat.h"
#include "cipher/ArmourWriter.h"
#include "cipher/Lines.h"

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

} // namespace

BENCHMARK(copyText)->Unit(benchmark::kMicrosecond);
BENCHMARK(writeBlock)->ArgName("method")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(readBlock)->ArgName("method")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
