// encrypt, decrypt and detect: the engine's steps in the order the editor runs them, with the
// system's messages on standard error in place of message boxes.
#include "Commands.h"

#include "CliError.h"
#include "Io.h"
#include "Phrase.h"

#include "cipher/ArmourReader.h"
#include "cipher/BlockReading.h"
#include "cipher/BlockWriter.h"
#include "cipher/DecryptSession.h"
#include "cipher/Lines.h"
#include "cipher/Messages.h"
#include "cipher/Method.h"
#include "cipher/TextEncoding.h"
#include "openpgp/SignatureWords.h"

#include <iostream>

namespace qvl {
namespace {

// The one place where qvl words a reading's report: where the mail repair undid changes, when
// it did, written before the text's warnings.
void noteRepairs(const cipher::ReadingReport &report) {
    if (!report.repairs.empty())
        std::cerr << "qvl: read with mail's changes undone: " << report.repairs << '\n';
}

// Then the signatures, each line of their words (one per signature) as qvl's own.
void noteSignatures(const cipher::ReadingReport &report) {
    const std::string words = openpgp::describe(report.signatures);
    if (words.empty())
        return;
    for (const std::string_view line : cipher::splitLines(words))
        std::cerr << "qvl: " << line << '\n';
}

// A block carries its text only up to the first zero byte, and the editor and qvl read another
// method's message only up to it, so a text holding one would come back shorter than it went in.
void refuseZeroByte(std::string_view text, const cipher::Method &method) {
    const auto zero = text.find('\0');
    if (zero == std::string_view::npos)
        return;
    refuse("qvl: the text holds a zero byte at offset " + std::to_string(zero) +
           (method.block != nullptr
                ? "; a block carries text only up to its first zero byte"
                : "; its message would be read only up to its first zero byte"));
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

// The --to recipients, and the user's own key for --to-own-key; a keyring without an own key is
// an error.
std::vector<std::string> recipientsOf(const Options &options) {
    std::vector<std::string> recipients = options.recipients;
    if (!options.toOwnKey)
        return recipients;
    for (const cipher::RecipientKey &key : options.method->recipientKeys()) {
        if (key.ownKey) {
            recipients.push_back(key.fingerprint);
            return recipients;
        }
    }
    throw CliError("qvl: the keyring holds no secret key that can encrypt, so there is no own key "
                   "to encrypt to",
                   UsageOrFileError);
}

// The message to the recipients signed by the user's own key, its phrase read from the file or
// the terminal; a wrong or missing phrase is refused as not done, a key that cannot sign as an
// error naming it.
cipher::Outcome<std::vector<std::string>> writeSigned(const Options &options,
                                                      const std::string &text,
                                                      const std::vector<std::string> &recipients) {
    const PhraseOrigin phrases(options.passphraseFile);
    auto written = options.method->writeSignedToKeys(
        text, recipients,
        [&phrases](const cipher::PhraseRequest &request) { return phrases.givenPhrase(request); });
    if (!written && written.reason != cipher::Reason::NoKey)
        refuse("qvl: " + written.refusal);
    return written;
}

// The message to the recipients, written by their method; an unknown, unusable or ambiguous
// recipient is named, and nothing is written.
int encryptToRecipients(const Options &options, const std::string &text) {
    const auto written = options.sign ? writeSigned(options, text, recipientsOf(options))
                                      : options.method->writeToKeys(text, recipientsOf(options));
    if (!written)
        throw CliError("qvl: " + written.refusal, UsageOrFileError);
    writeOutput(cipher::joinLines(*written.value));
    return Done;
}

// Whether a method with messages of a shape of its own finds one among the lines that Decrypt
// would read: a refusal found before reading (a signed text, a key, a message cut short) is none.
bool holdsOtherMessage(cipher::LineList lines) {
    for (const cipher::Method *method : cipher::methods())
        if (method->findMessage != nullptr)
            if (const auto found = method->findMessage(lines); found && *found)
                return true;
    return false;
}

} // namespace

// A method that carries its text as UTF-8 takes the input's characters as the editor reads them
// from a file; the others take its bytes as they are.
int runEncrypt(const Options &options) {
    const cipher::Method &method = *options.method;
    const bool toKeys = !options.recipients.empty() || options.toOwnKey;
    const cipher::SecretString phrase =
        toKeys ? cipher::SecretString() : PhraseOrigin(options.passphraseFile).newPhrase(method);
    const std::string input = readInput(options.input);
    if (const auto refusal = cipher::encryptRefusal(input))
        refuse(*refusal);
    refuseZeroByte(input, method);
    const std::string text = method.carriesUtf8 ? cipher::utf8TextOfFile(input) : input;
    if (toKeys)
        return encryptToRecipients(options, text);
    std::vector<std::string> block;
    try {
        block = cipher::writeBlock(method, text, phrase);
    } catch (const std::runtime_error &failure) {
        refuse("qvl: " + std::string(failure.what()));
    }
    writeOutput(cipher::joinLines(block));
    return Done;
}

int runDecrypt(const Options &options) {
    const PhraseOrigin phrases(options.passphraseFile);
    const std::string text = readInput(options.input);
    if (text.empty())
        refuse(cipher::messages::noTextToDecrypt);
    const auto lines = cipher::splitLines(text);
    const auto session = cipher::openDecryptSession(lines);
    if (!session)
        refuse(session.refusal);
    // The text it writes is held to the most it reads.
    (*session.value)->setLongestText(maxInputBytes);
    const auto decoded = (*session.value)->open([&phrases](const cipher::PhraseRequest &request) {
        return phrases.givenPhrase(request);
    });
    if (!decoded)
        refuse(decoded.refusal);
    const auto leftOut = writeEditorText(decoded.value->bytes, options.utf8);
    const cipher::ReadingReport &report = (*session.value)->report();
    noteRepairs(report);
    if (leftOut)
        std::cerr << *leftOut << '\n';
    if (decoded.value->verdict != cipher::Verdict::Verified)
        std::cerr << decoded.value->warning() << '\n';
    noteSignatures(report);
    const bool warned = leftOut || decoded.value->verdict != cipher::Verdict::Verified ||
                        cipher::warns(report.signatures);
    return warned ? DoneWithWarning : Done;
}

int runDetect(const Options &options) {
    const std::string text = readInput(options.input);
    const auto lines = cipher::splitLines(text);
    // A block that only the mail repair reads counts too, and so does another method's message.
    const bool found = cipher::locateBlock(lines) || cipher::readBlock(lines).isRepaired() ||
                       holdsOtherMessage(lines);
    return found ? Done : NoBlockDetected;
}

// The text clear-signed by the user's own key through the first method that signs, read as
// encrypt reads a text for a method that carries UTF-8.
int runSign(const Options &options) {
    const PhraseOrigin phrases(options.passphraseFile);
    const cipher::Method *signs = cipher::signingMethod();
    if (signs == nullptr)
        refuse("qvl: no method signs texts");
    const std::string input = readInput(options.input);
    if (input.empty())
        refuse(cipher::messages::noTextToSign);
    if (const auto refusal = cipher::encryptRefusal(input))
        refuse(*refusal);
    refuseZeroByte(input, *signs);
    const auto written = signs->signText(
        cipher::utf8TextOfFile(input),
        [&phrases](const cipher::PhraseRequest &request) { return phrases.givenPhrase(request); });
    if (!written)
        throw CliError("qvl: " + written.refusal,
                       written.reason == cipher::Reason::NoKey ? UsageOrFileError : NotDone);
    writeOutput(cipher::joinLines(*written.value));
    return Done;
}

// Decrypt's reading, kept to signed texts: a text that holds no signature is not written. A
// signature that denies the text refuses it with its report; one that casts a doubt on it
// writes it with a warning.
int runVerify(const Options &options) {
    const std::string text = readInput(options.input);
    const auto lines = cipher::splitLines(text);
    const auto session = cipher::openDecryptSession(lines);
    if (!session)
        refuse(session.refusal);
    cipher::DecryptSession &opened = **session.value;
    opened.setLongestText(maxInputBytes);
    const auto decoded = opened.open(
        [](const cipher::PhraseRequest &) { return std::optional<cipher::SecretString>(); });
    const cipher::ReadingReport &report = opened.report();
    const bool warns = cipher::warns(report.signatures);
    if (!decoded)
        throw CliError("qvl: " + decoded.refusal, warns ? DoneWithWarning : NotDone);
    if (report.signatures.empty())
        refuse("qvl: the text holds no OpenPGP signature to verify");
    writeOutput(decoded.value->bytes);
    noteRepairs(report);
    noteSignatures(report);
    return warns ? DoneWithWarning : Done;
}

} // namespace qvl
