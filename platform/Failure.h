// The failure that abandons a command, and the guard that shows it in the application-level
// error box and lets the program go on.
#pragma once

#include <QString>
#include <functional>
#include <stdexcept>

namespace platform {

// A failure carrying the system's own message ("Cannot open file %s", "Stream write error",
// "Unable to write to QVL.INI", ...), without the full stop the error box adds.
class Failure : public std::runtime_error {
public:
    explicit Failure(const QString &message);
    QString message() const;
};

inline constexpr const char *applicationTitle = "Shroud-a-Pad";

// Caption "Shroud-a-Pad", stop icon, OK, the message followed by a full stop.
void showApplicationErrorBox(const QString &message);
// The same words on standard error, for when nobody is there to answer a box.
void writeToStandardError(const QString &message);

using FailureReport = void (*)(const QString &message);

// Runs a handler; any failure (a Failure or any std::exception) it raises is reported, by
// default in the application-level error box, and the handler is abandoned.
void runGuarded(const std::function<void()> &handler,
                FailureReport report = showApplicationErrorBox);

// Wraps a member handler so that a connection runs it under runGuarded.
template <class Object, class Handler> auto guarded(Object *object, Handler handler) {
    return [object, handler] { runGuarded([&] { (object->*handler)(); }); };
}

} // namespace platform
