// The signer keys of the OpenPGP tests, made with gpg's own options: a clock set back for the
// expired ones, a revocation imported after signing, the impostor's trust lowered to none.
#include "SignerKeys.h"

#include "GnuPgHome.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace testing_openpgp {

namespace {

const std::string in2020 = "--faked-system-time 20200101T000000 ";

GnuPgHome &home() {
    return GnuPgHome::instance();
}

std::filesystem::path homeFile(const std::string &name) {
    return std::filesystem::path(std::getenv("GNUPGHOME")) / name;
}

std::string readFile(const std::filesystem::path &path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

void run(const std::string &arguments) {
    if (home().gpgStatus(arguments) != 0)
        throw std::runtime_error("gpg failed: " + arguments);
}

// The fingerprint of the key made last with the user ID: the keyring lists it last.
std::string newestFingerprint(std::string_view userId) {
    const auto listing = homeFile("signer-keys.txt");
    const std::string command = "gpg --batch --with-colons --list-keys '" + std::string(userId) +
                                "' > " + listing.string() + " 2>/dev/null";
    if (std::system(command.c_str()) != 0)
        throw std::runtime_error("gpg lists no key for " + std::string(userId));
    std::istringstream lines(readFile(listing));
    std::string fingerprint;
    bool primary = false;
    for (std::string line; std::getline(lines, line);) {
        if (primary && line.starts_with("fpr:"))
            fingerprint = line.substr(12, 40);
        primary = line.starts_with("pub:");
    }
    return fingerprint;
}

// A key that only signs, without a passphrase; `options` may set the clock back.
std::string signingKey(std::string_view userId, const std::string &options,
                       const std::string &expiry) {
    run(options + "--pinentry-mode loopback --passphrase '' --quick-gen-key '" +
        std::string(userId) + "' ed25519 sign " + expiry);
    return newestFingerprint(userId);
}

std::string signedBy(const std::string &fingerprint, const std::string &options = {}) {
    return home().gpg(options + "--armor --compress-algo none -u " + fingerprint + "! --sign",
                      signedText);
}

void runOnFile(const std::string &option, const std::string &contents) {
    const auto file = homeFile("signer-keys.txt");
    std::ofstream(file) << contents;
    run(option + " " + file.string());
}

// The revocation GnuPG stored when it made the key, imported now. GnuPG keeps it disarmed by a
// colon before the armour's first line.
void revoke(const std::string &fingerprint) {
    std::string certificate = readFile(homeFile("openpgp-revocs.d/" + fingerprint + ".rev"));
    certificate.erase(certificate.find(":-----BEGIN"), 1);
    runOnFile("--import", certificate);
}

// A key made in the home is trusted ultimately; the impostor's owner trust becomes "undefined",
// so that, certified by no one, its validity is unknown, as an imported stranger's would be.
std::string impostor() {
    const std::string fingerprint = signingKey(friendUser, {}, "never");
    setOwnerTrust(fingerprint, OwnerTrust::Undefined);
    return fingerprint;
}

// Signed by Friend and Nopass, the last byte of Nopass's signature (the last packet) changed.
std::string secondSignatureBad(const std::string &friendFingerprint) {
    std::string packets = home().gpg("--compress-algo none -u " + friendFingerprint + "! -u " +
                                         home().fingerprintOf(nopassUser) + "! --sign",
                                     signedText);
    packets.back() = static_cast<char>(packets.back() ^ 1);
    return home().armoured(packets);
}

SignerMessages make() {
    SignerMessages made;
    made.friendFingerprint = signingKey(friendUser, in2020, "never");
    made.byFriend = signedBy(made.friendFingerprint);
    made.expired = signedBy(made.friendFingerprint,
                            "--faked-system-time 20200101T020000 --default-sig-expire 1d ");
    made.secondBad = secondSignatureBad(made.friendFingerprint);
    made.impostorFingerprint = impostor();
    made.byImpostor =
        signedBy(made.impostorFingerprint, "--trust-model always --encrypt -r nopass@example.org ");
    made.expiredFingerprint = signingKey("Expired <expired@example.org>", in2020, "1d");
    made.byExpiredKey = signedBy(made.expiredFingerprint, "--faked-system-time 20200101T010000 ");
    made.revokedFingerprint = signingKey("Revoked <revoked@example.org>", {}, "never");
    made.byRevoked = signedBy(made.revokedFingerprint);
    made.clearByRevoked = home().gpg("-u " + made.revokedFingerprint + "! --clearsign", signedText);
    revoke(made.revokedFingerprint);
    made.unprotectedToKey = home().gpg(
        "--armor --rfc2440 --trust-model always --encrypt -r nopass@example.org", signedText);
    made.unprotectedToPhrase =
        home().gpg("--armor --rfc2440 --pinentry-mode loopback --passphrase '" +
                       std::string(unprotectedPhrase) + "' --symmetric",
                   signedText);
    return made;
}

} // namespace

void setOwnerTrust(const std::string &fingerprint, OwnerTrust trust) {
    runOnFile("--import-ownertrust", fingerprint + ":" + std::to_string(int(trust)) + ":\n");
    run("--check-trustdb");
}

const SignerMessages &signerMessages() {
    static const SignerMessages made = make();
    return made;
}

IgnoringMdcErrors::IgnoringMdcErrors()
    : m_before(readFile(homeFile("gpg.conf"))) {
    std::ofstream(homeFile("gpg.conf")) << m_before << "ignore-mdc-error\n";
}

IgnoringMdcErrors::~IgnoringMdcErrors() {
    std::ofstream(homeFile("gpg.conf")) << m_before;
}

} // namespace testing_openpgp
