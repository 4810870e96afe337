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

// The text as the editor would hold it: up to the first zero byte.
std::string_view editorText(const std::string &bytes) {
    return std::string_view(bytes).substr(0, bytes.find('\0'));
}

// With --utf8, a text that is not valid UTF-8 is read as Windows-1252, as the editor reads it,
// and written as UTF-8.
std::string written(std::string_view text, bool utf8) {
    if (utf8 && !cipher::isValidUtf8(text))
        return cipher::windows1252ToUtf8(text);
    return std::string(text);
}

} // namespace

int runEncrypt(const Options &options) {
    const std::string phrase = filePhrase(options).value_or(std::string());
    const std::string text = readInput(options.input);
    if (const auto refusal = cipher::encryptRefusal(text))
        refuse(*refusal);
    writeOutput(cipher::joinLines(cipher::ArmourWriter(text, phrase, options.method)));
    return Done;
}

int runDecrypt(const Options &options) {
    const auto fromFile = filePhrase(options);
    const std::string text = readInput(options.input);
    if (text.empty())
        refuse(cipher::messages::noTextToDecrypt);
    const auto lines = cipher::splitLines(text);
    const cipher::BlockReading reading = cipher::readBlock(lines);
    const auto &block = reading.opened;
    if (!block)
        refuse(block.refusal);
    const std::string phrase = block.value->isProtected() ? phraseFor(fromFile) : std::string();
    if (block.value->isProtected() && !cipher::phraseMatches(reading.lines, *block.value, phrase))
        refuse(cipher::messages::wrongPhrase);
    const cipher::DecodedText decoded = cipher::decodeText(reading.lines, *block.value, phrase);
    writeOutput(written(editorText(decoded.bytes), options.utf8));
    if (reading.isRepaired())
        std::cerr << "qvl: read with mail's changes undone: "
                  << cipher::describe(reading.repair->undone()) << '\n';
    if (decoded.verdict == cipher::Verdict::Verified)
        return Done;
    std::cerr << decoded.warning() << '\n';
    return DoneWithWarning;
}

int runDetect(const Options &options) {
    const std::string text = readInput(options.input);
    const auto lines = cipher::splitLines(text);
    // A block that only the mail repair reads counts too.
    const bool found = cipher::IsEncryptedText(lines) || cipher::readBlock(lines).isRepaired();
    return found ? Done : UsageOrFileError;
}

} // namespace qvl
