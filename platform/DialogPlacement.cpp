// The common dialogs' placement on the screen, applied when a dialog is shown; centring; the
// place beside an owner.
#include "platform/DialogPlacement.h"

#include <QApplication>
#include <QEvent>
#include <QLayout>
#include <QMargins>
#include <QRect>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace platform {

namespace {

QMargins marginsAround(const QWidget *window) {
    const QRect frame = window->frameGeometry();
    const QRect client = window->geometry();
    return {client.left() - frame.left(), client.top() - frame.top(),
            frame.right() - client.right(), frame.bottom() - client.bottom()};
}

// The window's frame where the window manager has drawn one; else its owner's.
QMargins frameMargins(const QWidget *window) {
    const QMargins own = marginsAround(window);
    if (!own.isNull() || window->parentWidget() == nullptr)
        return own;
    return marginsAround(window->parentWidget()->window());
}

// A window that belongs to no other widget stays above the active window, if any; a dialog
// with an owner is already kept above it by the toolkit.
void keepAboveOwner(QWidget *window) {
    QWindow *handle = window->windowHandle();
    if (handle == nullptr || handle->transientParent() != nullptr)
        return;
    const QWidget *owner = window->parentWidget() != nullptr ? window->parentWidget()->window()
                                                             : QApplication::activeWindow();
    if (owner != nullptr && owner != window && owner->windowHandle() != nullptr)
        handle->setTransientParent(owner->windowHandle());
}

// Puts the window's frame at the point, a place of the program's own that the window manager
// keeps. Before the window is framed its frame is not known, and the frame of its owner (drawn
// alike by the same window manager) stands in. The place is given to the window system even
// where the widget already stands there (a dialog centred over a window that is itself centred):
// a window whose place was never set is left to the window manager's own policy, which with
// openbox puts it under the pointer or in the largest free area.
void placeFrameAt(QWidget *window, const QPoint &frameTopLeft) {
    keepAboveOwner(window);
    const QMargins frame = frameMargins(window);
    const QPoint knownOffset = window->geometry().topLeft() - window->pos();
    window->move(frameTopLeft + QPoint(frame.left(), frame.top()) - knownOffset);
    window->setAttribute(Qt::WA_Moved);
    if (QWindow *handle = window->windowHandle())
        handle->setPosition(window->geometry().topLeft());
}

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
        const QSize size = dialog->size().grownBy(frameMargins(dialog));
        const int spare = qMax(0, screen.height() - size.height());
        placeFrameAt(dialog,
                     {screen.x() + (screen.width() - size.width()) / 2, screen.y() + spare / 3});
    }
};

} // namespace

void placeLikeCommonDialog(QWidget *dialog) {
    dialog->installEventFilter(new Placement(dialog));
}

QPoint centredFrameTopLeft(const QSize &client, const QMargins &frame, const QRect &screen) {
    QRect framed(QPoint(), client.grownBy(frame));
    framed.moveCenter(screen.center());
    return framed.topLeft();
}

namespace {

void moveToCentre(QWidget *window) {
    const QScreen *screen = window->screen();
    if (screen == nullptr)
        return;
    if (window->layout() != nullptr)
        window->layout()->activate();
    const QSize client = window->size().isEmpty() ? window->sizeHint() : window->size();
    placeFrameAt(window,
                 centredFrameTopLeft(client, frameMargins(window), screen->availableGeometry()));
}

// Once the window manager has mapped and framed the window (it is active by then), the frame
// is known: a window that the window manager placed by its inside rather than by its frame
// (seen with openbox for a window's first showing) is moved to the centre once more.
class CentreWhenFramed : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::WindowActivate) {
            moveToCentre(static_cast<QWidget *>(watched));
            deleteLater();
        }
        return false;
    }
};

} // namespace

// A window is centred as it is shown, before the window manager has framed it: its frame is
// then not known, so the frame of the window it belongs to (framed alike by the same window
// manager) stands in, and the place is checked again once it is framed. Its size is its
// laid-out size, never the empty size of a window whose layout has not run yet, which would
// put its corner at the screen's centre.
void centreOnScreen(QWidget *window) {
    moveToCentre(window);
    window->installEventFilter(new CentreWhenFramed(window));
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
