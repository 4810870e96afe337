// Whether a running process keeps its memory to itself: not dumpable (the kernel then gives
// its /proc files to root, whoever runs it) and no core size. Run as root, the process under
// test is started as another user, so that root's ownership shows the flag and not the user.
#pragma once

#include <chrono>
#include <filesystem>
#include <fstream>
#include <grp.h>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <thread>
#include <unistd.h>

namespace private_memory {

// The unprivileged user a root test runs the process as.
inline constexpr uid_t otherUser = 65534;
inline constexpr gid_t otherGroup = 65534;

// A copy of a program in a folder of its own that any user may enter, so that the other user
// can run it wherever the build lies; removed with the object.
class ReachableCopy {
public:
    explicit ReachableCopy(const std::string &program) {
        char folder[] = "/tmp/reachableXXXXXX";
        m_folder = ::mkdtemp(folder);
        std::filesystem::permissions(m_folder, std::filesystem::perms(0755));
        m_program = m_folder / std::filesystem::path(program).filename();
        std::filesystem::copy_file(program, m_program);
        std::filesystem::permissions(m_program, std::filesystem::perms(0755));
    }
    ~ReachableCopy() { std::filesystem::remove_all(m_folder); }
    ReachableCopy(const ReachableCopy &) = delete;
    ReachableCopy &operator=(const ReachableCopy &) = delete;

    std::string program() const { return m_program.string(); }

private:
    std::filesystem::path m_folder;
    std::filesystem::path m_program;
};

// The user the process under test runs as.
inline uid_t userUnderTest() {
    return ::geteuid() == 0 ? otherUser : ::geteuid();
}

// In a child before exec: a core size as large as allowed, so that only the program itself
// can have set it to zero; as root, become the other user.
inline void prepareChild() {
    rlimit core{};
    ::getrlimit(RLIMIT_CORE, &core);
    core.rlim_cur = core.rlim_max = ::geteuid() == 0 ? RLIM_INFINITY : core.rlim_max;
    ::setrlimit(RLIMIT_CORE, &core);
    if (::geteuid() != 0)
        return;
    if (::setgroups(0, nullptr) != 0 || ::setresgid(otherGroup, otherGroup, otherGroup) != 0 ||
        ::setresuid(otherUser, otherUser, otherUser) != 0)
        ::_exit(127);
}

// Whether the process runs the program as the user under test (and is past its exec).
inline bool runsAsUserUnderTest(pid_t pid, const std::string &program) {
    const std::string proc = "/proc/" + std::to_string(pid);
    std::error_code error;
    if (std::filesystem::read_symlink(proc + "/exe", error) != program)
        return false;
    std::ifstream status(proc + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.starts_with("Uid:"))
            return std::stoul(line.substr(4)) == userUnderTest();
    return false;
}

// The line of /proc/PID/limits that states the core size limit, blanks squeezed.
inline std::string coreLimitLine(pid_t pid) {
    std::ifstream limits("/proc/" + std::to_string(pid) + "/limits");
    for (std::string line; std::getline(limits, line);) {
        if (line.starts_with("Max core file size")) {
            std::string squeezed;
            for (const char c : line)
                if (c != ' ' || (!squeezed.empty() && squeezed.back() != ' '))
                    squeezed += c;
            return squeezed;
        }
    }
    return {};
}

// True once the process runs the program, is not dumpable and has no core size, within five
// seconds (the program makes itself so as its main begins).
inline bool keepsMemoryPrivate(pid_t pid, const std::string &program) {
    const std::string status = "/proc/" + std::to_string(pid) + "/status";
    for (int tries = 0; tries < 500; ++tries) {
        struct stat owner {};
        if (runsAsUserUnderTest(pid, program) && ::stat(status.c_str(), &owner) == 0 &&
            owner.st_uid == 0 && coreLimitLine(pid).starts_with("Max core file size 0 0 "))
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

} // namespace private_memory
