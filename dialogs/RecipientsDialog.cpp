// The recipients dialog: its layout, the filter that hides keys, the count of keys chosen, and
// the own-key choice that only means something while a key is chosen.
#include "dialogs/RecipientsDialog.h"

#include "dialogs/DialogParts.h"
#include "platform/DialogPlacement.h"
#include "platform/Help.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// GnuPG shows a fingerprint in groups of four digits, its two halves apart.
constexpr int fingerprintGroup = 4;
constexpr int fingerprintHalf = 20;

// The list item's text: every user ID on a line of its own, then the fingerprint.
QString keyCaption(const RecipientKey &key) {
    QStringList lines = key.userIds;
    lines << RecipientsDialog::groupedFingerprint(key.fingerprint);
    return lines.join(QLatin1Char('\n'));
}

} // namespace

RecipientsDialog::RecipientsDialog(const QList<RecipientKey> &keys, bool ownKeyOffered,
                                   QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint)
    , m_keys(keys) {
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
    buildKeyList(inside, keys);
    buildOwnKeyChoice(inside, ownKeyOffered);
    buildButtons();
    showChosenCount();
    setTabOrder(txt_Filter, lst_Recipients);
    setTabOrder(lst_Recipients, chk_OwnKey);
    setTabOrder(chk_OwnKey, OKBtn);
    setTabOrder(OKBtn, CancelBtn);
    setTabOrder(CancelBtn, HelpBtn);
}

void RecipientsDialog::buildFilter(QVBoxLayout *inside) {
    QWidget *frame = inside->parentWidget();
    auto *label = new QLabel(tr("&Filter:"), frame);
    label->setObjectName(QStringLiteral("lab_Filter"));
    label->setFont(dialogs::plainFont());
    txt_Filter = new QLineEdit(frame);
    txt_Filter->setObjectName(QStringLiteral("txt_Filter"));
    txt_Filter->setFont(dialogs::plainFont());
    txt_Filter->setClearButtonEnabled(true);
    txt_Filter->setPlaceholderText(tr("Name, e-mail address or fingerprint"));
    txt_Filter->setAccessibleName(tr("Filter"));
    txt_Filter->setAccessibleDescription(tr("Shows only the keys that match"));
    label->setBuddy(txt_Filter);
    connect(txt_Filter, &QLineEdit::textChanged, this, &RecipientsDialog::applyFilter);

    auto *row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(txt_Filter, 1);
    inside->addLayout(row);
}

void RecipientsDialog::buildKeyList(QVBoxLayout *inside, const QList<RecipientKey> &keys) {
    QWidget *frame = inside->parentWidget();
    auto *label = new QLabel(tr("&Keys to encrypt to:"), frame);
    label->setObjectName(QStringLiteral("lab_Recipients"));
    label->setFont(dialogs::plainFont());
    lst_Recipients = new QListWidget(frame);
    lst_Recipients->setObjectName(QStringLiteral("lst_Recipients"));
    lst_Recipients->setFont(dialogs::plainFont());
    lst_Recipients->setMinimumSize(380, 180);
    lst_Recipients->setAccessibleName(tr("Keys to encrypt to"));
    lst_Recipients->setAccessibleDescription(tr("Space checks or clears the key"));
    label->setBuddy(lst_Recipients);
    for (qsizetype i = 0; i < keys.size(); ++i) {
        auto *item = new QListWidgetItem(keyCaption(keys[i]), lst_Recipients);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
        item->setData(Qt::UserRole, int(i));
    }
    lst_Recipients->setCurrentRow(0);
    connect(lst_Recipients, &QListWidget::itemChanged, this, &RecipientsDialog::showChosenCount);

    lab_Chosen = new QLabel(frame);
    lab_Chosen->setObjectName(QStringLiteral("lab_Chosen"));
    lab_Chosen->setFont(dialogs::plainFont());
    lab_Chosen->setWordWrap(true);
    inside->addWidget(label);
    inside->addWidget(lst_Recipients, 1);
    inside->addWidget(lab_Chosen);
}

