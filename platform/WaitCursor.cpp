// The busy cursor held for a scope.
#include "platform/WaitCursor.h"

#include <QApplication>

namespace platform {

WaitCursor::WaitCursor() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

WaitCursor::~WaitCursor() {
    release();
}

void WaitCursor::release() {
    if (m_held)
        QApplication::restoreOverrideCursor();
    m_held = false;
}

void WaitCursor::hold() {
    if (!m_held)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    m_held = true;
}

} // namespace platform
