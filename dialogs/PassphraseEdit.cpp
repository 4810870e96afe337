// The passphrase entry: a filter that rewrites every change of the text (typing, paste,
// drop, setText) before it is shown, and a style whose mask character is "*".
#include "dialogs/PassphraseEdit.h"

#include "platform/CodePage.h"

#include <QProxyStyle>
#include <QValidator>

namespace {

// Rewrites every text the entry is given into what a phrase may hold, and accepts it.
class PhraseFilter : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString &input, int &pos) const override {
        input = PassphraseEdit::normalised(input, pos);
        return Acceptable;
    }
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
    if (c.isNull() || !platform::cp1252::isRepresentable(c))
        return u'?';
    const QChar upper = c.toUpper();
    return platform::cp1252::isRepresentable(upper) ? upper : c;
}

} // namespace

PassphraseEdit::PassphraseEdit(QWidget *parent)
    : QLineEdit(parent) {
    setEchoMode(QLineEdit::Password);
    setMaxLength(maxPhraseLength);
    setValidator(new PhraseFilter(this));
    // The widget keeps only a guarded pointer to its style, so owning it here is safe.
    auto *style = new AsteriskStyle;
    style->setParent(this);
    setStyle(style);
}

std::string PassphraseEdit::phraseBytes() const {
    return platform::cp1252::encode(text());
}

QString PassphraseEdit::normalised(const QString &text, int &cursor) {
    QString result;
    result.reserve(text.size());
    int newCursor = -1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (newCursor < 0 && i >= cursor)
            newCursor = int(result.size());
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            result += u'?';
            ++i;
            continue;
        }
        result += phraseChar(c);
    }
    cursor = newCursor < 0 ? int(result.size()) : newCursor;
    return result;
}
