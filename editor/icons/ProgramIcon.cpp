// The program's icon: where it comes from, and when the windows get it.
#include "editor/icons/ProgramIcon.h"

#include "editor/icons/DeferredIconEngine.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>

namespace {

// The drawing built into the program, read the first time something asks for a picture of it:
// reading it loads the toolkit's SVG support.
class DrawingIconEngine : public DeferredIconEngine {
public:
    QIconEngine *clone() const override { return new DrawingIconEngine; }

private:
    const QIcon &shown(QIcon::Mode) override {
        if (m_drawing.isNull())
            m_drawing = QIcon(QStringLiteral(":/icons/shroud-a-pad.svg"));
        return m_drawing;
    }

    QIcon m_drawing;
};

// Watches every event until the first window is exposed; the window paints and flushes while
// that event is delivered, and the icon is set when the event loop comes round again.
class IconAfterFirstPaint : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::Expose && watched->isWindowType()) {
            QCoreApplication::instance()->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] {
                QApplication::setWindowIcon(programIcon());
                deleteLater();
            });
        }
        return false;
    }
};

} // namespace

QIcon programIcon() {
    return QIcon::fromTheme(QStringLiteral("shroud-a-pad"), QIcon(new DrawingIconEngine));
}

void showProgramIconAfterFirstPaint() {
    QCoreApplication *application = QCoreApplication::instance();
    application->installEventFilter(new IconAfterFirstPaint(application));
}
