// The user's language: the window's catalogue and Qt's own, chosen from the desktop's locale.
#pragma once

#include <QString>

namespace platform {

// Loads the catalogues of the first of the desktop's languages (QLocale::system().uiLanguages(),
// so LANGUAGE and LC_MESSAGES count) that the program speaks: its own words and Qt's (the file,
// font and colour dialogs, the standard buttons). English, the program's own words, needs none
// and stops the search, so a desktop that prefers English before another language keeps English.
void loadTranslations();

// The language whose catalogue is loaded ("de", "pt_BR"), or empty for English.
QString chosenLanguage();

} // namespace platform
