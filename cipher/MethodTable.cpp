// The table of methods: the built-in ones in the order the method dialog lists them, then the
// ones a program adds at its start.
#include "cipher/Method.h"

#include "cipher/KeystreamMethods.h"
#include "cipher/Method02.h"

#include <algorithm>

namespace cipher {
namespace {

std::vector<const Method *> &table() {
    static std::vector<const Method *> all{&method00, &method01, &method02::method};
    return all;
}

} // namespace

std::span<const Method *const> methods() {
    return table();
}

const Method &plainEncryptMethod() {
    return method01;
}

const Method *signingMethod() {
    const auto signs = std::find_if(table().begin(), table().end(),
                                    [](const Method *m) { return m->signText != nullptr; });
    return signs != table().end() ? *signs : nullptr;
}

const Method *methodNamed(std::string_view cliName) {
    const auto named = std::find_if(table().begin(), table().end(),
                                    [cliName](const Method *m) { return m->cliName == cliName; });
    return named != table().end() ? *named : nullptr;
}

void addMethod(const Method &method) {
    table().push_back(&method);
}

const Method *methodOfHeader(const Header &header, std::span<const Method *const> known) {
    const auto named = std::find_if(known.begin(), known.end(), [&header](const Method *m) {
        return m->block != nullptr && m->block->namesHeader(header);
    });
    return named != known.end() ? *named : nullptr;
}

} // namespace cipher
