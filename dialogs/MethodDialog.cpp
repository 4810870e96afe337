// The encoding-method dialog: its layout, the fresh "Method 01" at every showing, and the
// OK and Help handlers.
#include "dialogs/MethodDialog.h"

#include "dialogs/DialogParts.h"
#include "platform/DialogPlacement.h"
#include "platform/Help.h"
#include "platform/MessageBox.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

MethodDialog::MethodDialog(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("Tfrm_EncodeMethod"));
    setWindowTitle(tr("Encoding Method"));
    // Modal to the main window only, so that the help viewer stays usable beside it.
    setWindowModality(Qt::WindowModal);
    setFont(dialogs::formFont());

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 9, 7);
    layout->setSpacing(11);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    buildChoices();
    buildButtons();
    setTabOrder(OKBtn, CancelBtn);
    setTabOrder(CancelBtn, HelpBtn);
    setTabOrder(HelpBtn, RadioButton1);
    setTabOrder(RadioButton1, RadioButton2);
    setTabOrder(RadioButton2, RadioButton3);
}

QLabel *MethodDialog::note(const QString &text) {
    auto *label = new QLabel(text);
    label->setFont(dialogs::plainFont());
    label->setMinimumSize(194, 13);
    return label;
}

void MethodDialog::buildChoices() {
    auto *frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("Bevel1"));
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    frame->setMinimumSize(300, 97);

    RadioButton1 = new QRadioButton(tr("Method 00"), frame);
    RadioButton1->setObjectName(QStringLiteral("RadioButton1"));
    RadioButton2 = new QRadioButton(tr("Method 01"), frame);
    RadioButton2->setObjectName(QStringLiteral("RadioButton2"));
    RadioButton3 = new QRadioButton(tr("Method 02"), frame);
    RadioButton3->setObjectName(QStringLiteral("RadioButton3"));
    for (QRadioButton *choice : {RadioButton1, RadioButton2, RadioButton3})
        choice->setMinimumSize(89, 17);

    // The notes stand under their choice's caption, indented past the round button.
    auto *grid = new QGridLayout(frame);
    grid->setContentsMargins(16, 16, 16, 12);
    grid->setHorizontalSpacing(0);
    grid->setVerticalSpacing(0);
    grid->setColumnMinimumWidth(0, 18);
    grid->addWidget(RadioButton1, 0, 0, 1, 2, Qt::AlignLeft);
    grid->addWidget(note(tr("Requires version 1.0 or higher to decrypt.")), 1, 1);
    grid->setRowMinimumHeight(2, 11);
    grid->addWidget(RadioButton2, 3, 0, 1, 2, Qt::AlignLeft);
    grid->addWidget(note(tr("Requires version 1.1 or higher to decrypt.")), 4, 1);
    grid->setRowMinimumHeight(5, 11);
    grid->addWidget(RadioButton3, 6, 0, 1, 2, Qt::AlignLeft);
    grid->addWidget(note(tr("Strong protection.  Requires version 2.00 or higher to decrypt.")), 7,
                    1);
    static_cast<QVBoxLayout *>(layout())->addWidget(frame);
    dialogs::makeSelectedChoiceTheTabStop({RadioButton1, RadioButton2, RadioButton3});
}

void MethodDialog::buildButtons() {
    const dialogs::ButtonRow row = dialogs::addButtonRow(
        this, QStringLiteral("HelpBtn"), QStringLiteral("CancelBtn"), QStringLiteral("OKBtn"));
    HelpBtn = row.help;
    CancelBtn = row.cancel;
    OKBtn = row.ok;
    connect(OKBtn, &QPushButton::clicked, this, &MethodDialog::OKBtnClick);
    connect(HelpBtn, &QPushButton::clicked, this, &MethodDialog::HelpBtnClick);
}

int MethodDialog::ChosenMethod() {
    return m_chosenMethod;
}

void MethodDialog::OKBtnClick() {
    if (RadioButton1->isChecked()) {
        m_chosenMethod = 0;
    } else if (RadioButton2->isChecked()) {
        m_chosenMethod = 1;
    } else if (RadioButton3->isChecked()) {
        m_chosenMethod = 2;
    } else {
        platform::showMessageBox(this, tr("You must choose an encoding method."),
                                 platform::MessageKind::Error, platform::Ok);
        return;
    }
    accept();
}

void MethodDialog::HelpBtnClick() {
    platform::topicJump(QStringLiteral("Help_EncodingMethod"));
}

void MethodDialog::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    platform::centreOnScreen(this);
    RadioButton2->setChecked(true);
    OKBtn->setFocus();
}
