// The system beep, and the record of every beep's kind for tests.
#include "platform/Beep.h"

#include <QApplication>

namespace platform {

namespace {
std::vector<BeepKind> &beepLog() {
    static std::vector<BeepKind> log;
    return log;
}
} // namespace

void messageBeep(BeepKind kind) {
    beepLog().push_back(kind);
    QApplication::beep();
}

const std::vector<BeepKind> &recordedBeeps() {
    return beepLog();
}

void clearRecordedBeeps() {
    beepLog().clear();
}

} // namespace platform
