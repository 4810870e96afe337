// The window in its user's language.
#pragma once

// Loads the catalogues of the desktop's language and tells the window's word lookup the patterns
// of the system's sentences that carry values, so that they read in that language too.
void speakUserLanguage();
