// Reading and resetting the resident-size high-water mark through /proc/self.
#include "PeakMemory.h"

#include <fstream>
#include <string>

namespace {

// A "Name:   123 kB" line of /proc/self/status.
long statusKilobytes(const std::string &name) {
    std::ifstream status("/proc/self/status");
    std::string word;
    while (status >> word) {
        if (word == name) {
            long kilobytes = 0;
            status >> kilobytes;
            return kilobytes;
        }
    }
    return 0;
}

} // namespace

void resetPeakMemory() {
    // Writing 5 sets VmHWM back to VmRSS.
    std::ofstream("/proc/self/clear_refs") << "5";
}

long residentKilobytes() {
    return statusKilobytes("VmRSS:");
}

long peakKilobytes() {
    return statusKilobytes("VmHWM:");
}
