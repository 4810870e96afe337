// The fuzz entry for qvl's command line: the input's parts between zero bytes are the arguments
// after the program's name. Any arguments give options or a usage error, never another failure,
// and the options always name a method.
#include "FuzzRequire.h"

#include "cli/CliError.h"
#include "cli/Options.h"

#include <cstdint>
#include <string_view>

namespace {

using fuzz::require;

std::vector<std::string> argumentsOf(std::string_view input) {
    std::vector<std::string> arguments;
    for (std::size_t at = 0;;) {
        const std::size_t end = std::min(input.find('\0', at), input.size());
        arguments.emplace_back(input.substr(at, end - at));
        if (end == input.size())
            return arguments;
        at = end + 1;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const auto arguments = argumentsOf({reinterpret_cast<const char *>(data), size});
    try {
        const qvl::Options options = qvl::parseOptions(arguments);
        require(options.method != nullptr, "the options name a method");
        require(options.recipients.empty() || options.command == qvl::Command::Encrypt,
                "only encrypt writes to recipients");
    } catch (const qvl::CliError &error) {
        require(error.status() == qvl::UsageOrFileError, "a mistake is a usage error");
    }
    return 0;
}