void RecipientsDialog::buildOwnKeyChoice(QVBoxLayout *inside, bool ownKeyOffered) {
    chk_OwnKey = new QCheckBox(tr("Also to my own key"), inside->parentWidget());
    chk_OwnKey->setObjectName(QStringLiteral("chk_OwnKey"));
    chk_OwnKey->setChecked(ownKeyOffered);
    chk_OwnKey->setHidden(!ownKeyOffered);
    inside->addWidget(chk_OwnKey);
}

void RecipientsDialog::buildButtons() {
    const dialogs::ButtonRow row = dialogs::addButtonRow(
        this, QStringLiteral("HelpBtn"), QStringLiteral("CancelBtn"), QStringLiteral("OKBtn"));
    HelpBtn = row.help;
    CancelBtn = row.cancel;
    OKBtn = row.ok;
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(HelpBtn, &QPushButton::clicked, this, &RecipientsDialog::HelpBtnClick);
}

QStringList RecipientsDialog::chosenFingerprints() const {
    QStringList chosen;
    for (int row = 0; row < lst_Recipients->count(); ++row) {
        const QListWidgetItem *item = lst_Recipients->item(row);
        if (item->checkState() == Qt::Checked)
            chosen << m_keys[item->data(Qt::UserRole).toInt()].fingerprint;
    }
    return chosen;
}

bool RecipientsDialog::alsoToOwnKey() const {
    return !chk_OwnKey->isHidden() && chk_OwnKey->isEnabled() && chk_OwnKey->isChecked();
}

QString RecipientsDialog::groupedFingerprint(const QString &fingerprint) {
    QString grouped;
    for (qsizetype at = 0; at < fingerprint.size(); at += fingerprintGroup) {
        if (at > 0)
            grouped += at == fingerprintHalf ? QStringLiteral("  ") : QStringLiteral(" ");
        grouped += fingerprint.mid(at, fingerprintGroup);
    }
    return grouped;
}

bool RecipientsDialog::matchesFilter(const RecipientKey &key, const QString &filter) {
    const QString wanted = filter.trimmed();
    if (wanted.isEmpty())
        return true;
    for (const QString &userId : key.userIds)
        if (userId.contains(wanted, Qt::CaseInsensitive))
            return true;
    QString digits = wanted;
    digits.remove(QLatin1Char(' '));
    return key.fingerprint.contains(digits, Qt::CaseInsensitive);
}

// Hidden keys keep their check marks; the count below the list tells how many are chosen in all.
// The first key shown becomes the current one, so that the keyboard starts on a visible key.
void RecipientsDialog::applyFilter(const QString &filter) {
    QListWidgetItem *firstShown = nullptr;
    for (int row = 0; row < lst_Recipients->count(); ++row) {
        QListWidgetItem *item = lst_Recipients->item(row);
        const bool shown = matchesFilter(m_keys[item->data(Qt::UserRole).toInt()], filter);
        item->setHidden(!shown);
        if (shown && firstShown == nullptr)
            firstShown = item;
    }
    lst_Recipients->setCurrentItem(firstShown);
}

// With no key chosen there is nothing to add the own key to: a phrase protects the text.
void RecipientsDialog::showChosenCount() {
    const qsizetype chosen = chosenFingerprints().size();
    if (m_keys.isEmpty())
        lab_Chosen->setText(tr("The keyring holds no key that can encrypt.  "
                               "The text will be protected by a phrase."));
    else if (chosen == 0)
        lab_Chosen->setText(tr("No key chosen: the text will be protected by a phrase."));
    else if (chosen == 1)
        lab_Chosen->setText(tr("1 key chosen."));
    else
        lab_Chosen->setText(tr("%1 keys chosen.").arg(chosen));
    chk_OwnKey->setEnabled(chosen > 0);
}

void RecipientsDialog::HelpBtnClick() {
    platform::topicJump(QStringLiteral("Help_Recipients"));
}

void RecipientsDialog::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    platform::centreOnScreen(this);
    txt_Filter->setFocus();
}
