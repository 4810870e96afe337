// The system's own sentences that the window shows in its user's language.
//
// TRANSLATABLE marks them for the translators' tool, which reads it as Qt's QT_TRANSLATE_NOOP;
// the program itself sees the English, which qvl and the tests read as it stands. A sentence
// that carries values is a pattern with %1 to %9 in their places, composed here, so that a
// translation can move the values; each library lists its patterns, so that the window can find
// the pattern of a composed sentence and put the values into the translated one.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#define TRANSLATABLE(context, text) text

namespace cipher::words {

// The pattern with %1 to %9 replaced by the values in order, in one pass: a value that holds
// "%2" itself stays as it is.
std::string composed(std::string_view pattern, std::initializer_list<std::string_view> values);

} // namespace cipher::words
