// The phrase as a file or a terminal gives it (UTF-8, or else Windows-1252 bytes) turned into
// the Windows-1252 bytes that the passphrase dialog yields for the same characters.
#pragma once

#include "cipher/SecretString.h"

#include <string>
#include <string_view>

namespace qvl {

// The phrase in Windows-1252: UTF-8 converted character by character, any other bytes taken
// as they are. A character that Windows-1252 cannot hold throws CliError; `source` says where
// the phrase came from ("in FILE", "typed").
cipher::SecretString windows1252Phrase(std::string_view raw, const std::string &source);

} // namespace qvl
