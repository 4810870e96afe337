// The conversion of a phrase to Windows-1252, under the phrase rule the passphrase dialog
// uses.
#include "PhraseEncoding.h"

#include "CliError.h"

#include "cipher/PhraseCase.h"
#include "cipher/TextEncoding.h"
#include "plaintext/Windows1252.h"

#include <cstdio>

namespace qvl {
namespace {

std::string codePointName(char32_t character) {
    char name[16];
    std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(character));
    return name;
}

} // namespace

// The characters decoded from UTF-8 are a copy of the phrase too: they are held in a string
// that wipes itself.
cipher::SecretString windows1252Phrase(std::string_view raw, const std::string &source) {
    cipher::SecretU32String characters;
    if (!cipher::decodeUtf8(raw, characters))
        return cipher::SecretString(raw);
    cipher::SecretString bytes;
    bytes.reserve(characters.size());
    for (const char32_t character : characters) {
        if (!cipher::phraseCharacterHeld(character))
            throw CliError("qvl: the phrase " + source + " holds " + codePointName(character) +
                               ", a character that Windows-1252 cannot hold",
                           UsageOrFileError);
        bytes += static_cast<char>(plaintext::windows1252::toByte(character));
    }
    return bytes;
}

} // namespace qvl
