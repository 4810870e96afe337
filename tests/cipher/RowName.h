// Names the rows of a parameterised table after their `name` column, so a failure names its row.
#pragma once

#include <string>

namespace testing_cipher {

inline constexpr auto rowName = [](const auto &info) { return std::string(info.param.name); };

} // namespace testing_cipher
