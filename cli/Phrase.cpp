// Reading the phrase from a file or from the terminal. While echo is off, a signal that ends
// the process puts the terminal back first, so the user's shell never stays silent.
#include "Phrase.h"

#include "CliError.h"
#include "Io.h"

#include "PhraseEncoding.h"

#include "cipher/ArmourFormat.h"
#include "cipher/DecryptSession.h"
#include "cipher/Messages.h"
#include "cipher/Method.h"
#include "cipher/PhraseCase.h"
#include "cipher/PhraseRule.h"
#include "cipher/TextEncoding.h"

#include <algorithm>
#include <csignal>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace qvl {
namespace {

// The most bytes of a phrase line that are read: what the longest phrase any method takes needs
// at most in UTF-8 (four bytes a character), so that a longer line is known to be too long.
// Found at the first call, when every method's rule stands.
std::size_t maxPhraseLineBytes() {
    static const std::size_t limit = [] {
        std::size_t characters = 0;
        for (const cipher::Method *method : cipher::methods())
            characters = std::max(characters, method->phraseRule.maxCharacters);
        return 4 * characters;
    }();
    return limit;
}

// The terminal and its settings from before the prompt, for the signal handler.
int g_terminal = -1;
termios g_savedSettings{};
constexpr int endingSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT};

