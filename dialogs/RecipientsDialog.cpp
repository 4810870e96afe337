// The recipients dialog: its layout, the filter that hides keys, the count of keys chosen, and
// the own-key choice that only means something while a key is chosen.
#include "dialogs/RecipientsDialog.h"

#include "cipher/KeyFingerprint.h"
#include "dialogs/DialogParts.h"
#include "platform/DialogFrame.h"
#include "platform/DialogPlacement.h"
#include "platform/Help.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The key's validity in GnuPG's terms; below full, the name it carries is not proven.
QString validityLine(cipher::KeyValidity validity) {
    switch (validity) {
    case cipher::KeyValidity::Ultimate:
        return RecipientsDialog::tr("Validity: ultimate");
    case cipher::KeyValidity::Full:
        return RecipientsDialog::tr("Validity: full");
    case cipher::KeyValidity::Marginal:
        return RecipientsDialog::tr("Validity: marginal (the name is not proven)");
    case cipher::KeyValidity::Never:
        return RecipientsDialog::tr("Validity: never (the keyring's trust denies the name)");
    case cipher::KeyValidity::Undefined:
        return RecipientsDialog::tr("Validity: undefined (the name is not proven)");
    case cipher::KeyValidity::Unknown:
        break;
    }
    return RecipientsDialog::tr("Validity: unknown (the name is not proven)");
}

// The key's user IDs as the dialog shows them.
QStringList userIdsOf(const cipher::RecipientKey &key) {
    QStringList userIds;
    for (const std::string &userId : key.userIds)
        userIds << QString::fromStdString(userId);
    return userIds;
}

QString fingerprintOf(const cipher::RecipientKey &key) {
    return QString::fromStdString(cipher::groupedFingerprint(key.fingerprint));
}

// The key's first user ID over its grouped fingerprint, as the own keys are shown.
QString keyLines(const cipher::RecipientKey &key) {
    return userIdsOf(key).value(0) + QLatin1Char('\n') + fingerprintOf(key);
}

// The list item's text: every user ID on a line of its own, then the fingerprint and the
// validity.
QString keyCaption(const cipher::RecipientKey &key) {
    QStringList lines = userIdsOf(key);
    lines << fingerprintOf(key) << validityLine(key.validity);
    return lines.join(QLatin1Char('\n'));
}

} // namespace

RecipientsDialog::RecipientsDialog(std::vector<cipher::RecipientKey> keys, QWidget *parent)
    : QDialog(parent, platform::dialogFrame(platform::TitleBar::MenuAndCloseButton,
                                            platform::Border::Sizeable))
    , m_keys(std::move(keys)) {
    setObjectName(QStringLiteral("Tfrm_Recipients"));
    setWindowTitle(tr("OpenPGP Recipients"));
    // Modal to the main window only, so that the help viewer stays usable beside it.
    setWindowModality(Qt::WindowModal);
    setFont(dialogs::formFont());

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 9, 7);
    layout->setSpacing(11);
    auto *frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("Bevel1"));
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    auto *inside = new QVBoxLayout(frame);
    inside->setContentsMargins(16, 16, 16, 12);
    inside->setSpacing(6);
    layout->addWidget(frame, 1);

    buildFilter(inside);
    buildKeyList(inside);
    buildOwnKeyChoice(inside);
    buildSigningChoice(inside);
    buildButtons();
    showChosenCount();
    setTabOrder(m_filter, m_keyList);
    setTabOrder(m_keyList, m_ownKey);
    setTabOrder(m_ownKey, m_sign);
    setTabOrder(m_sign, m_okButton);
    setTabOrder(m_okButton, m_cancelButton);
    setTabOrder(m_cancelButton, m_helpButton);
}

void RecipientsDialog::buildFilter(QVBoxLayout *inside) {
    QWidget *frame = inside->parentWidget();
    auto *label = new QLabel(tr("&Filter:"), frame);
    label->setObjectName(QStringLiteral("lab_Filter"));
    label->setFont(dialogs::plainFont());
    m_filter = new QLineEdit(frame);
    m_filter->setObjectName(QStringLiteral("txt_Filter"));
    m_filter->setFont(dialogs::plainFont());
    m_filter->setClearButtonEnabled(true);
    m_filter->setPlaceholderText(tr("Name, e-mail address or fingerprint"));
    m_filter->setAccessibleName(tr("Filter"));
    m_filter->setAccessibleDescription(tr("Shows only the keys that match"));
    label->setBuddy(m_filter);
    connect(m_filter, &QLineEdit::textChanged, this, &RecipientsDialog::applyFilter);

    auto *row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(m_filter, 1);
    inside->addLayout(row);
}

