// encrypt, decrypt and detect: the engine's steps in the order the editor runs them, with the
// system's messages on standard error in place of message boxes.
#include "Commands.h"

#include "CliError.h"
#include "Io.h"
#include "Phrase.h"

#include "cipher/ArmourDecoder.h"
#include "cipher/ArmourDetection.h"
#include "cipher/ArmourReader.h"
#include "cipher/ArmourWriter.h"
#include "cipher/BlockReading.h"
#include "cipher/Lines.h"
#include "cipher/Messages.h"
#include "cipher/TextEncoding.h"

#include <iostream>

namespace qvl {
namespace {

[[noreturn]] void refuse(std::string_view message) {
    throw CliError(std::string(message), NotDone);
}

// The passphrase file's phrase, read before the input so that a bad file is always reported.
std::optional<std::string> filePhrase(const Options &options) {
    if (!options.passphraseFile)
        return std::nullopt;
    return phraseFromFile(*options.passphraseFile);
}

// The phrase of a protected block: the file's, else the one typed on the terminal.
std::string phraseFor(const std::optional<std::string> &fromFile) {
    if (fromFile)
        return *fromFile;
    if (auto typed = phraseFromTerminal())
        return *typed;
    refuse("qvl: the text is password-protected; give its phrase with --passphrase-file");
}

// A block carries its text only up to the first zero byte, so a text holding one would come
// back shorter than it went in.
void refuseZeroByte(std::string_view text) {
    const auto zero = text.find('\0');
    if (zero != std::string_view::npos)
        refuse("qvl: the text holds a zero byte at offset " + std::to_string(zero) +
               "; a block carries text only up to its first zero byte");
}

// Writes the text as the editor would hold it: up to the first zero byte; with `utf8`, a text
// that is not valid UTF-8 is read as Windows-1252, as the editor reads it, and written as UTF-8.
// Answers the warning that bytes were left out, or nothing.
std::optional<std::string> writeEditorText(std::string_view bytes, bool utf8) {
    const auto zero = bytes.find('\0');
    const std::string_view text = bytes.substr(0, zero);
    writeOutput(utf8 && !cipher::isValidUtf8(text) ? cipher::windows1252ToUtf8(text)
                                                   : std::string(text));
    if (zero == std::string_view::npos)
        return std::nullopt;
    return "qvl: the text holds a zero byte at offset " + std::to_string(zero) + "; the " +
           std::to_string(bytes.size() - zero) + " bytes from there on were left out";
}

} // namespace

int runEncrypt(const Options &options) {
    const std::string phrase = filePhrase(options).value_or(std::string());
    const std::string text = readInput(options.input);
    if (const auto refusal = cipher::encryptRefusal(text))
        refuse(*refusal);
    refuseZeroByte(text);
    writeOutput(cipher::joinLines(cipher::ArmourWriter(text, phrase, options.method)));
    return Done;
}

int runDecrypt(const Options &options) {
    const auto fromFile = filePhrase(options);
    const std::string text = readInput(options.input);
    if (text.empty())
        refuse(cipher::messages::noTextToDecrypt);
    const auto lines = cipher::splitLines(text);
    const cipher::BlockReading reading =
        cipher::readBlock(lines, cipher::KnownMethods::Methods00And01);
    const auto &block = reading.opened;
    if (!block)
        refuse(block.refusal);
    const std::string phrase = block.value->isProtected() ? phraseFor(fromFile) : std::string();
    if (block.value->isProtected() && !cipher::phraseMatches(reading.lines, *block.value, phrase))
        refuse(cipher::messages::wrongPhrase);
    const cipher::DecodedText decoded = cipher::decodeText(reading.lines, *block.value, phrase);
    const auto leftOut = writeEditorText(decoded.bytes, options.utf8);
    if (reading.isRepaired())
        std::cerr << "qvl: read with mail's changes undone: "
                  << cipher::describe(reading.repair->undone()) << '\n';
    if (leftOut)
        std::cerr << *leftOut << '\n';
    if (decoded.verdict != cipher::Verdict::Verified)
        std::cerr << decoded.warning() << '\n';
    return leftOut || decoded.verdict != cipher::Verdict::Verified ? DoneWithWarning : Done;
}

int runDetect(const Options &options) {
    const std::string text = readInput(options.input);
    const auto lines = cipher::splitLines(text);
    // A block that only the mail repair reads counts too.
    const bool found = cipher::IsEncryptedText(lines) ||
                       cipher::readBlock(lines, cipher::KnownMethods::Methods00And01).isRepaired();
    return found ? Done : NoBlockDetected;
}

} // namespace qvl