extern "C" void restoreTerminalAndDie(int signal) {
    ::tcsetattr(g_terminal, TCSAFLUSH, &g_savedSettings);
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

// Echo off for its lifetime, on every way out.
class EchoOff {
public:
    explicit EchoOff(int terminal)
        : m_active(::tcgetattr(terminal, &g_savedSettings) == 0) {
        if (!m_active)
            return;
        g_terminal = terminal;
        for (const int signal : endingSignals)
            std::signal(signal, restoreTerminalAndDie);
        termios quiet = g_savedSettings;
        quiet.c_lflag &= static_cast<tcflag_t>(~ECHO);
        ::tcsetattr(terminal, TCSAFLUSH, &quiet);
    }
    ~EchoOff() {
        if (!m_active)
            return;
        ::tcsetattr(g_terminal, TCSAFLUSH, &g_savedSettings);
        for (const int signal : endingSignals)
            std::signal(signal, SIG_DFL);
    }
    EchoOff(const EchoOff &) = delete;
    EchoOff &operator=(const EchoOff &) = delete;

private:
    bool m_active;
};

void say(int terminal, std::string_view text) {
    if (::write(terminal, text.data(), text.size()) < 0)
        return; // the prompt is a courtesy; reading the answer still works
}

// One line from the terminal, without its break; only its first bytes are kept, as a line
// beyond them is refused for its length anyway.
cipher::SecretString readTerminalLine(int terminal) {
    cipher::SecretString line;
    // Room for every byte kept, so the line never moves and leaves a copy behind.
    line.reserve(maxPhraseLineBytes() + 1);
    char c = 0;
    while (::read(terminal, &c, 1) == 1 && c != '\n')
        if (line.size() <= maxPhraseLineBytes() && c != '\r')
            line += c;
    return line;
}

[[noreturn]] void refusePhrase(const std::string &source, const std::string &why) {
    throw CliError("qvl: the phrase " + source + " " + why, UsageOrFileError);
}

[[noreturn]] void refuseLength(const std::string &source, const cipher::PhraseRule &rule) {
    refusePhrase(source, "is longer than " + std::to_string(rule.maxCharacters) + " characters");
}

cipher::SecretString acceptCapitals(std::string_view typed, const std::string &source,
                                    const cipher::PhraseRule &rule) {
    if (typed.size() > maxPhraseLineBytes())
        refuseLength(source, rule);
    const cipher::SecretString phrase = windows1252Phrase(typed, source);
    if (phrase.find('\0') != std::string::npos)
        refusePhrase(source, "holds a zero byte");
    if (phrase.size() > rule.maxCharacters)
        refuseLength(source, rule);
    cipher::SecretString upper(phrase);
    for (char &byte : upper)
        byte = cipher::upperCasePhraseByte(byte);
    return upper;
}

// Checked where it stands: no copy of the phrase in other characters is ever made.
cipher::SecretString acceptAsTyped(std::string_view typed, const std::string &source,
                                   const cipher::PhraseRule &rule) {
    if (!cipher::isValidUtf8(typed))
        refusePhrase(source, "is not UTF-8");
    if (typed.find('\0') != std::string_view::npos)
        refusePhrase(source, "holds a zero byte");
    const std::size_t characters = cipher::phraseCharacters(rule, typed);
    if (characters == 0 && rule.required())
        throw CliError(std::string(rule.phraseNeeded), UsageOrFileError);
    if (characters > rule.maxCharacters)
        refuseLength(source, rule);
    return cipher::SecretString(typed);
}

// The rule applied to the phrase: one over the rule's length, holding a zero byte or a character
// the rule cannot hold, or empty where the rule needs one, throws CliError, as the passphrase
// dialog would not take it.
cipher::SecretString acceptPhrase(const TypedPhrase &typed, const cipher::PhraseRule &rule) {
    if (typed.cut)
        refuseLength(typed.source, rule);
    return rule.upperCased() ? acceptCapitals(typed.bytes, typed.source, rule)
                             : acceptAsTyped(typed.bytes, typed.source, rule);
}

// The phrase on the file's first line; only the first line's first bytes are read.
TypedPhrase phraseFromFile(const std::string &path) {
    const FirstLine line = readFirstLine(path, maxPhraseLineBytes());
    std::string_view phrase = line.bytes;
    // Editors on some systems begin a UTF-8 file with the mark; it is no part of the phrase.
    if (phrase.starts_with(cipher::utf8Mark))
        phrase.remove_prefix(cipher::utf8Mark.size());
    if (phrase.empty() && !line.cut)
        throw CliError("qvl: the first line of " + path + " holds no phrase", UsageOrFileError);
    return {cipher::SecretString(phrase), "in " + path, line.cut};
}

// Prompts on the terminal with echo off; empty when the process has no terminal.
std::optional<TypedPhrase> phraseFromTerminal(std::string_view prompt) {
    const int terminal = ::open("/dev/tty", O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (terminal < 0)
        return std::nullopt;
    cipher::SecretString typed;
    {
        const EchoOff echoOff(terminal);
        say(terminal, std::string(prompt) + " ");
        typed = readTerminalLine(terminal);
        say(terminal, "\n");
    }
    ::close(terminal);
    const bool cut = typed.size() > maxPhraseLineBytes();
    return TypedPhrase{std::move(typed), "typed", cut};
}

} // namespace

PhraseOrigin::PhraseOrigin(const std::optional<std::string> &passphraseFile) {
    if (passphraseFile)
        m_fromFile = phraseFromFile(*passphraseFile);
}

cipher::SecretString PhraseOrigin::givenPhrase(const cipher::PhraseRequest &request) const {
    if (m_fromFile)
        return acceptPhrase(*m_fromFile, request.rule);
    if (auto typed = phraseFromTerminal(request.prompt))
        return acceptPhrase(*typed, request.rule);
    refuse("qvl: the text is password-protected; give its phrase with --passphrase-file");
}

cipher::SecretString PhraseOrigin::newPhrase(const cipher::Method &method) const {
    const cipher::PhraseRule &rule = method.phraseRule;
    if (m_fromFile || !rule.required())
        return m_fromFile ? acceptPhrase(*m_fromFile, rule) : cipher::SecretString();
    const auto typed = phraseFromTerminal(rule.newPhrasePrompt);
    if (!typed)
        refuse("qvl: " + std::string(method.name) +
               " needs a phrase; give it with --passphrase-file");
    cipher::SecretString phrase = acceptPhrase(*typed, rule);
    const auto again = phraseFromTerminal(cipher::messages::confirmPhrase);
    if (!again || again->bytes != phrase)
        refuse(cipher::messages::phrasesDiffer);
    return phrase;
}

} // namespace qvl