void RecipientsDialog::buildKeyList(QVBoxLayout *inside) {
    QWidget *frame = inside->parentWidget();
    auto *label = new QLabel(tr("&Keys to encrypt to:"), frame);
    label->setObjectName(QStringLiteral("lab_Recipients"));
    label->setFont(dialogs::plainFont());
    m_keyList = new QListWidget(frame);
    m_keyList->setObjectName(QStringLiteral("lst_Recipients"));
    m_keyList->setFont(dialogs::plainFont());
    m_keyList->setMinimumSize(380, 180);
    m_keyList->setAccessibleName(tr("Keys to encrypt to"));
    m_keyList->setAccessibleDescription(tr("Space checks or clears the key"));
    label->setBuddy(m_keyList);
    for (std::size_t i = 0; i < m_keys.size(); ++i) {
        auto *item = new QListWidgetItem(keyCaption(m_keys[i]), m_keyList);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
        item->setData(Qt::UserRole, int(i));
    }
    m_keyList->setCurrentRow(0);
    connect(m_keyList, &QListWidget::itemChanged, this, &RecipientsDialog::showChosenCount);

    m_chosenCount = new QLabel(frame);
    m_chosenCount->setObjectName(QStringLiteral("lab_Chosen"));
    m_chosenCount->setFont(dialogs::plainFont());
    m_chosenCount->setWordWrap(true);
    inside->addWidget(label);
    inside->addWidget(m_keyList, 1);
    inside->addWidget(m_chosenCount);
}

// The check box names the one key it adds: its first user ID and its fingerprint, on the lines
// under the box's caption, so that the user sees which key counts as theirs.
void RecipientsDialog::buildOwnKeyChoice(QVBoxLayout *inside) {
    QWidget *frame = inside->parentWidget();
    const auto ownKey = std::find_if(m_keys.begin(), m_keys.end(),
                                     [](const cipher::RecipientKey &key) { return key.ownKey; });
    const bool offered = ownKey != m_keys.end();
    m_ownKey = new QCheckBox(tr("Also to my own key"), frame);
    m_ownKey->setObjectName(QStringLiteral("chk_OwnKey"));
    m_ownKey->setChecked(offered);
    m_ownKey->setHidden(!offered);
    inside->addWidget(m_ownKey);
    if (!offered)
        return;
    const QString userId = userIdsOf(*ownKey).value(0);
    const QString fingerprint = fingerprintOf(*ownKey);
    auto *named = new QLabel(keyLines(*ownKey), frame);
    named->setObjectName(QStringLiteral("lab_OwnKey"));
    named->setFont(dialogs::plainFont());
    named->setTextFormat(Qt::PlainText);
    m_ownKey->setAccessibleDescription(tr("%1, fingerprint %2").arg(userId, fingerprint));
    auto *row = new QHBoxLayout;
    row->addSpacing(style()->pixelMetric(QStyle::PM_IndicatorWidth) +
                    style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing));
    row->addWidget(named, 1);
    inside->addLayout(row);
}

// Hidden until the signing key is offered; its label stands indented under it as the own key's.
void RecipientsDialog::buildSigningChoice(QVBoxLayout *inside) {
    QWidget *frame = inside->parentWidget();
    m_sign = new QCheckBox(tr("Sign with my own key"), frame);
    m_sign->setObjectName(QStringLiteral("chk_Sign"));
    m_sign->setHidden(true);
    inside->addWidget(m_sign);
    m_signer = new QLabel(frame);
    m_signer->setObjectName(QStringLiteral("lab_Signer"));
    m_signer->setFont(dialogs::plainFont());
    m_signer->setTextFormat(Qt::PlainText);
    m_signer->setWordWrap(true);
    m_signer->setHidden(true);
    auto *row = new QHBoxLayout;
    row->addSpacing(style()->pixelMetric(QStyle::PM_IndicatorWidth) +
                    style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing));
    row->addWidget(m_signer, 1);
    inside->addLayout(row);
}

