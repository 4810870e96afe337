// The cost of writing and reading the largest text Encrypt takes (22,528 bytes) under every
// method, against a plain copy of the same bytes; and what undoing mail's changes adds to
// reading a 10 MB mail, and what 16 MiB of empty lines cost Decrypt in time and memory.
// Method 02's key derivation is measured apart: its blocks are written
// and read here with the smallest Argon2id limits, whose derivation is measured too, so the
// rest is the difference.
#include "cipher/ArmourDecoder.h"
#include "cipher/ArmourFormat.h"
#include "cipher/BlockReading.h"
#include "cipher/BlockWriter.h"
#include "cipher/DecryptSession.h"
#include "cipher/KeystreamMethods.h"
#include "cipher/Lines.h"
#include "cipher/Method.h"
#include "cipher/Method02.h"
#include "editor/PeakMemory.h"

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
        std::string block = cipher::joinLines(
            cipher::writeBlock(*cipher::methodNamed(std::to_string(method)), text, phrase));
        benchmark::DoNotOptimize(block.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

// Decrypt's work: split into lines, open the block, check the phrase, decode the text.
void readBlock(benchmark::State &state) {
    const std::string text = largestText();
    const std::string block = cipher::joinLines(cipher::writeBlock(
        *cipher::methodNamed(std::to_string(static_cast<int>(state.range(0)))), text, phrase));
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

// A 10 MB reply in which every line is quoted, with the block quoted near its end, so that
// every line is looked at before the block is found.
std::string quotedMail() {
    std::string mail;
    const std::string replyLine =
        "> " + std::string("The quick brown fox jumps over the lazy dog, again and again. ") +
        "\r\n";
    while (mail.size() < 10'000'000)
        mail += replyLine;
    for (const std::string &line : cipher::writeBlock(cipher::method01, largestText(), phrase))
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

// The largest input qvl reads, all line breaks: LF (0), lone CR (1) or CR LF (2). Decrypt cuts
// it into 16.8 million lines (8.4 million of CR LF) and finds no block; `peakMiB` is the most
// memory the process held meanwhile, the input included, which stays within 300 MiB.
void readManyEmptyLines(benchmark::State &state) {
    const std::string_view breaks[] = {"\n", "\r", "\r\n"};
    const std::string_view lineBreak = breaks[state.range(0)];
    std::string text;
    text.reserve(16 * 1024 * 1024);
    while (text.size() + lineBreak.size() <= text.capacity())
        text += lineBreak;
    resetPeakMemory();
    for (auto _ : state) {
        const auto lines = cipher::splitLines(text);
        const auto session = cipher::openDecryptSession(lines);
        benchmark::DoNotOptimize(session.value);
    }
    state.counters["peakMiB"] = static_cast<double>(peakKilobytes()) / 1024;
}

} // namespace

BENCHMARK(readManyEmptyLines)
    ->ArgName("breaks")
    ->Arg(0)
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(copyText)->Unit(benchmark::kMicrosecond);
BENCHMARK(writeBlock)->ArgName("method")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(readBlock)->ArgName("method")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(deriveKey)->ArgName("smallest")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(writeMethod02)->Unit(benchmark::kMicrosecond);
BENCHMARK(readMethod02)->Unit(benchmark::kMicrosecond);
BENCHMARK(readQuotedMail)->ArgName("repair")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
