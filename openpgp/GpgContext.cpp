// Setting up GnuPG contexts and handing phrases to GnuPG.
#include "openpgp/GpgContext.h"
#include "openpgp/Words.h"

#include "cipher/KeyFingerprint.h"
#include "openpgp/Engine.h"

#include <gpgme++/global.h>
#include <gpgme++/key.h>
#include <gpgme++/keylistresult.h>

#include <cstdlib>
#include <cstring>
#include <mutex>
#include <unistd.h>

namespace openpgp {

namespace {

// Whether a folder of PATH (without one, /bin and /usr/bin) holds a program "gpg", searched as
// GPGME searches it.
bool pathHoldsGpg() {
    const char *path = std::getenv("PATH");
    std::string_view folders = path != nullptr ? path : "/bin:/usr/bin";
    for (;;) {
        const auto colon = folders.find(':');
        const std::string folder(folders.substr(0, colon));
        const std::string program = folder.empty() ? "gpg" : folder + "/gpg";
        if (::access(program.c_str(), X_OK) == 0)
            return true;
        if (colon == std::string_view::npos)
            return false;
        folders.remove_prefix(colon + 1);
    }
}

// Before its first operation GPGME learns where GnuPG lies from gpgconf (run twice) and asks
// gpgconf, gpg and gpgsm for their versions: five programs, each about as costly to start as
// the operation's own gpg. Where PATH holds a gpg, GPGME takes that one without asking gpgconf,
// which leaves one of them (gpg --version) once in a process; elsewhere (a gpg installed under
// another name, say) it asks gpgconf as before. Either way gpg finds GNUPGHOME itself.
void initialiseOnce() {
    static std::once_flag once;
    std::call_once(once, [] {
        if (pathHoldsGpg())
            GpgME::setGlobalFlag("disable-gpgconf", "1");
        GpgME::initializeLibrary();
    });
}

// A copy GnuPG's wrapper frees (after wiping it) once written to GnuPG.
char *copyForGnuPg(std::string_view phrase) {
    auto *copy = static_cast<char *>(std::malloc(phrase.size() + 1));
    if (copy != nullptr) {
        std::memcpy(copy, phrase.data(), phrase.size());
        copy[phrase.size()] = '\0';
    }
    return copy;
}

// GnuPG's hint names the subkey that decrypts; the user knows the key by its primary key, as
// the recipients dialog and gpg --fingerprint show it. Empty when the keyring does not say.
std::string primaryFingerprintOf(const std::string &keyId) {
    const auto context = makeContext();
    if (!context)
        return {};
    GpgME::Error error;
    const GpgME::Key key = context->key(keyId.c_str(), error, false);
    if (error || key.isNull() || key.primaryFingerprint() == nullptr)
        return {};
    return key.primaryFingerprint();
}

// The phrase GnuPG asks for, of a key or of a message: an empty one is GnuPG's to refuse.
constinit const cipher::PhraseRule askedPhrase{
    cipher::PhraseRule::Characters::AsTyped, 0, longestPhrase, {}, {}, {}};

// How much of the primary key's fingerprint the prompt shows: its long key ID.
constexpr std::size_t promptGroups = 4;

} // namespace

std::string promptFor(const char *useridHint) {
    const std::string hint = useridHint != nullptr ? useridHint : "";
    const auto space = hint.find(' ');
    if (hint.empty() || space == std::string::npos)
        return TRANSLATABLE("Words", "Enter the phrase of the message.");
    const std::string keyId = hint.substr(0, space);
    const std::string userId = hint.substr(space + 1);
    const std::string primary = primaryFingerprintOf(keyId);
    return cipher::words::composed(
        words::keyPhrasePrompt,
        {userId, cipher::lastFingerprintGroups(primary.empty() ? keyId : primary, promptGroups)});
}

char *PhraseGiver::getPassphrase(const char *useridHint, const char *, bool, bool &canceled) {
    if (++m_asked > 1) {
        m_refusedAgain = true;
        canceled = true;
        return nullptr;
    }
    const std::optional<cipher::SecretString> phrase =
        m_source ? m_source(cipher::PhraseRequest{promptFor(useridHint), askedPhrase, phraseHelp})
                 : std::nullopt;
    if (!phrase) {
        m_cancelled = true;
        canceled = true;
        return nullptr;
    }
    char *copy = copyForGnuPg(*phrase);
    canceled = copy == nullptr;
    return copy;
}

std::unique_ptr<GpgME::Context> makeContext() {
    initialiseOnce();
    if (GpgME::checkEngine(GpgME::OpenPGP))
        return nullptr;
    std::unique_ptr<GpgME::Context> context(GpgME::Context::createForProtocol(GpgME::OpenPGP));
    if (!context)
        return nullptr;
    context->setArmor(true);
    context->setTextMode(false);
    context->setPinentryMode(GpgME::Context::PinentryLoopback);
    // A message's phrase stays out of the agent's cache, which would otherwise let anyone at the
    // same account read the message without it for a while after it was written or read.
    context->setFlag("no-symkey-cache", "1");
    return context;
}

std::vector<GpgME::Key> listedKeys(GpgME::Context &context, const char *pattern, bool secretOnly) {
    std::vector<GpgME::Key> keys;
    if (context.startKeyListing(pattern, secretOnly))
        return keys;
    GpgME::Error error;
    for (GpgME::Key key = context.nextKey(error); !error; key = context.nextKey(error))
        keys.push_back(key);
    context.endKeyListing();
    return keys;
}

} // namespace openpgp
