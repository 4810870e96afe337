// The masked entry of the passphrase dialog, every character shown as "*". For Methods 00 and
// 01 letters turn to capitals as they arrive, a character the code page cannot hold is refused
// with a stop beep (the rest of the input kept), and it holds at most 16 characters; for Method 02
// it keeps any character and its case, up to 64 characters; for an OpenPGP passphrase, any
// character and its case, of any length.
#pragma once

#include "cipher/SecretString.h"
#include <QLineEdit>

#include <string>

class PassphraseEdit : public QLineEdit {
    Q_OBJECT

public:
    static constexpr int maxPhraseLength = 16;
    static constexpr int maxMethod02Length = 64;

    // Which phrases the entry takes: the keystream methods', Method 02's, or a GnuPG key's or
    // OpenPGP message's (GnuPG sets no limit to their length).
    enum class Rule { Methods00And01, Method02, AnyLength };

    explicit PassphraseEdit(QWidget *parent = nullptr);

    // Switches the rule and empties the entry.
    void setRule(Rule rule);
    Rule rule() const { return m_rule; }

    // The entry as the bytes that the cipher takes: Windows-1252 for Methods 00 and 01 (the
    // entry holds no other character), UTF-8 for the other rules.
    cipher::SecretString phraseBytes() const;

    // The text as the entry keeps it under the rule, typed, pasted, dropped or composed alike.
    // The cursor position moves with any character taken out; `refused` tells whether a
    // character the rule refuses was taken out.
    static QString normalised(const QString &text, int &cursor, Rule rule, bool &refused);

private:
    Rule m_rule = Rule::Methods00And01;
};
