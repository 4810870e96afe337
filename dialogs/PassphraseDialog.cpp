// The passphrase dialog: its layout, the emptying at each showing, and the Help button's topic.
#include "dialogs/PassphraseDialog.h"

#include "dialogs/DialogParts.h"
#include "platform/Accessibility.h"
#include "platform/Beep.h"
#include "platform/DialogFrame.h"
#include "platform/DialogPlacement.h"
#include "platform/Help.h"

#include <QAccessible>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

PassphraseDialog::PassphraseDialog(QWidget *parent)
    : QDialog(parent, platform::dialogFrame(platform::TitleBar::TitleOnly)) {
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
    setTabOrder(m_entry, m_okButton);
    setTabOrder(m_okButton, m_cancelButton);
    setTabOrder(m_cancelButton, m_helpButton);
}

void PassphraseDialog::buildBevel() {
    m_frame = new QFrame(this);
    m_frame->setObjectName(QStringLiteral("Bevel1"));
    m_frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_frame->setMinimumSize(284, 65);

    m_prompt = new QLabel(m_frame);
    m_prompt->setObjectName(QStringLiteral("lab_PWord"));
    m_prompt->setFont(dialogs::plainFont());
    m_prompt->setTextFormat(Qt::PlainText);

    m_entry = new PassphraseEdit(m_frame);
    m_entry->setObjectName(QStringLiteral("txt_PWord"));
    m_entry->setMinimumSize(249, 20);

    // Hidden until a character is refused; the dialog grows by its height then.
    m_refusalNote = new QLabel(m_frame);
    m_refusalNote->setObjectName(QStringLiteral("lab_Refused"));
    m_refusalNote->setFont(dialogs::plainFont());
    m_refusalNote->setTextFormat(Qt::PlainText);
    m_refusalNote->setWordWrap(true);
    m_refusalNote->hide();
    connect(m_entry, &PassphraseEdit::characterRefused, this, &PassphraseDialog::noteRefusal);
    connect(m_entry, &QLineEdit::textChanged, this, [this](const QString &text) {
        if (!text.isEmpty())
            m_emptiedByRefusal = false;
    });

    auto *inside = new QVBoxLayout(m_frame);
    inside->setContentsMargins(16, 16, 11, 13);
    inside->setSpacing(3);
    // The prompt labels the entry, so that a screen reader names the entry by it.
    m_prompt->setBuddy(m_entry);
    inside->addWidget(m_prompt);
    inside->addWidget(m_entry);
    inside->addWidget(m_refusalNote);
    static_cast<QVBoxLayout *>(layout())->addWidget(m_frame);
}

// Only a rule of capitals refuses characters: those Windows-1252 cannot hold.
void PassphraseDialog::noteRefusal() {
    m_emptiedByRefusal = true;
    const QString note =
        tr("This phrase can hold only the characters of Windows-1252 (Western European "
           "letters, digits and signs).  The character typed was left out.");
    m_refusalNote->setText(note);
    platform::presentAsAlert(m_refusalNote, note);
    m_refusalNote->show();
    QAccessibleEvent alert(m_refusalNote, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

void PassphraseDialog::accept() {
    if (m_emptiedByRefusal && m_entry->text().isEmpty()) {
        platform::messageBeep(platform::BeepKind::Hand);
        noteRefusal();
        m_emptiedByRefusal = false;
        return;
    }
    QDialog::accept();
}

void PassphraseDialog::buildButtons() {
    const dialogs::ButtonRow row = dialogs::addButtonRow(
        this, QStringLiteral("HelpBtn"), QStringLiteral("cmd_Cancel"), QStringLiteral("cmd_OK"));
    m_helpButton = row.help;
    m_cancelButton = row.cancel;
    m_okButton = row.ok;
    connect(m_okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_helpButton, &QPushButton::clicked, this, &PassphraseDialog::showHelp);
}

void PassphraseDialog::setPrompt(const QString &prompt) {
    m_prompt->setText(prompt);
    m_entry->setAccessibleName(prompt);
}

QString PassphraseDialog::prompt() const {
    return m_prompt->text();
}

void PassphraseDialog::setPhraseRule(const cipher::PhraseRule &rule) {
    m_entry->setRule(rule);
    m_refusalNote->hide();
    m_emptiedByRefusal = false;
}

cipher::SecretString PassphraseDialog::phrase() const {
    return m_entry->phraseBytes();
}

void PassphraseDialog::forgetPhrase() {
    m_entry->wipe();
}

void PassphraseDialog::setHelpTopic(const QString &topic) {
    m_helpTopic = topic;
}

void PassphraseDialog::showHelp() {
    platform::topicJump(m_helpTopic);
}

// The prompt may have changed while the dialog was hidden, and the note of a refused character
// goes: it takes the size of the new prompt before it is centred, so each showing stands whole in
// the middle of the screen.
void PassphraseDialog::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    startEmpty();
    layout()->activate();
    platform::centreOnScreen(this);
}

void PassphraseDialog::startEmpty() {
    m_entry->clear();
    m_refusalNote->hide();
    m_emptiedByRefusal = false;
    m_entry->setFocus();
}
