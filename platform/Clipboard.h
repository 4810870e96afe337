// The clipboard as the program fills it: a plain text is marked secret for the desktop's
// clipboard managers, which then keep it out of their history; an armoured block, meant to be
// pasted into mail, is offered plainly. At shutdown the program takes its plain text back.
#pragma once

class QMimeData;
class QString;

namespace platform {

// The MIME type and value that clipboard managers honour as "do not keep".
inline constexpr const char *secretHintType = "x-kde-passwordManagerHint";
inline constexpr const char *secretHintValue = "secret";

// The data for copying the text: marked secret (and as this program's) unless `armoured`.
QMimeData *clipboardData(const QString &text, bool armoured);

// Empties the clipboard when it still holds plain text that this program put there; anything
// else (an armoured block, another program's text) stays.
void clearOwnPlainText();

} // namespace platform
