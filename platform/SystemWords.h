// The system's own English sentences that come from outside the window (the method table, the
// block reader, GnuPG's side) in the user's language.
#pragma once

#include <QString>

#include <span>
#include <string_view>

namespace platform {

// Adds the patterns of a library's sentences that carry values (with %1 to %9 in their places),
// so that systemWords finds the pattern of a composed sentence.
void addWordPatterns(std::span<const std::string_view> patterns);

// The words as the window's catalogue has them under the context "Words", line by line. A line
// composed from a pattern is the translated pattern with the line's values in their places, each
// value itself translated where the catalogue holds it, and numbers written as the language writes
// them where the translation asks so (%L1). Words the catalogue does not hold (a file name,
// GnuPG's own words) stand as they are, so without a catalogue the English stands byte for
// byte.
QString systemWords(std::string_view english);

} // namespace platform
