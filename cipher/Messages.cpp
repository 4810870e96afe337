// The one message that carries a value: the method refusal with the block's format version.
#include "cipher/Messages.h"

#include <cstdlib>

namespace cipher::messages {
namespace {

// version / 100 with exactly two decimals, computed in whole numbers so nothing rounds.
std::string versionText(std::int32_t version) {
    const std::int64_t magnitude = std::llabs(std::int64_t{version});
    const std::int64_t cents = magnitude % 100;
    std::string text = version < 0 ? "-" : "";
    text += std::to_string(magnitude / 100);
    text += cents < 10 ? ".0" : ".";
    text += std::to_string(cents);
    return text;
}

} // namespace

std::string unknownMethod(std::int32_t version) {
    return words::composed(unknownMethodPattern, {versionText(version)});
}

} // namespace cipher::messages
