// Running the OpenPGP engine for qvl: phrases from the file or the terminal, refusals and the
// signature report on standard error.
#include "OpenPgpCommands.h"

#include "CliError.h"
#include "Io.h"

#include "cipher/Messages.h"

#include <iostream>

namespace qvl {
namespace {

// Gives the file's phrase, else asks on the terminal with the engine's prompt.
openpgp::PhraseSource phraseSource(const std::optional<TypedPhrase> &fromFile) {
    return [&fromFile](const openpgp::PhraseRequest &request)
               -> std::optional<cipher::SecretString> {
        if (fromFile)
            return fromFile->bytes;
        if (auto typed = phraseFromTerminal(request.prompt))
            return std::move(typed->bytes);
        return std::nullopt;
    };
}

// The phrase to protect a message with: the file's, else typed twice on the terminal.
cipher::SecretString newPhrase(const std::optional<std::string> &file) {
    if (file)
        return phraseFromFile(*file).bytes;
    const auto typed = phraseFromTerminal(cipher::messages::enterPhrase);
    if (!typed)
        throw CliError("qvl: an OpenPGP message protected by a phrase needs one; give it with --passphrase-file",
                       NotDone);
    const auto again = phraseFromTerminal(cipher::messages::confirmPhrase);
    if (!again || again->bytes != typed->bytes)
        throw CliError(std::string(cipher::messages::phrasesDiffer), NotDone);
    return typed->bytes;
}

} // namespace

int decryptOpenPgp(const openpgp::FoundMessage &message, const std::optional<TypedPhrase> &fromFile) {
    const auto result = openpgp::DecryptSession(message).attempt(phraseSource(fromFile));
    if (result.refusal == openpgp::Refusal::Cancelled && !fromFile)
        throw CliError("qvl: the message is protected by a phrase; give it with --passphrase-file", NotDone);
    if (result.refusal != openpgp::Refusal::None)
        throw CliError("qvl: " + result.words, NotDone);
    writeOutput(result.text);
    if (result.repaired)
        std::cerr << "qvl: the OpenPGP message was read with mail's changes undone\n";
    if (const auto report = openpgp::describe(result.signature); !report.empty())
        std::cerr << "qvl: " << report << '\n';
    return result.signature.verdict == openpgp::SignatureVerdict::Bad ? DoneWithWarning : Done;
}

int encryptOpenPgp(const Options &options, const std::string &text) {
    const auto result = options.recipients.empty()
                            ? openpgp::encryptWithPhrase(text, newPhrase(options.passphraseFile))
                            : openpgp::encryptToKeys(text, options.recipients);
    if (!result.ok)
        throw CliError("qvl: " + result.error, options.recipients.empty() ? NotDone : UsageOrFileError);
    writeOutput(result.armour);
    return Done;
}

} // namespace qvl
