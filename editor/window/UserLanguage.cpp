#include "editor/window/UserLanguage.h"

#include "cipher/Messages.h"
#include "openpgp/Words.h"
#include "platform/Language.h"
#include "platform/SystemWords.h"

void speakUserLanguage() {
    platform::loadTranslations();
    platform::addWordPatterns(cipher::messages::composedPatterns);
    platform::addWordPatterns(openpgp::words::composedPatterns);
}
