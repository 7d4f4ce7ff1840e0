// The eight attribute lines in the window's order (left column ST, CN, DX, BE,
// right column IN, WP, PE, CH), each with what the rules need of it: its Base
// and Adjusted boxes, its counter of bought points, what it feeds, its sheet
// label and its column in the race and background tables. Form1 binds each row
// to its boxes when the window is built (Form1::attribute_lines()).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "window/form1.h"

namespace tessmar {

// One value per attribute, as a race row sets the Adjusted boxes or a
// background row adds to them; 0 where a row names no value.
struct AttributeValues {
    int ST = 0, CN = 0, DX = 0, BE = 0, IN = 0, WP = 0, PE = 0, CH = 0;
};

struct AttributeRow {
    std::string_view base;      // the Base box
    std::string_view adjusted;  // the Adjusted box
    std::int16_t Form1::*bought;
    // The name that plus_stats and minus_stats are handed: only the lines that
    // also move hit points or fatigue carry one.
    std::string_view stat_name;
    // The derived statistics that the line feeds, refreshed after each of its
    // clicks.
    Derived feeds;
    std::string_view sheet_label;
    int AttributeValues::*value;
};

inline constexpr AttributeRow attribute_rows[] = {
    {"Strength", "Adjstrength", &Form1::cpST, "Strength",
     Derived::of_strength, "Strength:      ", &AttributeValues::ST},
    {"Constitution", "Adjconstitution", &Form1::cpCN, "Constitution",
     Derived::none, "Constitution:  ", &AttributeValues::CN},
    {"Dexterity", "Adjdexterity", &Form1::cpDX, "",
     Derived::of_dexterity, "Dexterity:     ", &AttributeValues::DX},
    {"Beauty", "Adjbeauty", &Form1::cpBE, "",
     Derived::none, "Beauty:        ", &AttributeValues::BE},
    {"Intelligence", "Adjintelligence", &Form1::cpIN, "",
     Derived::none, "Intelligence:  ", &AttributeValues::IN},
    {"Willpower", "Adjwillpower", &Form1::cpWP, "Willpower",
     Derived::none, "Willpower:     ", &AttributeValues::WP},
    {"Perception", "Adjperception", &Form1::cpPE, "",
     Derived::none, "Perception:    ", &AttributeValues::PE},
    {"Charisma", "Adjcharisma", &Form1::cpCH, "",
     Derived::none, "Charisma:      ", &AttributeValues::CH},
};
static_assert(std::size(attribute_rows) == attribute_count, "one row per attribute line");

// The row whose Base box has that name; a name with no row fails to compile.
consteval std::size_t attribute_index(std::string_view base)
{
    for (std::size_t i = 0; i < attribute_count; ++i)
        if (attribute_rows[i].base == base) return i;
    throw "no attribute line of that name";
}

// Green above 8, red below 8; at exactly 8 the box keeps whatever colour it has.
inline void colour_adjusted(TextBox& box)
{
    if (box.value() > 8) box.back_color = greencolor;
    if (box.value() < 8) box.back_color = redcolor;
}

}  // namespace tessmar
