// The message boxes of the program: kind to title and icon.
#include "platform/MessageBox.h"

#include "platform/MessageBoxDialog.h"

#include <utility>

namespace platform {

MessageButton showMessageBox(QWidget *parent, const QString &text, MessageKind kind,
                             MessageButtons buttons) {
    static const std::pair<const char *, QStyle::StandardPixmap> kinds[] = {
        {"Warning", QStyle::SP_MessageBoxWarning},
        {"Error", QStyle::SP_MessageBoxCritical},
        {"Information", QStyle::SP_MessageBoxInformation},
        {"Confirm", QStyle::SP_MessageBoxQuestion},
    };
    const auto &[title, icon] = kinds[int(kind)];
    MessageBoxDialog box(parent, QString::fromLatin1(title), text, icon, buttons);
    return box.ask();
}

} // namespace platform
