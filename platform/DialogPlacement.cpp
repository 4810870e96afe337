// The common dialogs' placement on the screen, applied when a dialog is shown.
#include "platform/DialogPlacement.h"

#include <QEvent>
#include <QScreen>
#include <QWidget>

namespace platform {

namespace {

class Placement : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        auto *dialog = static_cast<QWidget *>(watched);
        if (event->type() == QEvent::Show && dialog->screen())
            place(dialog);
        return false;
    }

private:
    static void place(QWidget *dialog) {
        const QRect screen = dialog->screen()->availableGeometry();
        const QSize size = dialog->frameGeometry().size();
        const int spare = qMax(0, screen.height() - size.height());
        dialog->move(screen.x() + (screen.width() - size.width()) / 2, screen.y() + spare / 3);
    }
};

} // namespace

void placeLikeCommonDialog(QWidget *dialog) {
    dialog->installEventFilter(new Placement(dialog));
}

void centreOnScreen(QWidget *window) {
    if (const QScreen *screen = window->screen()) {
        QRect frame = window->frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        window->move(frame.topLeft());
    }
}

} // namespace platform
