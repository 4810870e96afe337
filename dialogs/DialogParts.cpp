// Fonts, picture buttons and screen placement shared by the passphrase and encoding-method
// dialogs.
#include "dialogs/DialogParts.h"

#include <QPushButton>
#include <QScreen>
#include <QWidget>

namespace dialogs {

namespace {

constexpr QSize buttonSize(70, 27);

} // namespace

QFont formFont() {
    QFont font(QStringLiteral("MS Sans Serif"), 8);
    font.setBold(true);
    return font;
}

QFont plainFont() {
    QFont font = formFont();
    font.setBold(false);
    return font;
}

QPushButton *pictureButton(QWidget *parent, const QString &objectName, const QString &caption,
                           QStyle::StandardPixmap picture) {
    auto *button = new QPushButton(parent->style()->standardIcon(picture), caption, parent);
    button->setObjectName(objectName);
    button->setFont(plainFont());
    button->setMinimumSize(buttonSize);
    return button;
}

void centreOnScreen(QWidget *window) {
    const QScreen *screen = window->screen();
    if (!screen)
        return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

} // namespace dialogs
