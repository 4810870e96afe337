// The temporary GnuPG home of the OpenPGP tests: its keys and the gpg runs on it.
#include "GnuPgHome.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace testing_openpgp {

namespace {

constexpr std::string_view strangerUser = "Stranger <stranger@example.org>";

std::string readFile(const std::filesystem::path &path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void writeFile(const std::filesystem::path &path, std::string_view bytes) {
    std::ofstream(path, std::ios::binary)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string quoted(std::string_view word) {
    return "'" + std::string(word) + "'";
}

} // namespace

GnuPgHome &GnuPgHome::instance() {
    static GnuPgHome home;
    return home;
}

int GnuPgHome::gpgStatus(const std::string &arguments) const {
    const std::string command =
        "gpg --batch --yes --quiet --no-tty " + arguments + " >/dev/null 2>&1";
    return std::system(command.c_str());
}

std::string GnuPgHome::gpg(const std::string &arguments, std::string_view input) const {
    const auto in = m_home / "in.dat";
    const auto out = m_home / "out.dat";
    writeFile(in, input);
    std::filesystem::remove(out);
    if (gpgStatus("--output " + out.string() + " " + arguments + " " + in.string()) != 0)
        return {};
    return readFile(out);
}

void GnuPgHome::generate(std::string_view userId, std::string_view phrase) const {
    const int status =
        gpgStatus("--pinentry-mode loopback --passphrase " + quoted(phrase) + " --quick-gen-key " +
                  quoted(userId) + " future-default default never");
    if (status != 0)
        throw std::runtime_error("gpg could not generate a key");
}

std::string GnuPgHome::statusLinesOf(std::string_view text) const {
    const auto status = m_home / "status.txt";
    std::filesystem::remove(status);
    gpg("--status-file " + status.string() + " --decrypt", text);
    return readFile(status);
}

std::string GnuPgHome::fingerprintOf(std::string_view userId) const {
    const auto listing = m_home / "listing.txt";
    const std::string command = "gpg --batch --with-colons --list-keys " + quoted(userId) + " > " +
                                listing.string() + " 2>/dev/null";
    if (std::system(command.c_str()) != 0)
        return {};
    std::istringstream lines(readFile(listing));
    for (std::string line; std::getline(lines, line);)
        if (line.starts_with("fpr:"))
            return line.substr(12, 40);
    return {};
}

std::string GnuPgHome::signedOnly(std::string_view text, bool alter) const {
    std::string packets = gpg("--compress-algo none -u nopass@example.org --sign", text);
    if (alter)
        packets[packets.find('n', packets.find(text.substr(0, 4)))] = 'm';
    return armoured(packets);
}

std::string GnuPgHome::armoured(std::string_view packets) const {
    std::string armour = gpg("--enarmor", packets);
    armour.replace(armour.find("ARMORED FILE"), 12, "MESSAGE");
    armour.replace(armour.rfind("ARMORED FILE"), 12, "MESSAGE");
    return armour;
}

void GnuPgHome::create() {
    char pattern[] = "/tmp/openpgp-test-XXXXXX";
    if (mkdtemp(pattern) == nullptr)
        throw std::runtime_error("no temporary folder");
    m_home = pattern;
    setenv("GNUPGHOME", pattern, 1);
    writeFile(m_home / "gpg-agent.conf",
              "allow-loopback-pinentry\ndefault-cache-ttl 0\nmax-cache-ttl 0\n");
    generate(nopassUser, "");
    generate(lockedUser, lockedPhrase);
    generate(strangerUser, "");
    const std::string to = " --recipient " + quoted("nopass@example.org");
    strangerSigned =
        gpg("--armor --trust-model always --local-user stranger@example.org --sign --encrypt" + to,
            "Signed by a stranger.\n");
    toStranger = gpg("--armor --trust-model always --encrypt --recipient stranger@example.org",
                     "Not for us.\n");
    hiddenToStranger =
        gpg("--armor --trust-model always --encrypt --hidden-recipient stranger@example.org",
            "Not for us either.\n");
    const std::string stranger = fingerprintOf(strangerUser);
    gpgStatus("--delete-secret-and-public-key " + stranger);
}

void GnuPgHome::destroy() {
    (void)std::system("gpgconf --kill all");
    std::error_code ignored;
    std::filesystem::remove_all(m_home, ignored);
}

} // namespace testing_openpgp
