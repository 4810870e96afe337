// The passphrase dialog: its layout, the emptying at each showing, and the Help button's
// choice of topic.
#include "dialogs/PassphraseDialog.h"

#include "dialogs/DialogParts.h"
#include "platform/DialogPlacement.h"
#include "platform/Help.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

PassphraseDialog::PassphraseDialog(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint) {
    setObjectName(QStringLiteral("frm_PWord"));
    setWindowTitle(tr("Password Protection"));
    // Modal to the main window only, so that the help viewer stays usable beside it.
    setWindowModality(Qt::WindowModal);
    setFont(dialogs::formFont());

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 7);
    layout->setSpacing(11);
    // A fixed border: the dialog takes the size its prompt needs, and cannot be resized.
    layout->setSizeConstraint(QLayout::SetFixedSize);
    buildBevel();
    buildButtons();
    setTabOrder(txt_PWord, cmd_OK);
    setTabOrder(cmd_OK, cmd_Cancel);
    setTabOrder(cmd_Cancel, HelpBtn);
}

void PassphraseDialog::buildBevel() {
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
    // The prompt labels the entry, so that a screen reader names the entry by it.
    lab_PWord->setBuddy(txt_PWord);
    inside->addWidget(lab_PWord);
    inside->addWidget(txt_PWord);
    static_cast<QVBoxLayout *>(layout())->addWidget(Bevel1);
}

void PassphraseDialog::buildButtons() {
    const dialogs::ButtonRow row = dialogs::addButtonRow(
        this, QStringLiteral("HelpBtn"), QStringLiteral("cmd_Cancel"), QStringLiteral("cmd_OK"));
    HelpBtn = row.help;
    cmd_Cancel = row.cancel;
    cmd_OK = row.ok;
    connect(cmd_OK, &QPushButton::clicked, this, &QDialog::accept);
    connect(HelpBtn, &QPushButton::clicked, this, &PassphraseDialog::HelpBtnClick);
}

void PassphraseDialog::setPrompt(const QString &prompt) {
    lab_PWord->setText(prompt);
    txt_PWord->setAccessibleName(prompt);
}

QString PassphraseDialog::prompt() const {
    return lab_PWord->text();
}

void PassphraseDialog::setPhraseRule(const cipher::PhraseRule &rule) {
    txt_PWord->setRule(rule);
}

cipher::SecretString PassphraseDialog::phrase() const {
    return txt_PWord->phraseBytes();
}

void PassphraseDialog::forgetPhrase() {
    txt_PWord->setText(QString());
}

QString PassphraseDialog::helpContextFor(const QString &prompt) {
    if (prompt.contains(QLatin1String("This text")))
        return QStringLiteral("Help_Password2");
    if (prompt.contains(QLatin1String("Re-enter")))
        return QStringLiteral("Help_Password3");
    if (prompt.contains(QLatin1String("OpenPGP")) ||
        prompt.startsWith(QLatin1String("Enter the passphrase of the key ")) ||
        prompt.startsWith(QLatin1String("Enter the phrase of the message")))
        return QStringLiteral("Help_OpenPgp");
    return QStringLiteral("Help_Password1");
}

void PassphraseDialog::HelpBtnClick() {
    platform::topicJump(helpContextFor(lab_PWord->text()));
}

// The prompt may have changed while the dialog was hidden: it takes the size of the new prompt
// before it is centred, so each showing stands whole in the middle of the screen.
void PassphraseDialog::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    layout()->activate();
    platform::centreOnScreen(this);
    FormActivate();
}

void PassphraseDialog::FormActivate() {
    txt_PWord->clear();
    txt_PWord->setFocus();
}
