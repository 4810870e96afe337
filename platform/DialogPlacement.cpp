// The common dialogs' placement on the screen, applied when a dialog is shown; centring; the
// place beside an owner.
#include "platform/DialogPlacement.h"

#include <QEvent>
#include <QRect>
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

QRect besideOwner(const QRect &owner, const QSize &wanted, int narrowest, const QRect &screen) {
    const int roomRight = screen.right() - owner.right();
    const int roomLeft = owner.left() - screen.left();
    const int room = qMax(roomRight, roomLeft);
    const bool rightFits = wanted.width() <= roomRight;
    const bool leftFits = !rightFits && wanted.width() <= roomLeft;
    int width = rightFits || leftFits ? wanted.width() : qMax(room, narrowest);
    width = qMin(width, screen.width());
    const int height = qMin(wanted.height(), screen.height());

    const bool atRight = rightFits || (!leftFits && roomRight >= roomLeft);
    const int x = atRight ? owner.right() + 1 : owner.left() - width;
    const QRect place(x, owner.top(), width, height);
    // Pushed back inside the screen where it would run off it.
    return place.translated(
        qMax(screen.left() - place.left(), qMin(0, screen.right() - place.right())),
        qMax(screen.top() - place.top(), qMin(0, screen.bottom() - place.bottom())));
}

} // namespace platform
