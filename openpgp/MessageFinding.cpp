// Finding an armoured OpenPGP message in a text, with mail's changes undone: a quote prefix
// (">" or "|", indented), spaces and tabs at line ends, blank lines inside, body lines broken at
// another width, and lines re-flowed to a width (the end line joined onto the last body or
// checksum line, the armour headers onto the begin line, either line broken between its words).
// GnuPG then proves the result by the armour checksum and the integrity check.
#include "openpgp/MessageFinding.h"

#include "openpgp/ArmourWords.h"

#include <vector>

namespace openpgp {

namespace {

// The base64 letters, and those of an armour header's key (letters, digits and '-').
constexpr std::string_view base64Letters =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
constexpr std::string_view keyLetters =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-";
constexpr std::size_t bodyWidth = 64;

// An armour header's key, such as "Version:" or "Comment:".
bool isHeaderKey(std::string_view word) {
    return word.size() > 1 && word.back() == ':' &&
           word.find_first_not_of(keyLetters) == word.size() - 1;
}

// Splits the joined body into the data and its checksum "=XXXX", when it ends in one.
std::pair<std::string, std::string> splitChecksum(const std::string &joined) {
    const auto at = joined.rfind('=');
    const bool checksum = at != std::string::npos && joined.size() - at == 5 && at % 4 == 0 &&
                          joined.find_first_not_of(base64Letters, at + 1) == std::string::npos;
    if (!checksum)
        return {joined, {}};
    return {joined.substr(0, at), joined.substr(at)};
}

// What stands between a message's begin and end lines.
struct Inside {
    std::vector<std::string_view> headerLines; // the armour headers, as they stand
    bool headersMoved = false; // mail moved the headers' line breaks: they are left out
    std::string body;          // the body's words joined, its checksum included
};

// Whether a blank line comes before the armour's next line of its own (or the text's end).
bool blankLineFollows(ArmourWords words) {
    while (const std::optional<ArmourWord> word = words.next()) {
        if (word->afterBlankLine)
            return true;
        if (word->text.starts_with("-----"))
            return false;
    }
    return false;
}

// Reads a run of armour headers from `word`, its first key, on. They run to the blank line that
// ends them; without one, each is a line that begins with its key. Answers the word after them.
std::optional<ArmourWord> readHeaders(ArmourWord word, ArmourWords &words, Inside &inside) {
    const bool toBlankLine = blankLineFollows(words);
    bool asWritten = word.startsLine;
    std::vector<std::string_view> lines;
    std::optional<ArmourWord> next = word;
    do {
        if (next->startsLine) {
            if (!toBlankLine && !isHeaderKey(next->text))
                break;
            asWritten = asWritten && isHeaderKey(next->text);
            lines.push_back(next->restOfLine);
        }
        next = words.next();
    } while (next && !next->afterBlankLine);
    inside.headersMoved = inside.headersMoved || !asWritten;
    inside.headerLines.insert(inside.headerLines.end(), lines.begin(), lines.end());
    return next;
}

// The message's lines as GnuPG writes them.
std::vector<std::string> rebuilt(const Inside &inside) {
    std::vector<std::string> lines{std::string(messageBeginLine)};
    if (!inside.headersMoved)
        lines.insert(lines.end(), inside.headerLines.begin(), inside.headerLines.end());
    lines.emplace_back();
    const std::vector<std::string> body = armourBodyLines(inside.body);
    lines.insert(lines.end(), body.begin(), body.end());
    lines.emplace_back(messageEndLine);
    return lines;
}

// Whether the text's lines from `start` on are the armour's lines, one for one.
bool standsAsWritten(std::string_view text, std::size_t start,
                     const std::vector<std::string> &lines) {
    plaintext::LineScanner scanner(text, plaintext::LineBreaks::Lf);
    for (const std::string &line : lines) {
        const plaintext::LineEnd end = scanner.lineEnd(start);
        if (text.substr(start, end.textEnd - start) != line)
            return false;
        start = end.next;
    }
    return true;
}

FoundMessage found(std::string_view text, std::size_t beginLineStart, const Inside &inside) {
    const std::vector<std::string> lines = rebuilt(inside);
    FoundMessage message;
    message.repaired = !standsAsWritten(text, beginLineStart, lines);
    for (const std::string &line : lines)
        message.armour += line + "\r\n";
    return message;
}

// The first word of the next begin line from `words` on; `words` then stands after that line.
std::optional<ArmourWord> nextBeginLine(ArmourWords &words) {
    std::optional<ArmourWord> word = words.next();
    while (word && !opensArmour(messageBeginLine, *word, words))
        word = words.next();
    return word;
}

} // namespace

std::vector<std::string> armourBodyLines(const std::string &joined) {
    const auto [data, checksum] = splitChecksum(joined);
    std::vector<std::string> lines;
    for (std::size_t cut = 0; cut < data.size(); cut += bodyWidth)
        lines.push_back(data.substr(cut, bodyWidth));
    if (!checksum.empty())
        lines.push_back(checksum);
    return lines;
}

std::optional<FoundMessage> findMessage(std::string_view text) {
    ArmourWords words(text);
    std::optional<ArmourWord> begin = nextBeginLine(words);
    while (begin) {
        Inside inside;
        std::optional<ArmourWord> word = words.next();
        while (word && isHeaderKey(word->text))
            word = readHeaders(*word, words, inside);
        for (; word; word = words.next()) {
            if (spells(messageEndLine, *word, words))
                return found(text, begin->lineStart, inside);
            // A message cut short before another begins: the later one is read.
            if (opensArmour(messageBeginLine, *word, words))
                break;
            inside.body += word->text;
        }
        begin = word;
    }
    return std::nullopt;
}

} // namespace openpgp
