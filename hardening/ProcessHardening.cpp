// prctl and setrlimit, the two calls that keep a process's memory out of core dumps and away
// from debuggers.
#include "hardening/ProcessHardening.h"

#include <sys/prctl.h>
#include <sys/resource.h>

namespace hardening {

void keepMemoryPrivate() {
    ::prctl(PR_SET_DUMPABLE, 0, 0, 0, 0);
    const rlimit noCore{0, 0};
    ::setrlimit(RLIMIT_CORE, &noCore);
}

} // namespace hardening
