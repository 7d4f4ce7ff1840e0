// The race table: each race/gender's list entry and caption, the values it
// writes on a new character's sheet, its part of the aptitude, the backgrounds
// it bars and its description, by race index (the position in the sorted race
// list).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string_view>

#include "platform/controls.h"
#include "race_background/background_table.h"
#include "sheet/attribute_lines.h"
#include "sheet/skill_lines.h"

namespace tessmar {

inline constexpr std::size_t race_count = 12;

// A set of backgrounds, by background index.
struct BackgroundSet {
    std::array<bool, background_count> holds{};

    constexpr bool contains(int index) const
    {
        const auto row = table_row(index, background_count);
        return row && holds[*row];
    }
};

// The backgrounds with those list entries; an entry that names no background,
// or one named twice, fails to compile.
consteval BackgroundSet barred(std::initializer_list<std::string_view> entries)
{
    BackgroundSet set;
    for (std::string_view entry : entries) {
        const std::size_t index = background_index(entry);
        if (set.holds[index]) throw "a background barred twice";
        set.holds[index] = true;
    }
    return set;
}

struct RaceRow {
    std::string_view entry;    // as Race_Selection lists it
    // As Current_race shows it; the background check compares it whole and
    // takes the first row that matches, so no two rows share one.
    std::string_view caption;
    // Whole values written on the sheet, not amounts added to anything.
    int hitpoints = 0, fatigue = 0;
    AttributeValues adjusted = {};
    SkillValues skills = {};
    std::int16_t raceaptitude = 0;  // above 0 toward magick, below 0 toward technology
    BackgroundSet barred_backgrounds = {};
    std::string_view description;  // the two genders of a race share one text
};

extern const std::array<RaceRow, race_count> race_table;

// The index of the race whose list entry is that text; -1 when none is.
int race_index(std::string_view entry);

}  // namespace tessmar
