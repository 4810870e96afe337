// Checks shared by the dialog tests: typing any characters, text that fits its control,
// the dialog's place on the screen, where Tab leads, and the ways out other than OK.
#pragma once

#include "platform/Help.h"
#include "platform/HelpWindow.h"

#include "ModalAnswerer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStringList>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QWidget>

namespace dialog_checks {

// Sends one key press and release per character, as a keyboard with that character would;
// a character outside the basic plane arrives as one event with its surrogate pair.
inline void typeText(QWidget *target, const QString &text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype length = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString character = text.mid(i, length);
        i += length - 1;
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, character);
        QApplication::sendEvent(target, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, character);
        QApplication::sendEvent(target, &release);
    }
}

// The labels and buttons whose text does not fit them, by objectName (or text), each with the
// width it has and the width its text needs. A label that wraps its words needs the height its
// text takes at its width.
inline QStringList clippedTexts(const QWidget *dialog) {
    QStringList clipped;
    const auto check = [&clipped](const QWidget *w, const QString &name, bool wraps) {
        const bool fits = wraps ? w->heightForWidth(w->width()) <= w->height()
                                : w->width() >= w->sizeHint().width() &&
                                      w->height() >= w->minimumSizeHint().height();
        if (w->isVisible() && !fits)
            clipped << QStringLiteral("%1 (%2 < %3)")
                           .arg(name)
                           .arg(w->width())
                           .arg(w->sizeHint().width());
    };
    for (const QLabel *label : dialog->findChildren<QLabel *>())
        check(label, label->objectName().isEmpty() ? label->text() : label->objectName(),
              label->wordWrap());
    for (const QAbstractButton *button : dialog->findChildren<QAbstractButton *>())
        check(button, button->objectName(), false);
    return clipped;
}

// Whether the window's frame stands in the middle of its screen's available area.
inline bool centredOnScreen(const QWidget *window) {
    const QPoint offset =
        window->frameGeometry().center() - window->screen()->availableGeometry().center();
    return offset.manhattanLength() <= 2;
}

// The widgets that the focus reaches as Tab is pressed, one press at a time, from the
// dialog's focus widget until it comes back there (at most 20 presses).
inline QStringList tabOrder(QWidget *dialog) {
    QStringList names;
    QWidget *start = dialog->focusWidget();
    if (start == nullptr)
        return names;
    names << start->objectName();
    for (int press = 0; press < 20; ++press) {
        QTest::keyClick(dialog->focusWidget(), Qt::Key_Tab);
        if (dialog->focusWidget() == start)
            break;
        names << dialog->focusWidget()->objectName();
    }
    return names;
}

// The rows of the ways to leave a dialog other than OK: Escape, its cancel button (by
// objectName) and the frame's close button, in the column "way".
inline void addWaysOutRows(const char *cancelButton) {
    QTest::addColumn<QString>("way");
    QTest::newRow("Escape") << "Escape";
    QTest::newRow("Cancel button") << cancelButton;
    QTest::newRow("title-bar close button") << "close";
}

// Leaves the modal dialog the way one of those rows names.
inline void leaveBy(QWidget *modal, const QString &way) {
    if (way == "Escape")
        QTest::keyClick(modal->focusWidget(), Qt::Key_Escape);
    else if (way == "close")
        modal->close();
    else
        modal->findChild<QPushButton *>(way)->click();
}

// A window standing in for the main window that owns a dialog, and clicks into it and into
// the help viewer while the dialog waits: the owner must not answer, the viewer must.
class ModalityProbe {
public:
    ModalityProbe() {
        m_owner.resize(300, 200);
        m_ownerButton = new QPushButton(QStringLiteral("Owner"), &m_owner);
        QObject::connect(m_ownerButton, &QPushButton::clicked, [this] { m_ownerAnswered = true; });
        m_owner.show();
    }

    QWidget *owner() { return &m_owner; }

    void tryBothWindows() {
        clickThroughWindow(m_ownerButton, m_ownerButton->rect().center());
        platform::HelpWindow *viewer = platform::helpViewer();
        if (!viewer)
            return;
        auto *tabs = viewer->widget()->findChild<QTabWidget *>(QStringLiteral("helpTabs"));
        const int other = 1 - tabs->currentIndex();
        clickThroughWindow(tabs->tabBar(), tabs->tabBar()->tabRect(other).center());
        m_viewerAnswered = tabs->currentIndex() == other;
    }

    bool ownerAnswered() const { return m_ownerAnswered; }
    bool viewerAnswered() const { return m_viewerAnswered; }

private:
    // Clicks the way the window system does, so that a window blocked by a modal dialog
    // does not see it (a click sent to the widget itself would pass the block).
    static void clickThroughWindow(QWidget *target, QPoint at) {
        QWidget *window = target->window();
        QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, target->mapTo(window, at));
    }

    QWidget m_owner;
    QPushButton *m_ownerButton = nullptr;
    bool m_ownerAnswered = false;
    bool m_viewerAnswered = false;
};

// Opens the dialog over a stand-in owner, presses its Help button and then its cancel
// button: while it waits, the help viewer must answer clicks and the owner must not.
template <class Dialog> void checkHelpViewerUsableWhileWaiting(const char *cancelButton) {
    ModalityProbe probe;
    Dialog dialog(probe.owner());
    ModalAnswerer answerer;
    answerer.then([&probe, cancelButton](QWidget *modal) {
        QTest::mouseClick(modal->findChild<QPushButton *>("HelpBtn"), Qt::LeftButton);
        probe.tryBothWindows();
        modal->findChild<QPushButton *>(cancelButton)->click();
    });

    QCOMPARE(dialog.exec(), int(QDialog::Rejected));
    QVERIFY(answerer.done());
    QVERIFY(probe.viewerAnswered());
    QVERIFY(!probe.ownerAnswered());
}

} // namespace dialog_checks
