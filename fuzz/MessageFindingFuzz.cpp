// The fuzz entry for the OpenPGP message finder: any text gives a message, a clear-signed text,
// what else it holds of OpenPGP's, or nothing, in one pass and without a crash. A signed text
// found stands in the text as found, and its repaired reading is shaped as GnuPG writes one. A
// message found is armour as GnuPG writes it (its begin line, CR LF breaks, its end line last); one
// whose inside is all armour characters (no headers; anything else GnuPG refuses anyway) reads back
// exactly as it stands.
#include "FuzzRequire.h"

#include "openpgp/MessageFinding.h"
#include "openpgp/OtherContent.h"
#include "openpgp/SignedTextFinding.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

using fuzz::require;

constexpr std::string_view armourCharacters =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/=\r\n";

void checkArmour(const std::string &armour) {
    const std::string begin = std::string(openpgp::messageBeginLine) + "\r\n";
    const std::string end = std::string(openpgp::messageEndLine) + "\r\n";
    require(armour.starts_with(begin), "a message starts with its begin line");
    require(armour.ends_with(end), "a message ends with its end line and a line break");
    for (std::size_t at = armour.find('\n'); at != std::string::npos;
         at = armour.find('\n', at + 1))
        require(at > 0 && armour[at - 1] == '\r', "every line of a message ends in CR LF");
    const std::string_view inside =
        std::string_view(armour).substr(begin.size(), armour.size() - begin.size() - end.size());
    if (inside.find_first_not_of(armourCharacters) != std::string_view::npos)
        return;
    const auto again = openpgp::findMessage(armour);
    require(again.has_value(), "a message found is found again");
    require(again->armour == armour && !again->repaired, "a message found reads back as it stands");
}

void checkSignedText(std::string_view text, const openpgp::FoundSignedText &found) {
    require(found.asItStands.ends_with('\n'), "a signed text ends with a line break");
    const std::string_view stands(found.asItStands.data(), found.asItStands.size() - 1);
    require(text.find(stands) != std::string_view::npos, "a signed text stands in the text");
    if (found.repaired.empty())
        return;
    const std::string end = std::string(openpgp::signatureEndLine) + "\n";
    require(found.repaired.starts_with(std::string(openpgp::signedBeginLine) + "\n"),
            "a repaired signed text starts with its begin line");
    require(found.repaired.ends_with(end), "a repaired signed text ends with its end line");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    if (const auto found = openpgp::findMessage(text))
        checkArmour(found->armour);
    else if (const auto signedText = openpgp::findSignedText(text))
        checkSignedText(text, *signedText);
    else
        (void)openpgp::findOtherContent(text);
    return 0;
}
