// The cost of writing and reading the largest text Encrypt takes (22,528 bytes) under both
// methods, against a plain copy of the same bytes; and what undoing mail's changes adds to
// reading a 10 MB mail.
#include "cipher/ArmourDecoder.h"
#include "cipher/ArmourFormat.h"
#include "cipher/ArmourWriter.h"
#include "cipher/BlockReading.h"
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

// A 10 MB reply in which every line is quoted, with the block quoted near its end, so that
// every line is looked at before the block is found.
std::string quotedMail() {
    std::string mail;
    const std::string replyLine =
        "> " + std::string("The quick brown fox jumps over the lazy dog, again and again. ") +
        "\r\n";
    while (mail.size() < 10'000'000)
        mail += replyLine;
    for (const std::string &line : cipher::ArmourWriter(largestText(), phrase, 1))
        mail += "> " + line + "\r\n";
    return mail + "> -- \r\n> A signature\r\n";
}

// Decrypt's reading of the mail's lines before any phrase is asked for: the exact reading
// alone (0), which finds no block, against the exact reading and the repair (1).
void readQuotedMail(benchmark::State &state) {
    const std::string mail = quotedMail();
    const auto lines = cipher::splitLines(mail);
    const bool repairing = state.range(0) == 1;
    for (auto _ : state) {
        if (repairing) {
            const cipher::BlockReading reading = cipher::readBlock(lines);
            benchmark::DoNotOptimize(reading.opened.value);
        } else {
            const auto opened = cipher::openBlock(lines);
            benchmark::DoNotOptimize(opened.value);
        }
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * mail.size()));
}

} // namespace

BENCHMARK(copyText)->Unit(benchmark::kMicrosecond);
BENCHMARK(writeBlock)->ArgName("method")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(readBlock)->ArgName("method")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(readQuotedMail)->ArgName("repair")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
