// The prompts and boxes that Encrypt and Decrypt share: a phrase asked for in the passphrase
// dialog, the offer to try again after a phrase that does not match, and the closing warning.
#pragma once

#include "cipher/DecryptSession.h"
#include "cipher/PhraseRule.h"
#include "cipher/SecretString.h"

#include <QString>
#include <optional>
#include <string>
#include <string_view>

class QWidget;
class PassphraseDialog;

namespace cipher_dialogs {

// The methods' words as a message box shows them, in the user's language; words the catalogue
// does not hold (a key's user ID, GnuPG's own words) stand as they are, read as UTF-8.
QString messageText(std::string_view words);

// Shows the dialog with the prompt, its Help button opening the help topic; the phrase typed, or
// empty when it closed without OK.
std::optional<cipher::SecretString> askPhrase(PassphraseDialog &dialog, std::string_view prompt,
                                              std::string_view helpTopic);

// The same under a method's phrase rule: where the rule needs a phrase, an empty one gets the
// stop beep and a box saying so, then the prompt again.
std::optional<cipher::SecretString> askRuledPhrase(PassphraseDialog &dialog,
                                                   const cipher::PhraseRule &rule,
                                                   std::string_view prompt,
                                                   std::string_view helpTopic);

// A phrase a method asks for, in a new passphrase dialog for one attempt, gone as soon as it
// closes.
std::optional<cipher::SecretString> askPhraseOnce(QWidget *owner,
                                                  const cipher::PhraseRequest &request);

// A new phrase under the rule, typed twice unless it is empty; empty when the user gives up.
// One dialog serves the whole exchange: it empties itself at every showing. The phrases wipe
// themselves when they go.
std::optional<cipher::SecretString> askNewPhrase(QWidget *owner, const cipher::PhraseRule &rule);

// A phrase that does not match: the stop beep and an error box with Cancel and Retry, Enter
// pressing Retry and Escape Cancel. True when the user chose Retry.
bool retryAfterMismatch(QWidget *owner, std::string_view words);

// A warning after the text has been replaced: the exclamation beep and a box with OK.
void warn(QWidget *owner, std::string_view words);

} // namespace cipher_dialogs
