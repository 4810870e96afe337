// Runs the built qvl tool in a temporary folder, with no terminal, and collects its exit
// status and both outputs.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace testing_qvl {

struct QvlResult {
    int status = -1;
    std::string out;
    std::string err;
};

class QvlSandbox {
public:
    QvlSandbox();
    ~QvlSandbox();
    QvlSandbox(const QvlSandbox &) = delete;
    QvlSandbox &operator=(const QvlSandbox &) = delete;

    const std::filesystem::path &folder() const { return m_folder; }

    // Writes a file into the folder; answers its name, for the command line.
    std::string write(const std::string &name, std::string_view bytes) const;

    // Runs "qvl arguments" in the folder with the given standard input, in a session of its
    // own, so it never finds a terminal to prompt on. Standard output goes to `output` (a name
    // in the folder, or a device such as /dev/full), and is read back from there.
    QvlResult run(const std::string &arguments, std::string_view input = {},
                  const std::string &output = "stdout.bin") const;

private:
    std::filesystem::path m_folder;
};

} // namespace testing_qvl
