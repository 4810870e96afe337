// Failures that abandon a handler, and the application-level error box that shows them.
#include "platform/Failure.h"

#include "platform/MessageBoxDialog.h"
#include "platform/SystemWords.h"

#include <QApplication>
#include <cstdio>

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

void writeToStandardError(const QString &message) {
    const QByteArray line =
        QStringLiteral("%1: %2.\n").arg(QLatin1String(applicationTitle), message).toLocal8Bit();
    std::fwrite(line.constData(), 1, std::size_t(line.size()), stderr);
    std::fflush(stderr);
}

void runGuarded(const std::function<void()> &handler, FailureReport report) {
    try {
        handler();
    } catch (const Failure &failure) {
        report(failure.message());
    } catch (const std::bad_alloc &) {
        report(QCoreApplication::translate("Failure", "Out of memory"));
    } catch (const std::exception &failure) {
        // Any other failure is a refusal from the cipher's or GnuPG's side, in the system's
        // English words; the program's own failures come in the user's language already.
        report(systemWords(failure.what()));
    }
}

} // namespace platform
