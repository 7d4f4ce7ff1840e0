// The sheet boxes that the race and background tables write: the sixteen skill
// boxes with a value for each, and the eight Adjusted attribute boxes.
#pragma once

#include <array>
#include <utility>

#include "sheet/skill_lines.h"
#include "window/form1.h"

namespace tessmar {

// One value per skill box, in the fixed skill order; 0 where a row names no value.
struct SkillValues {
    double bow = 0, dodge = 0, melee = 0, throwing = 0;                // Combat
    double backstab = 0, pickpocket = 0, prowling = 0, spottrap = 0;   // Thief
    double gambling = 0, haggle = 0, heal = 0, persuasion = 0;         // Social
    double repair = 0, firearms = 0, picklocks = 0, adtraps = 0;       // Tech
};

// The same value on all four skills of a group.
constexpr SkillValues all_combat(double v) { return {.bow = v, .dodge = v, .melee = v, .throwing = v}; }
constexpr SkillValues all_tech(double v) { return {.repair = v, .firearms = v, .picklocks = v, .adtraps = v}; }

// Each skill box paired with its value from `values`.
inline std::array<std::pair<TextBox*, double>, 16> skill_boxes(Form1& form, const SkillValues& values)
{
    const std::array<double, 16> in_order{values.bow,      values.dodge,      values.melee,    values.throwing,
                                          values.backstab, values.pickpocket, values.prowling, values.spottrap,
                                          values.gambling, values.haggle,     values.heal,     values.persuasion,
                                          values.repair,   values.firearms,   values.picklocks, values.adtraps};
    std::array<std::pair<TextBox*, double>, 16> paired;
    const auto lines = skill_lines(form);
    for (std::size_t i = 0; i < paired.size(); ++i) paired[i] = {&lines[i].box, in_order[i]};
    return paired;
}

// The Adjusted attribute boxes in the order in which they are coloured.
inline std::array<TextBox*, 8> adjusted_boxes(Form1& form)
{
    return {&form.Adjstrength, &form.Adjdexterity,    &form.Adjconstitution, &form.Adjbeauty,
            &form.Adjintelligence, &form.Adjwillpower, &form.Adjperception,   &form.Adjcharisma};
}

// Green above 8, red below 8; at exactly 8 the box keeps whatever colour it has.
inline void colour_adjusted(TextBox& box)
{
    if (box.value() > 8) box.back_color = greencolor;
    if (box.value() < 8) box.back_color = redcolor;
}

}  // namespace tessmar
