// Changes to the shared GnuPG home that last as long as one test: a gpg.conf setting, and a key
// of the test's own. Each puts the home back as it found it.
#pragma once

#include "GnuPgHome.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace testing_openpgp {

// gpg.conf holds the given lines beside what it held before.
class GpgConfLines {
public:
    explicit GpgConfLines(const std::string &lines) {
        std::ifstream in(path());
        std::ostringstream held;
        held << in.rdbuf();
        m_before = held.str();
        std::ofstream(path(), std::ios::trunc) << m_before << lines;
    }
    ~GpgConfLines() { std::ofstream(path(), std::ios::trunc) << m_before; }
    GpgConfLines(const GpgConfLines &) = delete;
    GpgConfLines &operator=(const GpgConfLines &) = delete;

private:
    static std::filesystem::path path() {
        return std::filesystem::path(std::getenv("GNUPGHOME")) / "gpg.conf";
    }
    std::string m_before;
};

// A key pair generated for the test, with its passphrase, and deleted after it.
class TemporaryKey {
public:
    TemporaryKey(std::string userId, std::string_view phrase)
        : m_userId(std::move(userId)) {
        GnuPgHome::instance().generate(m_userId, phrase);
    }
    ~TemporaryKey() {
        const GnuPgHome &home = GnuPgHome::instance();
        home.gpgStatus("--delete-secret-and-public-key " + home.fingerprintOf(m_userId));
    }
    TemporaryKey(const TemporaryKey &) = delete;
    TemporaryKey &operator=(const TemporaryKey &) = delete;

private:
    std::string m_userId;
};

} // namespace testing_openpgp
