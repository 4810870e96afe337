// A request from outside to end the program, as the session sends when it ends.
#pragma once

namespace platform {

// From now on SIGTERM is taken as the program's quit request, so the event loop ends and the
// shutdown runs as after Exit. Call once, with the application's event loop about to run.
void quitOnTerminationRequest();

} // namespace platform
