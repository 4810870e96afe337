// Fonts, picture buttons and the button row shared by the passphrase and encoding-method
// dialogs.
#include "dialogs/DialogParts.h"

#include <QBoxLayout>
#include <QCoreApplication>
#include <QDialog>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

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

ButtonRow addButtonRow(QDialog *dialog, const QString &helpName, const QString &cancelName,
                       const QString &okName) {
    const ButtonRow buttons{
        pictureButton(dialog, helpName, QCoreApplication::translate("DialogParts", "&Help"),
                      QStyle::SP_DialogHelpButton),
        pictureButton(dialog, cancelName, QCoreApplication::translate("DialogParts", "Cancel"),
                      QStyle::SP_DialogCancelButton),
        pictureButton(dialog, okName, QCoreApplication::translate("DialogParts", "OK"),
                      QStyle::SP_DialogOkButton),
    };
    buttons.ok->setDefault(true);
    buttons.help->setFocusPolicy(Qt::TabFocus);
    QObject::connect(buttons.cancel, &QPushButton::clicked, dialog, &QDialog::reject);

    auto *row = new QHBoxLayout;
    row->setSpacing(6);
    row->addWidget(buttons.help);
    row->addStretch(1);
    row->addWidget(buttons.cancel);
    row->addWidget(buttons.ok);
    static_cast<QBoxLayout *>(dialog->layout())->addLayout(row);
    return buttons;
}

void makeSelectedChoiceTheTabStop(const QList<QRadioButton *> &choices) {
    const auto moveTabStop = [choices] {
        const auto selected = std::find_if(choices.begin(), choices.end(),
                                           [](const QRadioButton *c) { return c->isChecked(); });
        const QRadioButton *stop = selected != choices.end() ? *selected : choices.value(0);
        for (QRadioButton *choice : choices)
            choice->setFocusPolicy(choice == stop ? Qt::StrongFocus : Qt::ClickFocus);
    };
    for (QRadioButton *choice : choices)
        QObject::connect(choice, &QAbstractButton::toggled, choice, moveTabStop);
    moveTabStop();
}

} // namespace dialogs
