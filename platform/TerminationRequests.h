// Requests from outside to end the program: SIGTERM (a desktop logout, `kill`), SIGINT
// (Ctrl+C in its terminal) and SIGHUP (its terminal closed). While the event loop runs, each
// ends it as Exit does, so that the main window is destroyed and the settings are stored as on
// any exit. Before the loop (start-up, with its boxes) and after it, a request ends the process
// at once, as by default: nothing the user typed exists yet, or it is already past saving.
#pragma once

#include <QObject>

class QSocketNotifier;

namespace platform {

class TerminationRequests : public QObject {
public:
    // Prepares to catch the requests; until quitApplicationOnRequest they keep their default
    // action, so that no box of the start-up can keep a program that was asked to end.
    TerminationRequests();
    // The requests end the process again, as they do by default.
    ~TerminationRequests() override;
    TerminationRequests(const TerminationRequests &) = delete;
    TerminationRequests &operator=(const TerminationRequests &) = delete;

    // From here on, a request asks the application to quit, as Exit does. Called just before
    // the event loop starts; a request that comes before the loop runs takes effect once it
    // does.
    void quitApplicationOnRequest();
    // From here on a request ends the process at once, as by default: called when the event
    // loop has ended, so that no box shown afterwards can keep a program that was asked to end.
    void endProcessOnRequest();
    // True when the program is ending because it was asked to from outside: nobody may be
    // there to answer a box.
    [[nodiscard]] bool wasRequested() const { return m_requested; }

private:
    void takeRequests();
    // Empties the pipe; true when it held a request.
    [[nodiscard]] bool readRequests();

    QSocketNotifier *m_notifier = nullptr;
    bool m_requested = false;
};

} // namespace platform
