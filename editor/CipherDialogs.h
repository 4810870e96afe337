// The prompts and boxes that Encrypt and Decrypt share: a phrase asked for in the passphrase
// dialog, the offer to try again after a phrase that does not match, and the closing warning.
#pragma once

#include "cipher/SecretString.h"
#include "dialogs/PassphraseEdit.h"

#include <QString>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

class QWidget;
class PassphraseDialog;

namespace cipher_dialogs {

// The cipher's own words (plain ASCII) as a message box shows them.
QString messageText(std::string_view words);

// Shows the dialog with the prompt; the phrase typed, or empty when it closed without OK.
std::optional<cipher::SecretString> askPhrase(PassphraseDialog &dialog, std::string_view prompt);

// The same for a phrase that cannot be empty, under the entry's rule: an empty one gets the
// stop beep and a box with the words saying a phrase is needed, then the prompt again.
std::optional<cipher::SecretString> askRequiredPhrase(PassphraseDialog &dialog,
                                                      std::string_view prompt,
                                                      PassphraseEdit::Rule rule,
                                                      std::string_view neededWords);

// A Method 02 phrase: any characters, case kept, 1 to 64 of them.
std::optional<cipher::SecretString> askMethod02Phrase(PassphraseDialog &dialog,
                                                      std::string_view prompt);

// A new phrase, typed twice unless it is empty: askFirst asks for it in the dialog, then the
// dialog asks to confirm it; phrases that differ get the offer to try again. Nothing when the
// user gives up. One dialog serves the whole exchange: it empties itself at every showing.
using FirstPhraseAsk = std::function<std::optional<cipher::SecretString>(PassphraseDialog &)>;
std::optional<cipher::SecretString> askConfirmedPhrase(QWidget *owner,
                                                       const FirstPhraseAsk &askFirst);

// A phrase that does not match: the stop beep and an error box with Cancel and Retry, Enter
// pressing Retry and Escape Cancel. True when the user chose Retry.
bool retryAfterMismatch(QWidget *owner, std::string_view words);

// A warning after the text has been replaced: the exclamation beep and a box with OK.
void warn(QWidget *owner, std::string_view words);

} // namespace cipher_dialogs
