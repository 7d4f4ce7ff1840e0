// The sixteen skill lines in their group order (Combat, Thief, Social, Tech),
// each with what the rules need of it: its box, its group, its counter of
// purchased ranks and that counter's name, the Adjusted box of its governing
// attribute, its sheet label and its column in the race and background tables.
// Form1 binds each row to its boxes when the window is built
// (Form1::skill_lines()).
#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string_view>

#include "window/form1.h"

namespace tessmar {

// One value per skill box, as a race row sets it or a background row adds to
// it; 0 where a row names no value. These are bonuses on the box, in the unit
// of a purchased rank: a rank bought with a CP adds 1 to the box, while what
// the race and background descriptions call one rank is 0.25 here (the dwarves'
// "two ranks in every tech skill" are 0.5).
struct SkillValues {
    double bow = 0, dodge = 0, melee = 0, throwing = 0;                // Combat
    double backstab = 0, pickpocket = 0, prowling = 0, spottrap = 0;   // Thief
    double gambling = 0, haggle = 0, heal = 0, persuasion = 0;         // Social
    double repair = 0, firearms = 0, picklocks = 0, adtraps = 0;       // Tech
};

enum class SkillGroup : std::uint8_t { combat, thief, social, tech };

struct SkillRow {
    std::string_view box;
    SkillGroup group;
    float Form1::*counter;
    std::string_view counter_name;  // as the window's state lists it
    std::string_view governing;     // the Adjusted box that the rank ladder reads
    std::string_view sheet_label;  // padded for its column of the sheet (left: even rows)
    double SkillValues::*value;
};

inline constexpr SkillRow skill_rows[] = {
    {"bow", SkillGroup::combat, &Form1::bowCPspent, "bowCPspent", "Adjdexterity",
     "Bow:         ", &SkillValues::bow},
    {"dodge", SkillGroup::combat, &Form1::dodgeCPspent, "dodgeCPspent", "Adjdexterity",
     "Dodge:             ", &SkillValues::dodge},
    {"melee", SkillGroup::combat, &Form1::meleeCPspent, "meleeCPspent", "Adjdexterity",
     "Melee:       ", &SkillValues::melee},
    {"throwing", SkillGroup::combat, &Form1::throwingCPspent, "throwingCPspent", "Adjdexterity",
     "Throwing:          ", &SkillValues::throwing},
    {"backstab", SkillGroup::thief, &Form1::backstabCPspent, "backstabCPspent", "Adjdexterity",
     "Backstab:    ", &SkillValues::backstab},
    {"pickpocket", SkillGroup::thief, &Form1::pickpocketCPspent, "pickpocketCPspent", "Adjdexterity",
     "Pick Pocket:       ", &SkillValues::pickpocket},
    {"prowling", SkillGroup::thief, &Form1::prowlingCPspent, "prowlingCPspent", "Adjperception",
     "Prowling:    ", &SkillValues::prowling},
    {"spottrap", SkillGroup::thief, &Form1::spottrapCPspent, "spottrapCPspent", "Adjperception",
     "Spot Trap:         ", &SkillValues::spottrap},
    {"gambling", SkillGroup::social, &Form1::gamblingCPspent, "gamblingCPspent", "Adjintelligence",
     "Gambling:    ", &SkillValues::gambling},
    {"haggle", SkillGroup::social, &Form1::haggleCPspent, "haggleCPspent", "Adjwillpower",
     "Haggle:            ", &SkillValues::haggle},
    {"heal", SkillGroup::social, &Form1::healCPspent, "healCPspent", "Adjintelligence",
     "Heal:        ", &SkillValues::heal},
    {"persuasion", SkillGroup::social, &Form1::persuasionCPspent, "persuasionCPspent", "Adjcharisma",
     "Persuasion:        ", &SkillValues::persuasion},
    {"repair", SkillGroup::tech, &Form1::repairCPspent, "repairCPspent", "Adjintelligence",
     "Repair:      ", &SkillValues::repair},
    {"firearms", SkillGroup::tech, &Form1::firearmsCPspent, "firearmsCPspent", "Adjdexterity",
     "Firearms:          ", &SkillValues::firearms},
    {"picklocks", SkillGroup::tech, &Form1::picklocksCPspent, "picklocksCPspent", "Adjdexterity",
     "Pick Locks:  ", &SkillValues::picklocks},
    {"adtraps", SkillGroup::tech, &Form1::adtrapsCPspent, "adtrapsCPspent", "Adjperception",
     "Arm/Disarm Traps:  ", &SkillValues::adtraps},
};
static_assert(std::size(skill_rows) == skill_count, "one row per skill line");

// The row of the skill whose box has that name; a name with no row fails to compile.
consteval std::size_t skill_index(std::string_view box)
{
    for (std::size_t i = 0; i < skill_count; ++i)
        if (skill_rows[i].box == box) return i;
    throw "no skill line of that name";
}

// The same value on every skill of a group, 0 on the others.
constexpr SkillValues all_of(SkillGroup group, double v)
{
    SkillValues values;
    for (const SkillRow& row : skill_rows)
        if (row.group == group) values.*row.value = v;
    return values;
}
constexpr SkillValues all_combat(double v) { return all_of(SkillGroup::combat, v); }
constexpr SkillValues all_tech(double v) { return all_of(SkillGroup::tech, v); }

}  // namespace tessmar
