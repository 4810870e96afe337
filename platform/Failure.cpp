// Failures that abandon a handler, and the application-level error box that shows them.
#include "platform/Failure.h"

#include "platform/MessageBoxDialog.h"

#include <QApplication>

namespace platform {

Failure::Failure(const QString &message)
    : std::runtime_error(message.toStdString()) {}

QString Failure::message() const {
    return QString::fromStdString(what());
}

void showApplicationErrorBox(const QString &message) {
    MessageBoxDialog box(QApplication::activeWindow(), QString::fromLatin1(applicationTitle),
                         message + QLatin1Char('.'), QStyle::SP_MessageBoxCritical, Ok);
    box.ask();
}

void runGuarded(const std::function<void()> &handler) {
    try {
        handler();
    } catch (const std::bad_alloc &) {
        showApplicationErrorBox(QStringLiteral("Out of memory"));
    } catch (const std::exception &failure) {
        showApplicationErrorBox(QString::fromStdString(failure.what()));
    }
}

} // namespace platform
