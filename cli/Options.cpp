// Parsing qvl's arguments: a command word, then options ("--name VALUE" or "--name=VALUE")
// and at most one input file ("-" or none for standard input).
#include "Options.h"

#include "CliError.h"

#include "openpgp/OpenPgpMethod.h"

#include <algorithm>
#include <map>

namespace qvl {

namespace {

[[noreturn]] void usageError(const std::string &what) {
    throw CliError("qvl: " + what + " (qvl --help shows the usage)", UsageOrFileError);
}

Command commandNamed(const std::string &word) {
    static const std::map<std::string, Command> commands = {{"encrypt", Command::Encrypt},
                                                            {"decrypt", Command::Decrypt},
                                                            {"detect", Command::Detect},
                                                            {"sign", Command::Sign},
                                                            {"verify", Command::Verify}};
    const auto found = commands.find(word);
    if (found == commands.end())
        usageError("unknown command \"" + word + "\"");
    return found->second;
}

// The names --method takes, as "0, 1 or 2"; a method without one is chosen by options of its own.
std::string methodNames() {
    std::vector<std::string_view> named;
    for (const cipher::Method *method : cipher::methods())
        if (!method->cliName.empty())
            named.push_back(method->cliName);
    std::string names;
    for (std::size_t i = 0; i < named.size(); ++i)
        names += (i == 0 ? "" : i + 1 == named.size() ? " or " : ", ") + std::string(named[i]);
    return names;
}

// The options of qvl that write in a method: --method with its name, or OpenPGP's own; empty for
// a method qvl does not write.
std::string optionsOf(const cipher::Method &method) {
    if (!method.cliName.empty())
        return "--method " + std::string(method.cliName);
    return &method == &openpgp::method ? "--to, --to-own-key, --openpgp" : std::string();
}

// The phrases a method takes, e.g. "1 to 64 characters of UTF-8, taken as they are": from 1, a
// phrase is needed.
std::string phraseWords(const cipher::PhraseRule &rule) {
    std::string words = rule.required() ? std::to_string(rule.minCharacters) + " to " : "up to ";
    words += std::to_string(rule.maxCharacters);
    return words + (rule.upperCased() ? " characters of Windows-1252, letters in upper case"
                                      : " characters of UTF-8, taken as they are");
}

// Every method qvl writes in, as the table lists them, with its options, its note and the
// phrases it takes.
std::string methodList() {
    std::string list;
    for (const cipher::Method *method : cipher::methods()) {
        const std::string options = optionsOf(*method);
        if (options.empty())
            continue;
        list += "  " + std::string(method->name) + " (" + options + ")";
        list += method == &cipher::plainEncryptMethod() ? ", the default\n" : "\n";
        list += "    " + std::string(method->note) + "\n";
        // A method writing to keys takes a phrase only where no key is given.
        list += method->writeToKeys != nullptr ? "    Phrase (without keys): " : "    Phrase: ";
        list += phraseWords(method->phraseRule) + ".\n";
    }
    return list;
}

const cipher::Method *methodNamed(const std::string &value) {
    const cipher::Method *method = value.empty() ? nullptr : cipher::methodNamed(value);
    if (method == nullptr)
        usageError("the method is " + methodNames() + ", not \"" + value + "\"");
    return method;
}

// Splits "--name=value" into its two parts; a bare "--name" takes the next argument.
class ArgumentReader {
public:
    explicit ArgumentReader(const std::vector<std::string> &arguments)
        : m_arguments(arguments) {}

    bool atEnd() const { return m_next == m_arguments.size(); }
    const std::string &next() { return m_arguments[m_next++]; }

    std::string valueOf(const std::string &option, std::string::size_type equals) {
        if (equals != std::string::npos)
            return option.substr(equals + 1);
        if (atEnd())
            usageError(option + " needs a value");
        return next();
    }

private:
    const std::vector<std::string> &m_arguments;
    std::size_t m_next = 0;
};

// The options that choose encrypt's method: --method names one of ours; --to, --to-own-key and
// --openpgp choose OpenPGP, so --method cannot stand beside them, in either order.
struct MethodOptions {
    bool method = false;
    bool openpgp = false;

