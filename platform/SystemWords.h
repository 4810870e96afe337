// The system's own English words that come from outside the window (the method table, the block
// reader, GnuPG's side) in the user's language.
#pragma once

#include <QString>

#include <string_view>

namespace platform {

// The words as the window's catalogue has them under the context "Words"; words it does not hold
// (a file name, GnuPG's own words) as they stand.
QString systemWords(std::string_view english);

} // namespace platform
