// Checks shared by the dialog tests: typing any characters, text that fits its control,
// and the dialog's place on the screen.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QStringList>
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

// The labels and buttons whose text does not fit them, by objectName (or text).
inline QStringList clippedTexts(const QWidget *dialog) {
    QStringList clipped;
    const auto check = [&clipped](const QWidget *w, const QString &name) {
        if (w->isVisible() &&
            (w->width() < w->sizeHint().width() || w->height() < w->minimumSizeHint().height()))
            clipped << name;
    };
    for (const QLabel *label : dialog->findChildren<QLabel *>())
        check(label, label->objectName().isEmpty() ? label->text() : label->objectName());
    for (const QAbstractButton *button : dialog->findChildren<QAbstractButton *>())
        check(button, button->objectName());
    return clipped;
}

// Whether the window's frame stands in the middle of its screen's available area.
inline bool centredOnScreen(const QWidget *window) {
    const QPoint offset =
        window->frameGeometry().center() - window->screen()->availableGeometry().center();
    return offset.manhattanLength() <= 2;
}

// The widgets that Tab visits from the first one, in order, up to a repeat.
inline QStringList tabOrder(QWidget *first) {
    QStringList names;
    QWidget *w = first;
    do {
        if (w->focusPolicy() & Qt::TabFocus)
            names << w->objectName();
        w = w->nextInFocusChain();
    } while (w && w != first && names.size() < 20);
    return names;
}

} // namespace dialog_checks
