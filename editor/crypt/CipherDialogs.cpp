// The prompts and boxes that Encrypt and Decrypt share.
#include "editor/crypt/CipherDialogs.h"

#include "cipher/Messages.h"
#include "dialogs/PassphraseDialog.h"
#include "platform/MessageBox.h"
#include "platform/SystemWords.h"

namespace cipher_dialogs {

QString messageText(std::string_view words) {
    return platform::systemWords(words);
}

std::optional<cipher::SecretString> askPhrase(PassphraseDialog &dialog, std::string_view prompt,
                                              std::string_view helpTopic) {
    dialog.setPrompt(messageText(prompt));
    dialog.setHelpTopic(QString::fromUtf8(helpTopic.data(), qsizetype(helpTopic.size())));
    if (dialog.exec() != QDialog::Accepted) {
        dialog.forgetPhrase();
        return std::nullopt;
    }
    cipher::SecretString phrase = dialog.phrase();
    dialog.forgetPhrase();
    return phrase;
}

std::optional<cipher::SecretString> askRuledPhrase(PassphraseDialog &dialog,
                                                   const cipher::PhraseRule &rule,
                                                   std::string_view prompt,
                                                   std::string_view helpTopic) {
    dialog.setPhraseRule(rule);
    for (;;) {
        std::optional<cipher::SecretString> phrase = askPhrase(dialog, prompt, helpTopic);
        if (!phrase || !phrase->empty() || !rule.required())
            return phrase;
        platform::beepAndShowMessageBox(dialog.parentWidget(), messageText(rule.phraseNeeded),
                                        platform::MessageKind::Error, platform::Ok);
    }
}

std::optional<cipher::SecretString> askPhraseOnce(QWidget *owner,
                                                  const cipher::PhraseRequest &request) {
    PassphraseDialog dialog(owner);
    return askRuledPhrase(dialog, request.rule, request.prompt, request.helpTopic);
}

std::optional<cipher::SecretString> askNewPhrase(QWidget *owner, const cipher::PhraseRule &rule) {
    PassphraseDialog dialog(owner);
    for (;;) {
        std::optional<cipher::SecretString> phrase =
            askRuledPhrase(dialog, rule, rule.newPhrasePrompt, rule.newPhraseHelp);
        if (!phrase || phrase->empty())
            return phrase;
        const std::optional<cipher::SecretString> again =
            askPhrase(dialog, cipher::messages::confirmPhrase, cipher::messages::confirmPhraseHelp);
        if (again && *again == *phrase)
            return phrase;
        if (!again || !retryAfterMismatch(owner, cipher::messages::phrasesDiffer))
            return std::nullopt;
    }
}

bool retryAfterMismatch(QWidget *owner, std::string_view words) {
    return platform::beepAndShowMessageBox(owner, messageText(words), platform::MessageKind::Error,
                                           platform::Cancel | platform::Retry) == platform::Retry;
}

void warn(QWidget *owner, std::string_view words) {
    platform::beepAndShowMessageBox(owner, messageText(words), platform::MessageKind::Warning,
                                    platform::Ok);
}

} // namespace cipher_dialogs
