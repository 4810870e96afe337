// The message boxes of the program: kind to title, icon and the beep sounded before the box.
#include "platform/MessageBox.h"

#include "platform/Beep.h"
#include "platform/MessageBoxDialog.h"

#include <QCoreApplication>

#include <optional>

namespace platform {

namespace {

struct KindLook {
    const char *title;
    QStyle::StandardPixmap icon;
    // The program names no beep for a note, so none sounds before one.
    std::optional<BeepKind> beep;
};

const KindLook &lookOf(MessageKind kind) {
    static const KindLook looks[] = {
        {QT_TRANSLATE_NOOP("MessageBox", "Warning"), QStyle::SP_MessageBoxWarning,
         BeepKind::Exclamation},
        {QT_TRANSLATE_NOOP("MessageBox", "Error"), QStyle::SP_MessageBoxCritical, BeepKind::Hand},
        {QT_TRANSLATE_NOOP("MessageBox", "Information"), QStyle::SP_MessageBoxInformation,
         std::nullopt},
        {QT_TRANSLATE_NOOP("MessageBox", "Confirm"), QStyle::SP_MessageBoxQuestion,
         BeepKind::Question},
    };
    return looks[int(kind)];
}

} // namespace

MessageButton showMessageBox(QWidget *parent, const QString &text, MessageKind kind,
                             MessageButtons buttons) {
    const KindLook &look = lookOf(kind);
    MessageBoxDialog box(parent, QCoreApplication::translate("MessageBox", look.title), text,
                         look.icon, buttons);
    return box.ask();
}

MessageButton beepAndShowMessageBox(QWidget *parent, const QString &text, MessageKind kind,
                                    MessageButtons buttons) {
    if (const std::optional<BeepKind> beep = lookOf(kind).beep)
        messageBeep(*beep);
    return showMessageBox(parent, text, kind, buttons);
}

} // namespace platform
