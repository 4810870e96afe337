// Running qvl through the shell with its input and outputs in files of a temporary folder.
#include "QvlRun.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <sys/wait.h>

namespace testing_qvl {
namespace {

// A device (such as /dev/full) reads as nothing: it holds no output to look at.
std::string readFile(const std::filesystem::path &path) {
    if (!std::filesystem::is_regular_file(path))
        return {};
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

} // namespace

QvlSandbox::QvlSandbox() {
    std::string pattern = (std::filesystem::temp_directory_path() / "qvl-test-XXXXXX").string();
    if (!::mkdtemp(pattern.data()))
        throw std::runtime_error("cannot make a temporary folder");
    m_folder = pattern;
}

QvlSandbox::~QvlSandbox() {
    std::error_code ignored;
    std::filesystem::remove_all(m_folder, ignored);
}

std::string QvlSandbox::write(const std::string &name, std::string_view bytes) const {
    std::ofstream(m_folder / name, std::ios::binary)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return name;
}

QvlResult QvlSandbox::run(const std::string &arguments, std::string_view input,
                          const std::string &output) const {
    write("stdin.bin", input);
    const std::string command = "cd '" + m_folder.string() + "' && setsid -w '" QVL_PATH "' " +
                                arguments + " <stdin.bin >'" + output + "' 2>stderr.bin";
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, readFile(m_folder / output),
            readFile(m_folder / "stderr.bin")};
}

} // namespace testing_qvl
