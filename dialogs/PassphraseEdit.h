// The masked entry of the passphrase dialog: letters turn to capitals as they arrive,
// characters the code page cannot hold turn to "?", at most 16 characters, each shown as "*".
#pragma once

#include <QLineEdit>
#include <string>

class PassphraseEdit : public QLineEdit {
    Q_OBJECT

public:
    static constexpr int maxPhraseLength = 16;

    explicit PassphraseEdit(QWidget *parent = nullptr);

    // The entry as the Windows-1252 bytes that the cipher takes.
    std::string phraseBytes() const;

    // The text as the entry keeps it. The cursor position moves with any character that
    // changes length (a character outside the basic plane becomes one "?").
    static QString normalised(const QString &text, int &cursor);
};
