// The encoding-method dialog: its layout built from the table of methods, the fresh choice of
// plain Encrypt's method at every showing, and the OK and Help handlers.
#include "dialogs/MethodDialog.h"

#include "cipher/Method.h"

#include "dialogs/DialogParts.h"
#include "platform/DialogFrame.h"
#include "platform/DialogPlacement.h"
#include "platform/Help.h"
#include "platform/MessageBox.h"
#include "platform/SystemWords.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

MethodDialog::MethodDialog(QWidget *parent)
    : QDialog(parent, platform::dialogFrame(platform::TitleBar::MenuAndCloseButton)) {
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
    setTabOrder(m_okButton, m_cancelButton);
    setTabOrder(m_cancelButton, m_helpButton);
    QWidget *previous = m_helpButton;
    for (QRadioButton *choice : m_methodChoices)
        setTabOrder(std::exchange(previous, choice), choice);
}

QLabel *MethodDialog::note(const QString &text) {
    auto *label = new QLabel(text);
    label->setFont(dialogs::plainFont());
    label->setMinimumSize(194, 13);
    return label;
}

// The choices are "RadioButton1" onwards in the table's order, each caption with its note under
// it, indented past the round button.
void MethodDialog::buildChoices() {
    auto *frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("Bevel1"));
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    frame->setMinimumSize(300, 97);

    auto *grid = new QGridLayout(frame);
    grid->setContentsMargins(16, 16, 16, 12);
    grid->setHorizontalSpacing(0);
    grid->setVerticalSpacing(0);
    grid->setColumnMinimumWidth(0, 18);
    int row = 0;
    for (const cipher::Method *method : cipher::methods()) {
        if (row > 0)
            grid->setRowMinimumHeight(row++, 11);
        auto *choice = new QRadioButton(platform::systemWords(method->name), frame);
        choice->setObjectName(QStringLiteral("RadioButton%1").arg(m_methodChoices.size() + 1));
        choice->setMinimumSize(89, 17);
        grid->addWidget(choice, row++, 0, 1, 2, Qt::AlignLeft);
        grid->addWidget(note(platform::systemWords(method->note)), row++, 1);
        m_methodChoices.append(choice);
        if (method == &cipher::plainEncryptMethod())
            m_preselected = choice;
    }
    static_cast<QVBoxLayout *>(layout())->addWidget(frame);
    dialogs::makeSelectedChoiceTheTabStop(m_methodChoices);
}

void MethodDialog::buildButtons() {
    const dialogs::ButtonRow row = dialogs::addButtonRow(
        this, QStringLiteral("HelpBtn"), QStringLiteral("CancelBtn"), QStringLiteral("OKBtn"));
    m_helpButton = row.help;
    m_cancelButton = row.cancel;
    m_okButton = row.ok;
    connect(m_okButton, &QPushButton::clicked, this, &MethodDialog::acceptChoice);
    connect(m_helpButton, &QPushButton::clicked, this, &MethodDialog::showHelp);
}

void MethodDialog::acceptChoice() {
    const auto chosen =
        std::find_if(m_methodChoices.cbegin(), m_methodChoices.cend(),
                     [](const QRadioButton *choice) { return choice->isChecked(); });
    if (chosen == m_methodChoices.cend()) {
        platform::showMessageBox(this, tr("You must choose an encoding method."),
                                 platform::MessageKind::Error, platform::Ok);
        return;
    }
    m_chosenMethod = cipher::methods()[std::size_t(chosen - m_methodChoices.cbegin())];
    accept();
}

void MethodDialog::showHelp() {
    platform::topicJump(QStringLiteral("Help_EncodingMethod"));
}

void MethodDialog::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    platform::centreOnScreen(this);
    m_preselected->setChecked(true);
    m_okButton->setFocus();
}
