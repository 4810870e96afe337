// The passphrase dialog PassphraseDialog: one prompt, one masked entry under a method's phrase
// rule (capital letters, or characters of any kind with their case kept, up to the rule's
// number), and OK, Cancel and Help. The caller sets the prompt, its help topic and the rule,
// shows it and reads phrase().
#pragma once

#include "dialogs/PassphraseEdit.h"

#include <QDialog>
#include <string>

class QFrame;
class QLabel;
class QPushButton;

class PassphraseDialog : public QDialog {
    Q_OBJECT

public:
    explicit PassphraseDialog(QWidget *parent = nullptr);

    void setPrompt(const QString &prompt);
    QString prompt() const;

    // Which phrases the entry takes; those of the method plain Encrypt writes until set.
    void setPhraseRule(const cipher::PhraseRule &rule);

    // The entry as the byte string that the cipher uses: Windows-1252 bytes for a rule of
    // capitals, else UTF-8.
    cipher::SecretString phrase() const;
    // Empties the entry and its undo history, so that the toolkit's own copies of the phrase
    // are let go as soon as the phrase has been read.
    void forgetPhrase();

    // The help topic that explains the prompt, as the method asking names it; until set, that
    // of Encrypt's first prompt.
    void setHelpTopic(const QString &topic);

    // Jumps to the help topic of the prompt shown; the dialog stays open as it is.
    void showHelp();

    // OK, unless the entry is empty only because every character typed since it last held
    // one was refused: then the dialog stays open, the note of the refused characters shown
    // again, and a second OK takes the empty phrase.
    void accept() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void buildBevel();
    // The note under the entry that names what the rule's phrases hold, shown and announced to
    // assistive tools as an alert.
    void noteRefusal();
    void buildButtons();
    // Every showing starts with an empty entry that has the focus.
    void startEmpty();

    QFrame *m_frame = nullptr;
    QLabel *m_prompt = nullptr;
    PassphraseEdit *m_entry = nullptr;
    QLabel *m_refusalNote = nullptr;
    // A character was refused and the entry has held none since.
    bool m_emptiedByRefusal = false;
    QPushButton *m_okButton = nullptr;
    QPushButton *m_cancelButton = nullptr;
    QPushButton *m_helpButton = nullptr;
    QString m_helpTopic = QStringLiteral("Help_Password1");
};
