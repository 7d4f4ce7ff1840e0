// The background table: each background's list entry, the caption it shows
// once applied, its modifiers to the Adjusted attributes and the skills, and
// its description, by background index (the order of the background list).
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "sheet/attribute_lines.h"
#include "sheet/skill_lines.h"

namespace tessmar {

inline constexpr std::size_t background_count = 38;

struct BackgroundRow {
    std::string_view entry;    // as Background_Selection lists it
    std::string_view caption;  // as Current_background shows it; five differ from their entries
    AttributeValues modifiers = {};  // added to the Adjusted boxes; 0 leaves a box alone
    SkillValues skills = {};         // added to the skill boxes; 0 leaves a box alone
    std::string_view description;
};

extern const std::array<BackgroundRow, background_count> background_table;

}  // namespace tessmar
