// Requests from outside to end the program: SIGTERM (a desktop logout, `kill`), SIGINT
// (Ctrl+C in its terminal) and SIGHUP (its terminal closed). Each ends the event loop as Exit
// does, so that the main window is destroyed and the settings are stored as on any exit.
#pragma once

#include <QObject>

class QSocketNotifier;

namespace platform {

class TerminationRequests : public QObject {
public:
    // Catches the requests from now on, before the application exists; one that arrives
    // before the event loop runs is kept until it does.
    TerminationRequests();
    // The requests end the process again, as they do by default.
    ~TerminationRequests() override;
    TerminationRequests(const TerminationRequests &) = delete;
    TerminationRequests &operator=(const TerminationRequests &) = delete;

    // From here on, a request (kept or new) asks the application to quit, as Exit does. Called
    // just before the event loop starts: a request that came while the main window was being
    // built (while the box of a missing command-line file waited, say) then takes effect once
    // the loop runs, and is not lost in the box's own loop.
    void quitApplicationOnRequest();
    // From here on a request ends the process at once, as by default: called when the event
    // loop has ended, so that no box shown afterwards can keep a program that was asked to end.
    void endProcessOnRequest();
    // True when the program is ending because it was asked to from outside: nobody may be
    // there to answer a box.
    bool wasRequested() const { return m_requested; }

private:
    void takeRequests();
    // Empties the pipe; true when it held a request.
    bool readRequests();

    QSocketNotifier *m_notifier = nullptr;
    bool m_requested = false;
};

} // namespace platform
