// The OpenPGP recipients dialog RecipientsDialog: the keyring's keys that can encrypt, a filter,
// any number of them chosen, "Also to my own key", and "Sign with my own key". It takes the
// table's keys, not GnuPG's types.
#pragma once

#include "cipher/Method.h"

#include <QDialog>

#include <string>
#include <vector>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QVBoxLayout;

class RecipientsDialog : public QDialog {
    Q_OBJECT

public:
    // Each key shows its user IDs (UTF-8), its fingerprint (as GnuPG gives it: 40 hexadecimal
    // digits, no blanks) and its validity, by which two keys with one name are told apart. When
    // one of them is the user's own key, "Also to my own key" is shown, checked, with the key's
    // first user ID and fingerprint beside it.
    explicit RecipientsDialog(std::vector<cipher::RecipientKey> keys, QWidget *parent = nullptr);

    // The fingerprints of the keys chosen, in the list's order, whether the filter shows
    // them or not. None: the text is to be protected by a phrase instead.
    std::vector<std::string> chosenFingerprints() const;
    // Whether the message is to be encrypted to the user's own key as well.
    bool alsoToOwnKey() const;

    // Offers to sign the message with the user's own signing key, named under the check box,
    // with the words saying why it cannot sign, if it cannot; without a key the box stays
    // unavailable, as it is while no key is chosen. Not offered, the box stays hidden.
    void offerSigning(const std::optional<cipher::RecipientKey> &signer, const QString &refusal,
                      bool checked);
    // Whether the message is to be signed.
    bool signs() const;

    // A fingerprint in GnuPG's groups of four, a wider gap in the middle.
    static QString groupedFingerprint(const QString &fingerprint);
    // Whether a key matches the filter: the filter, without regard to case, in one of its user
    // IDs, or without its blanks in its fingerprint. A blank filter matches every key.
    static bool matchesFilter(const cipher::RecipientKey &key, const QString &filter);

    // Jumps to the help topic of the dialog; choice and focus stay as they are.
    void showHelp();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void buildFilter(QVBoxLayout *inside);
    void buildKeyList(QVBoxLayout *inside);
    void buildOwnKeyChoice(QVBoxLayout *inside);
    void buildSigningChoice(QVBoxLayout *inside);
    void buildButtons();
    void applyFilter(const QString &filter);
    void showChosenCount();

    std::vector<cipher::RecipientKey> m_keys;
    QLineEdit *m_filter = nullptr;
    QListWidget *m_keyList = nullptr;
    QLabel *m_chosenCount = nullptr;
    QCheckBox *m_ownKey = nullptr;
    QCheckBox *m_sign = nullptr;
    QLabel *m_signer = nullptr;
    bool m_signerKnown = false; // the own signing key was offered
    QPushButton *m_helpButton = nullptr;
    QPushButton *m_cancelButton = nullptr;
    QPushButton *m_okButton = nullptr;
};