void RecipientsDialog::offerSigning(const std::optional<cipher::RecipientKey> &signer,
                                    const QString &refusal, bool checked) {
    const QString named = signer ? keyLines(*signer) : QString();
    m_signer->setText(refusal.isEmpty() ? named
                      : named.isEmpty() ? refusal
                                        : named + QLatin1Char('\n') + refusal);
    m_signerKnown = signer.has_value();
    m_sign->setChecked(signer && refusal.isEmpty() && checked);
    m_sign->setAccessibleDescription(m_signer->text());
    m_sign->setHidden(false);
    m_signer->setHidden(false);
    showChosenCount();
}

bool RecipientsDialog::signs() const {
    return !m_sign->isHidden() && m_sign->isEnabled() && m_sign->isChecked();
}

void RecipientsDialog::buildButtons() {
    const dialogs::ButtonRow row = dialogs::addButtonRow(
        this, QStringLiteral("HelpBtn"), QStringLiteral("CancelBtn"), QStringLiteral("OKBtn"));
    m_helpButton = row.help;
    m_cancelButton = row.cancel;
    m_okButton = row.ok;
    connect(m_okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_helpButton, &QPushButton::clicked, this, &RecipientsDialog::showHelp);
}

std::vector<std::string> RecipientsDialog::chosenFingerprints() const {
    std::vector<std::string> chosen;
    for (int row = 0; row < m_keyList->count(); ++row) {
        const QListWidgetItem *item = m_keyList->item(row);
        if (item->checkState() == Qt::Checked)
            chosen.push_back(m_keys[std::size_t(item->data(Qt::UserRole).toInt())].fingerprint);
    }
    return chosen;
}

bool RecipientsDialog::alsoToOwnKey() const {
    return !m_ownKey->isHidden() && m_ownKey->isEnabled() && m_ownKey->isChecked();
}

QString RecipientsDialog::groupedFingerprint(const QString &fingerprint) {
    return QString::fromStdString(cipher::groupedFingerprint(fingerprint.toStdString()));
}

bool RecipientsDialog::matchesFilter(const cipher::RecipientKey &key, const QString &filter) {
    const QString wanted = filter.trimmed();
    if (wanted.isEmpty())
        return true;
    for (const QString &userId : userIdsOf(key))
        if (userId.contains(wanted, Qt::CaseInsensitive))
            return true;
    QString digits = wanted;
    digits.remove(QLatin1Char(' '));
    return QString::fromStdString(key.fingerprint).contains(digits, Qt::CaseInsensitive);
}

// Hidden keys keep their check marks; the count below the list tells how many are chosen in all.
// The first key shown becomes the current one, so that the keyboard starts on a visible key.
void RecipientsDialog::applyFilter(const QString &filter) {
    QListWidgetItem *firstShown = nullptr;
    for (int row = 0; row < m_keyList->count(); ++row) {
        QListWidgetItem *item = m_keyList->item(row);
        const bool shown =
            matchesFilter(m_keys[std::size_t(item->data(Qt::UserRole).toInt())], filter);
        item->setHidden(!shown);
        if (shown && firstShown == nullptr)
            firstShown = item;
    }
    m_keyList->setCurrentItem(firstShown);
}

// With no key chosen there is nothing to add the own key to: a phrase protects the text.
void RecipientsDialog::showChosenCount() {
    const std::size_t chosen = chosenFingerprints().size();
    if (m_keys.empty())
        m_chosenCount->setText(tr("The keyring holds no key that can encrypt.  "
                                  "The text will be protected by a phrase."));
    else if (chosen == 0)
        m_chosenCount->setText(tr("No key chosen: the text will be protected by a phrase."));
    else if (chosen == 1)
        m_chosenCount->setText(tr("1 key chosen."));
    else
        //: Two keys or more; one key has a text of its own.
        m_chosenCount->setText(tr("%n keys chosen.", nullptr, int(chosen)));
    m_ownKey->setEnabled(chosen > 0);
    // A message protected by a phrase is not signed.
    m_sign->setEnabled(chosen > 0 && m_signerKnown);
}

void RecipientsDialog::showHelp() {
    platform::topicJump(QStringLiteral("Help_Recipients"));
}

void RecipientsDialog::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    platform::centreOnScreen(this);
    m_filter->setFocus();
}
