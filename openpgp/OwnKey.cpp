// Finding the user's own key: GnuPG's default key as gpg.conf names it, read through GpgME's
// view of GnuPG's settings, else the first secret key that can encrypt.
#include "openpgp/OwnKey.h"

#include "openpgp/GpgContext.h"

#include <gpgme++/configuration.h>
#include <gpgme++/keylistresult.h>

#include <algorithm>
#include <string_view>

namespace openpgp {

namespace {

// What gpg.conf's default-key says, as gpgconf reads it for the gpg component; empty when it
// is not set or the settings cannot be read.
std::string defaultKeyName() {
    GpgME::Error error;
    const std::vector<GpgME::Configuration::Component> components =
        GpgME::Configuration::Component::load(error);
    if (error)
        return {};
    for (const GpgME::Configuration::Component &component : components) {
        if (component.name() == nullptr || std::string_view(component.name()) != "gpg")
            continue;
        const GpgME::Configuration::Option option = component.option("default-key");
        if (option.isNull() || !option.set())
            return {};
        // The value lives only as long as the argument that holds it.
        const GpgME::Configuration::Argument value = option.currentValue();
        return value.stringValue() != nullptr ? value.stringValue() : "";
    }
    return {};
}

// The first of the fingerprints whose secret key GnuPG finds for the name, as it finds the
// default key; empty when there is none.
std::string firstNamed(const std::string &name, const std::vector<std::string> &fingerprints) {
    auto context = makeContext();
    if (!context || context->startKeyListing(name.c_str(), true))
        return {};
    std::string named;
    GpgME::Error error;
    for (GpgME::Key key = context->nextKey(error); !error; key = context->nextKey(error)) {
        const char *print = key.primaryFingerprint();
        if (named.empty() && print != nullptr &&
            std::find(fingerprints.begin(), fingerprints.end(), print) != fingerprints.end())
            named = print;
    }
    context->endKeyListing();
    return named;
}

} // namespace

std::string ownKeyFingerprint(const std::vector<GpgME::Key> &encryptionKeys) {
    std::vector<std::string> withSecret;
    for (const GpgME::Key &key : encryptionKeys)
        if (key.hasSecret() && key.primaryFingerprint() != nullptr)
            withSecret.emplace_back(key.primaryFingerprint());
    if (withSecret.size() > 1) {
        const std::string name = defaultKeyName();
        const std::string named = name.empty() ? std::string() : firstNamed(name, withSecret);
        if (!named.empty())
            return named;
    }
    return withSecret.empty() ? std::string() : withSecret.front();
}

} // namespace openpgp
