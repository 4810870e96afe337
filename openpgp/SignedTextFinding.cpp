// Finding a clear-signed text with mail's changes undone: quote marks before every line (those
// of its begin line), blanks at line ends, the signature's begin line joined onto the text's last
// line, and the signature's lines re-flowed or broken at another width. GnuPG then proves the
// result by the signature itself.
#include "openpgp/SignedTextFinding.h"

#include "openpgp/ArmourWords.h"
#include "openpgp/MessageFinding.h"

#include <vector>

namespace openpgp {

namespace {

constexpr std::string_view blanks = " \t\r";
constexpr std::string_view quoteMarks = " \t>|";

std::string_view withoutEndBlanks(std::string_view line) {
    const auto last = line.find_last_not_of(blanks);
    return line.substr(0, last == std::string_view::npos ? 0 : last + 1);
}

// The quote marks and indent before the begin line, when the line is one.
std::optional<std::string_view> beginLinePrefix(std::string_view line) {
    const auto first = line.find_first_not_of(quoteMarks);
    if (first == std::string_view::npos || !line.substr(first).starts_with(signedBeginLine))
        return std::nullopt;
    const std::string_view rest = line.substr(first + signedBeginLine.size());
    if (!rest.empty() && blanks.find(rest.front()) == std::string_view::npos)
        return std::nullopt;
    return line.substr(0, first);
}

// The line without the begin line's quote marks (or those marks without their blanks, as mail
// quotes an empty line) and without blanks at its end.
std::string_view unquoted(std::string_view line, std::string_view prefix) {
    const std::string_view bare = withoutEndBlanks(prefix);
    if (line.starts_with(prefix))
        line.remove_prefix(prefix.size());
    else if (line.starts_with(bare))
        line.remove_prefix(bare.size());
    return withoutEndBlanks(line);
}

// Reads the signature's words from `from` (just after its begin line) to its end line; their
// joined body, and where the end line's line ends; nothing when no end line follows.
struct Signature {
    std::string body;
    std::size_t end = 0;
};

std::optional<Signature> readSignature(std::string_view text, std::size_t from) {
    ArmourWords words(text.substr(from));
    Signature signature;
    for (std::optional<ArmourWord> word = words.next(); word; word = words.next()) {
        if (spells(signatureEndLine, *word, words)) {
            const auto endLine = text.find(signatureEndLine, from);
            const auto lineEnd =
                endLine == std::string_view::npos ? endLine : text.find('\n', endLine);
            signature.end = lineEnd == std::string_view::npos ? text.size() : lineEnd;
            return signature;
        }
        signature.body += word->text;
    }
    return std::nullopt;
}

// The parts of the signed text, as mail's changes are undone.
struct Parts {
    std::vector<std::string_view> headers;
    std::vector<std::string_view> lines;
    std::size_t signatureFrom = 0; // just after the signature's begin line
};

// Where the signature's begin line stands in the unquoted line: at its start, or joined onto
// the text's last line after a blank.
std::optional<std::size_t> signatureBeginIn(std::string_view line) {
    if (line.starts_with(signatureBeginLine))
        return 0;
    const auto joined = line.find(std::string(" ") + std::string(signatureBeginLine));
    return joined == std::string_view::npos ? std::nullopt : std::optional(joined + 1);
}

std::string repairedText(const Parts &parts, const Signature &signature) {
    std::string text = std::string(signedBeginLine) + "\n";
    for (const std::string_view header : parts.headers)
        (text += header) += '\n';
    text += '\n';
    for (const std::string_view line : parts.lines)
        (text += line) += '\n';
    (text += signatureBeginLine) += "\n\n";
    for (const std::string &line : armourBodyLines(signature.body))
        (text += line) += '\n';
    (text += signatureEndLine) += '\n';
    return text;
}

// Reads the headers and the text's lines after the begin line at `start`, up to the signature.
std::optional<Parts> readParts(std::string_view text, std::size_t start, std::string_view prefix) {
    plaintext::LineScanner scanner(text, plaintext::LineBreaks::Lf);
    Parts parts;
    plaintext::LineEnd end = scanner.lineEnd(start);
    const std::string_view beginRest =
        withoutEndBlanks(text.substr(start + prefix.size() + signedBeginLine.size(),
                                     end.textEnd - start - prefix.size() - signedBeginLine.size()));
    // Headers that mail re-flowed onto the begin line.
    if (const auto first = beginRest.find_first_not_of(blanks); first != std::string_view::npos)
        parts.headers.push_back(beginRest.substr(first));
    bool inHeaders = true;
    while (!end.last()) {
        start = end.next;
        end = scanner.lineEnd(start);
        const std::string_view line = unquoted(text.substr(start, end.textEnd - start), prefix);
        if (inHeaders) {
            inHeaders = !line.empty();
            if (inHeaders)
                parts.headers.push_back(line);
            continue;
        }
        if (const std::optional<std::size_t> at = signatureBeginIn(line)) {
            if (*at > 0)
                parts.lines.push_back(line.substr(0, *at - 1));
            parts.signatureFrom =
                std::size_t(line.data() - text.data()) + *at + signatureBeginLine.size();
            return parts;
        }
        parts.lines.push_back(line);
    }
    return std::nullopt;
}

} // namespace

std::optional<FoundSignedText> findSignedText(std::string_view text) {
    plaintext::LineScanner scanner(text, plaintext::LineBreaks::Lf);
    for (std::size_t start = 0;;) {
        const plaintext::LineEnd end = scanner.lineEnd(start);
        const std::optional<std::string_view> prefix =
            beginLinePrefix(text.substr(start, end.textEnd - start));
        if (prefix) {
            const std::optional<Parts> parts = readParts(text, start, *prefix);
            const std::optional<Signature> signature =
                parts ? readSignature(text, parts->signatureFrom) : std::nullopt;
            if (!signature)
                return std::nullopt;
            FoundSignedText found;
            found.asItStands = std::string(text.substr(start, signature->end - start)) + "\n";
            found.repaired = repairedText(*parts, *signature);
            if (found.repaired == found.asItStands)
                found.repaired.clear();
            return found;
        }
        if (end.last())
            return std::nullopt;
        start = end.next;
    }
}

} // namespace openpgp
