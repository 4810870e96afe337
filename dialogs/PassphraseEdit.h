// The masked entry of the passphrase dialog, every character shown as "*", under the phrase rule
// of a method: for a rule of capitals, letters turn to capitals as they arrive and a character
// the code page cannot hold is refused with a stop beep (the rest of the input kept); for a rule
// that keeps the phrase as typed, any character and its case. Either way it holds at most the
// rule's number of characters.
#pragma once

#include "cipher/PhraseRule.h"
#include "cipher/SecretString.h"
#include <QLineEdit>

#include <string>

class PassphraseEdit : public QLineEdit {
    Q_OBJECT

public:
    // Takes the phrases of the method plain Encrypt writes until another rule is set.
    explicit PassphraseEdit(QWidget *parent = nullptr);

    // Switches the rule and empties the entry.
    void setRule(const cipher::PhraseRule &rule);
    const cipher::PhraseRule &rule() const { return *m_rule; }

    // The entry as the bytes that the cipher takes: Windows-1252 for a rule of capitals (the
    // entry holds no other character), UTF-8 otherwise.
    cipher::SecretString phraseBytes() const;
    // Overwrites the entry's characters where the entry keeps them, then empties it and its
    // undo history.
    void wipe();

    // The text as the entry keeps it under the rule, typed, pasted, dropped or composed alike.
    // The cursor position moves with any character taken out; `refused` tells whether a
    // character the rule refuses was taken out.
    static QString normalised(const QString &text, int &cursor, const cipher::PhraseRule &rule,
                              bool &refused);

signals:
    // A character the rule refuses was taken out of what was typed, pasted or dropped.
    void characterRefused();

private:
    const cipher::PhraseRule *m_rule;
};
