// Description texts of the races and backgrounds, by race and background index.
#pragma once

#include <array>
#include <string_view>

namespace tessmar {

// Description of each race, by race index (the two genders of a race share one text).
extern const std::array<std::string_view, 12> race_description_table;

// Description of each background, by background index.
extern const std::array<std::string_view, 38> background_description_table;

}  // namespace tessmar
