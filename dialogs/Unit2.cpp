// The passphrase dialog: its layout, the emptying at each showing, and the Help button's
// choice of topic.
#include "dialogs/Unit2.h"

#include "dialogs/DialogParts.h"
#include "dialogs/PassphraseEdit.h"
#include "platform/Help.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

Tfrm_PWord::Tfrm_PWord(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName(QStringLiteral("frm_PWord"));
    setWindowTitle(tr("Password Protection"));
    // Modal to the main window only, so that the help viewer stays usable beside it.
    setWindowModality(Qt::WindowModal);
    setFont(dialogs::formFont());

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 7);
    layout->setSpacing(11);
    layout->setSizeConstraint(QLayout::SetMinimumSize);
    buildBevel();
    buildButtons();
    setTabOrder(txt_PWord, cmd_OK);
    setTabOrder(cmd_OK, cmd_Cancel);
    setTabOrder(cmd_Cancel, HelpBtn);
}

void Tfrm_PWord::buildBevel() {
    Bevel1 = new QFrame(this);
    Bevel1->setObjectName(QStringLiteral("Bevel1"));
    Bevel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Bevel1->setMinimumSize(284, 65);

    lab_PWord = new QLabel(Bevel1);
    lab_PWord->setObjectName(QStringLiteral("lab_PWord"));
    lab_PWord->setFont(dialogs::plainFont());
    lab_PWord->setTextFormat(Qt::PlainText);

    txt_PWord = new PassphraseEdit(Bevel1);
    txt_PWord->setObjectName(QStringLiteral("txt_PWord"));
    txt_PWord->setMinimumSize(249, 20);

    auto *inside = new QVBoxLayout(Bevel1);
    inside->setContentsMargins(16, 16, 11, 13);
    inside->setSpacing(3);
    inside->addWidget(lab_PWord);
    inside->addWidget(txt_PWord);
    static_cast<QVBoxLayout *>(layout())->addWidget(Bevel1);
}

void Tfrm_PWord::buildButtons() {
    HelpBtn = dialogs::pictureButton(this, QStringLiteral("HelpBtn"), tr("&Help"),
                                     QStyle::SP_DialogHelpButton);
    cmd_Cancel = dialogs::pictureButton(this, QStringLiteral("cmd_Cancel"), tr("Cancel"),
                                        QStyle::SP_DialogCancelButton);
    cmd_OK =
        dialogs::pictureButton(this, QStringLiteral("cmd_OK"), tr("OK"), QStyle::SP_DialogOkButton);
    cmd_OK->setDefault(true);
    // A click on Help leaves the focus where the user was typing.
    HelpBtn->setFocusPolicy(Qt::TabFocus);

    connect(cmd_OK, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmd_Cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(HelpBtn, &QPushButton::clicked, this, &Tfrm_PWord::HelpBtnClick);

    auto *row = new QHBoxLayout;
    row->setSpacing(6);
    row->addWidget(HelpBtn);
    row->addStretch(1);
    row->addWidget(cmd_Cancel);
    row->addWidget(cmd_OK);
    static_cast<QVBoxLayout *>(layout())->addLayout(row);
}

void Tfrm_PWord::setPrompt(const QString &prompt) {
    lab_PWord->setText(prompt);
}

QString Tfrm_PWord::prompt() const {
    return lab_PWord->text();
}

std::string Tfrm_PWord::phrase() const {
    return txt_PWord->phraseBytes();
}

QString Tfrm_PWord::helpContextFor(const QString &prompt) {
    if (prompt.contains(QLatin1String("This text")))
        return QStringLiteral("Help_Password2");
    if (prompt.contains(QLatin1String("Re-enter")))
        return QStringLiteral("Help_Password3");
    return QStringLiteral("Help_Password1");
}

void Tfrm_PWord::HelpBtnClick() {
    platform::topicJump(helpContextFor(lab_PWord->text()));
}

void Tfrm_PWord::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    dialogs::centreOnScreen(this);
    FormActivate();
}

void Tfrm_PWord::FormActivate() {
    txt_PWord->clear();
    txt_PWord->setFocus();
}