    void saw(bool byMethod) {
        (byMethod ? method : openpgp) = true;
        if (method && openpgp)
            usageError("--method cannot be given with --to, --to-own-key or --openpgp");
    }
};

void readOption(Options &options, const std::string &argument, ArgumentReader &reader,
                MethodOptions &chosen) {
    const auto equals = argument.find('=');
    const std::string name = argument.substr(0, equals);
    if (name == "--method" && options.command == Command::Encrypt) {
        chosen.saw(true);
        options.method = methodNamed(reader.valueOf(argument, equals));
    } else if (name == "--to" && options.command == Command::Encrypt) {
        chosen.saw(false);
        options.recipients.push_back(reader.valueOf(argument, equals));
        options.method = &openpgp::method;
    } else if (argument == "--to-own-key" && options.command == Command::Encrypt) {
        chosen.saw(false);
        options.toOwnKey = true;
        options.method = &openpgp::method;
    } else if (argument == "--openpgp" && options.command == Command::Encrypt) {
        chosen.saw(false);
        options.method = &openpgp::method;
    } else if (argument == "--sign" && options.command == Command::Encrypt) {
        options.sign = true;
    } else if (argument == "--utf8" && options.command == Command::Decrypt)
        options.utf8 = true;
    else if (name == "--passphrase-file" && options.command != Command::Detect &&
             options.command != Command::Verify)
        options.passphraseFile = reader.valueOf(argument, equals);
    else
        usageError("unknown option \"" + argument + "\"");
}

void readInputName(Options &options, const std::string &argument) {
    if (options.input)
        usageError("only one input file can be given");
    options.input = argument;
}

} // namespace

std::string usageText() {
    return "usage: qvl encrypt [--method NAME] [--passphrase-file FILE] [INPUT]\n"
           "       qvl encrypt (--to RECIPIENT ... [--to-own-key] | --to-own-key | --openpgp)\n"
           "                   [--sign] [--passphrase-file FILE] [INPUT]\n"
           "       qvl decrypt [--passphrase-file FILE] [--utf8] [INPUT]\n"
           "       qvl detect [INPUT]\n"
           "       qvl sign [--passphrase-file FILE] [INPUT]\n"
           "       qvl verify [INPUT]\n"
           "       qvl --help | --version\n"
           "\n"
           "encrypt  writes the armoured block of INPUT to standard output in the method\n"
           "         --method names (see the methods below), every line ended by CR LF.\n"
           "         With --to (repeatable: a user ID, e-mail address or fingerprint of the GnuPG\n"
           "         keyring; an address names the keys holding exactly it), --to-own-key "
           "(GnuPG's\n"
           "         default key, else the first secret key) or --openpgp (a phrase), it writes "
           "an\n"
           "         OpenPGP message instead: the text's characters as UTF-8 (INPUT read as UTF-8\n"
           "         when valid, else Windows-1252), every line break LF.\n"
           "         With --sign, the message to keys is signed by the user's own key (GnuPG's\n"
           "         default key, else the first secret key that can sign), whose phrase is read\n"
           "         from the passphrase file or asked on the terminal.\n"
           "decrypt  writes the text carried by the first armoured block in INPUT; with --utf8,\n"
           "         a Windows-1252 text is written as UTF-8 (a valid UTF-8 text as it is).\n"
           "         Where INPUT holds no such block, its OpenPGP message is decrypted with the\n"
           "         GnuPG keyring (GNUPGHOME is honoured); a signature is reported on standard "
           "error.\n"
           "detect   exits with 0 when INPUT holds an armoured block, 1 when it does not, 2 on an\n"
           "         error.\n"
           "sign     writes INPUT clear-signed by the user's own key: the text readable (UTF-8,\n"
           "         read as encrypt reads it), its OpenPGP signature below it.\n"
           "verify   checks the signatures of INPUT's clear-signed text or signed OpenPGP "
           "message,\n"
           "         reports them on standard error and writes the signed text; exits with 0 when\n"
           "         they are good, 3 when one is bad (nothing is written), from a revoked key or\n"
           "         expired, 2 when INPUT holds nothing signed.\n"
           "\n"
           "Methods, and the phrases each takes:\n" +
           methodList() +
           "\n"
           "INPUT is standard input when left out or \"-\", at most 16 MiB. The first line of the\n"
           "passphrase file is the phrase, within the method's limits above: for a phrase of\n"
           "Windows-1252 it is read as UTF-8, or Windows-1252 when it is not valid UTF-8; any\n"
           "other phrase must be UTF-8 and is taken as it is. Without the file, encrypt uses no\n"
           "phrase where the method's phrase is not required and else asks twice on the\n"
           "terminal, and decrypt asks on the terminal when the block is protected.\n"
           "\n"
           "qvl writes its messages in English whatever the desktop's language (LANGUAGE,\n"
           "LC_MESSAGES), so that scripts can read them; the editor's window speaks the user's.\n"
           "\n"
           "Exit status: 0 done; 1 usage or file error, or a recipient that is unknown, unusable "
           "or\n"
           "names more than one key; 2 not encrypted or decrypted (a zero byte in the text, a "
           "wrong\n"
           "phrase, a damaged Method 02 block, no secret key, a damaged OpenPGP message);\n"
           "3 decrypted with a warning (a bad OpenPGP signature, checksum absent or different, "
           "block ended early, text cut\n"
           "at a zero byte).\n";
}

Options parseOptions(const std::vector<std::string> &arguments) {
    // Help and version win over anything else before "--"; after it every argument is a name.
    const auto optionsEnd = std::find(arguments.begin(), arguments.end(), "--");
    for (auto at = arguments.begin(); at != optionsEnd; ++at) {
        const std::string &argument = *at;
        if (argument == "--help" || argument == "-h")
            return Options{};
        if (argument == "--version") {
            Options version;
            version.command = Command::Version;
            return version;
        }
    }
    Options options;
    ArgumentReader reader(arguments);
    options.command = commandNamed(reader.next());
    bool optionsEnded = false;
    MethodOptions chosen;
    while (!reader.atEnd()) {
        const std::string &argument = reader.next();
        if (!optionsEnded && argument == "--")
            optionsEnded = true;
        else if (!optionsEnded && argument.starts_with("-") && argument != "-")
            readOption(options, argument, reader, chosen);
        else
            readInputName(options, argument);
    }
    if (options.sign && options.recipients.empty() && !options.toOwnKey)
        usageError("--sign signs a message to keys: give --to or --to-own-key");
    return options;
}

} // namespace qvl
