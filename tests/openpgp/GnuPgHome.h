// A temporary GnuPG home shared by one test executable: keys generated once ("Nopass" without a
// passphrase, "Locked" with one), the real gpg run on it, its agent stopped at the end. The
// gtest executables make it in a test environment, Qt tests in initTestCase.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace testing_openpgp {

inline constexpr std::string_view nopassUser = "Nopass <nopass@example.org>";
inline constexpr std::string_view lockedUser = "Locked <locked@example.org>";
inline constexpr std::string_view lockedPhrase = "Open Sesame 42";

// The shared home, empty until create(). create() makes the folder, sets GNUPGHOME to it and
// generates the keys (throws when gpg cannot); destroy() stops GnuPG's agent and removes it.
class GnuPgHome {
public:
    static GnuPgHome &instance();
    void create();
    void destroy();

    // Runs "gpg --batch arguments" on the home with `input` as the file it reads; answers what
    // it wrote to --output, empty when it failed.
    std::string gpg(const std::string &arguments, std::string_view input = {}) const;
    // Runs gpg and answers its exit status only.
    int gpgStatus(const std::string &arguments) const;
    // The fingerprint of the key with the user ID.
    std::string fingerprintOf(std::string_view userId) const;
    // gpg's status lines when it decrypts or checks the text.
    std::string statusLinesOf(std::string_view text) const;
    // An armoured message signed by Nopass, not encrypted; with `alter`, its text's first
    // letter "n" is changed to "m" after signing, so that the signature is bad.
    std::string signedOnly(std::string_view text, bool alter) const;
    // Binary OpenPGP packets in a PGP MESSAGE armour.
    std::string armoured(std::string_view packets) const;
    // Generates a key pair with an optional phrase.
    void generate(std::string_view userId, std::string_view phrase) const;

    // A message made by Stranger (signed or encrypted), whose keys are gone from the keyring.
    std::string strangerSigned;   // to Nopass, signed by Stranger
    std::string toStranger;       // encrypted to Stranger only
    std::string hiddenToStranger; // encrypted to Stranger only, who is not named in it

private:
    std::filesystem::path m_home;
};

} // namespace testing_openpgp
