// Finding the user's own key: GnuPG's default key as gpg.conf names it, read through gpgconf,
// else the first secret key that can encrypt.
#include "openpgp/OwnKey.h"

#include "openpgp/GpgContext.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <string_view>

namespace openpgp {

namespace {

// A value of gpgconf's colon listing: a string value starts with a quote mark, and a colon,
// comma or percent sign in it stands as %XX.
std::string unescaped(std::string_view value) {
    if (value.starts_with('"'))
        value.remove_prefix(1);
    std::string plain;
    for (std::size_t at = 0; at < value.size(); ++at) {
        const bool escaped = value[at] == '%' && at + 2 < value.size() &&
                             std::isxdigit(static_cast<unsigned char>(value[at + 1])) &&
                             std::isxdigit(static_cast<unsigned char>(value[at + 2]));
        if (escaped) {
            plain +=
                static_cast<char>(std::stoi(std::string(value.substr(at + 1, 2)), nullptr, 16));
            at += 2;
        } else {
            plain += value[at];
        }
    }
    return plain;
}

// The value of the option line "default-key:flags:level:description:type:alt-type:argname:
// default:argdef:value" of gpgconf's listing; empty for any other line.
std::string defaultKeyOf(std::string_view line) {
    constexpr int valueField = 9;
    if (!line.starts_with("default-key:"))
        return {};
    for (int field = 0; field < valueField; ++field) {
        const auto colon = line.find(':');
        if (colon == std::string_view::npos)
            return {};
        line.remove_prefix(colon + 1);
    }
    return unescaped(line.substr(0, line.find(':')));
}

// GnuPG's own reading of its settings: GPGME's view of them is switched off to spare every
// operation the programs it runs to learn them.
std::string defaultKeyName() {
    FILE *listing = ::popen("gpgconf --list-options gpg 2>/dev/null", "r");
    if (listing == nullptr)
        return {};
    std::string named;
    std::array<char, 4096> line{};
    while (std::fgets(line.data(), int(line.size()), listing) != nullptr)
        if (named.empty())
            named = defaultKeyOf(std::string_view(line.data(), std::strcspn(line.data(), "\r\n")));
    ::pclose(listing);
    return named;
}

} // namespace

std::string defaultKeyAmong(const std::vector<std::string> &fingerprints) {
    if (fingerprints.size() < 2)
        return {};
    const std::string name = defaultKeyName();
    auto context = name.empty() ? nullptr : makeContext();
    if (!context)
        return {};
    for (const GpgME::Key &key : listedKeys(*context, name.c_str(), true)) {
        const char *print = key.primaryFingerprint();
        if (print != nullptr &&
            std::find(fingerprints.begin(), fingerprints.end(), print) != fingerprints.end())
            return print;
    }
    return {};
}

std::string ownKeyFingerprint(const std::vector<GpgME::Key> &encryptionKeys) {
    std::vector<std::string> withSecret;
    for (const GpgME::Key &key : encryptionKeys)
        if (key.hasSecret() && key.primaryFingerprint() != nullptr)
            withSecret.emplace_back(key.primaryFingerprint());
    const std::string named = defaultKeyAmong(withSecret);
    if (!named.empty())
        return named;
    return withSecret.empty() ? std::string() : withSecret.front();
}

} // namespace openpgp
