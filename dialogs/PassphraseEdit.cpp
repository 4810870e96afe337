// The passphrase entry: a filter that rewrites every change of the text (typing, paste,
// drop, setText) under the entry's rule before it is shown, and a style whose mask character
// is "*".
#include "dialogs/PassphraseEdit.h"

#include "cipher/Method.h"
#include "cipher/PhraseCase.h"
#include "platform/Beep.h"
#include "platform/CodePage.h"

#include <QProxyStyle>
#include <QValidator>

namespace {

// Overwrites the characters where they stand, in every string that shares them, and empties
// the string: writing through the shared data leaves no copy behind as a detaching write would.
void wipeCharacters(QString &text) {
    cipher::secret::wipe(const_cast<QChar *>(text.constData()),
                         std::size_t(text.size()) * sizeof(QChar));
    text.clear();
}

// Rewrites every text the entry is given into what a phrase may hold, and accepts it.
class PhraseFilter : public QValidator {
public:
    explicit PhraseFilter(PassphraseEdit *edit)
        : QValidator(edit)
        , m_edit(edit) {}

    State validate(QString &input, int &pos) const override {
        bool refused = false;
        QString filtered = PassphraseEdit::normalised(input, pos, m_edit->rule(), refused);
        // The filtered copy goes unless it differs; the input is the entry's own text.
        if (filtered == input)
            wipeCharacters(filtered);
        else
            input.swap(filtered);
        // Once filtered, the text holds nothing to refuse, so a later validation of the same
        // text never beeps again.
        if (refused) {
            platform::messageBeep(platform::BeepKind::Hand);
            emit m_edit->characterRefused();
        }
        return Acceptable;
    }

private:
    PassphraseEdit *m_edit;
};

// The mask character comes from the style; the phrase shows as "*", never briefly in clear.
class AsteriskStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override {
        if (hint == SH_LineEdit_PasswordCharacter)
            return '*';
        if (hint == SH_LineEdit_PasswordMaskDelay)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

// A capital only when the code page holds it as one character: "ß" and "µ" stay as they are.
QChar phraseChar(QChar c) {
    const QChar upper = c.toUpper();
    return cipher::phraseCharacterHeld(upper.unicode()) ? upper : c;
}

// A phrase kept as typed keeps every character, up to the rule's number of them (a character
// outside the basic plane is one character, two UTF-16 units); a zero character is dropped.
QString phraseAsTyped(const QString &text, int &cursor, std::size_t maxCharacters) {
    QString result;
    std::size_t characters = 0;
    int newCursor = -1;
    for (qsizetype i = 0; i < text.size() && characters < maxCharacters; ++i) {
        if (newCursor < 0 && i >= cursor)
            newCursor = int(result.size());
        if (text[i].isNull())
            continue;
        result += text[i];
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            result += text[++i];
        ++characters;
    }
    cursor = newCursor < 0 ? int(result.size()) : newCursor;
    return result;
}

// The most UTF-16 units the rule's characters take: two for a character outside the basic
// plane where the phrase is kept as typed; the filter counts the characters themselves.
int maxUnits(const cipher::PhraseRule &rule) {
    return int(rule.upperCased() ? rule.maxCharacters : 2 * rule.maxCharacters);
}

} // namespace

PassphraseEdit::PassphraseEdit(QWidget *parent)
    : QLineEdit(parent)
    , m_rule(&cipher::plainEncryptMethod().phraseRule) {
    setEchoMode(QLineEdit::Password);
    setMaxLength(maxUnits(*m_rule));
    setValidator(new PhraseFilter(this));
    // The widget keeps only a guarded pointer to its style, so owning it here is safe.
    auto *style = new AsteriskStyle;
    style->setParent(this);
    setStyle(style);
}

void PassphraseEdit::setRule(const cipher::PhraseRule &rule) {
    m_rule = &rule;
    setMaxLength(maxUnits(rule));
    clear();
}

void PassphraseEdit::wipe() {
    QString held = text();
    wipeCharacters(held);
    setText(QString());
}

// Written straight into a string that wipes itself; the UTF-8 conversion's buffer is wiped too.
cipher::SecretString PassphraseEdit::phraseBytes() const {
    const QString shown = text();
    cipher::SecretString bytes;
    if (!m_rule->upperCased()) {
        QByteArray utf8 = shown.toUtf8();
        bytes.assign(utf8.constData(), std::size_t(utf8.size()));
        cipher::secret::wipe(utf8.data(), std::size_t(utf8.size()));
        return bytes;
    }
    bytes.reserve(std::size_t(shown.size()));
    for (const QChar c : shown)
        bytes += static_cast<char>(platform::cp1252::toByte(c));
    return bytes;
}

QString PassphraseEdit::normalised(const QString &text, int &cursor, const cipher::PhraseRule &rule,
                                   bool &refused) {
    refused = false;
    if (!rule.upperCased())
        return phraseAsTyped(text, cursor, rule.maxCharacters);
    QString result;
    result.reserve(text.size());
    int newCursor = -1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (newCursor < 0 && i >= cursor)
            newCursor = int(result.size());
        const QChar c = text[i];
        // A character outside the basic plane is never one Windows-1252 holds.
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        if (c.isNull() || c.isSurrogate() || !cipher::phraseCharacterHeld(c.unicode())) {
            refused = true;
            continue;
        }
        result += phraseChar(c);
    }
    cursor = newCursor < 0 ? int(result.size()) : newCursor;
    return result;
}
