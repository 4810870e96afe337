// Keeps the process's memory, which holds phrases, keys and texts, to the process: no core
// dump is written of it, and no other process of the user may trace it or read its memory.
#pragma once

namespace hardening {

// Marks the process not dumpable (which also refuses ptrace and /proc/PID/mem to other
// processes of the same user) and sets its core size limit to zero. Called first thing in
// main; a failure leaves the process as it was and is not fatal.
void keepMemoryPrivate();

} // namespace hardening
