// The sixteen skill lines in their group order (Combat, Thief, Social, Tech),
// each with everything the program needs of it: its box, its group, its
// counter of purchased ranks and that counter's name, the Adjusted box of its
// governing attribute, its buttons and handlers, its sheet label and its
// column in the race and background tables. Form1 binds each row to its boxes
// when the window is built (Form1::skill_lines()).
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
    std::string_view plus_button;
    std::string_view minus_button;
    void (Form1::*plus_click)();
    void (Form1::*minus_click)();
    std::string_view sheet_label;  // padded for its column of the sheet (left: even rows)
    double SkillValues::*value;
};

inline constexpr SkillRow skill_rows[] = {
    {"bow", SkillGroup::combat, &Form1::bowCPspent, "bowCPspent", "Adjdexterity",
     "bow_plus", "bow_minus", &Form1::bow_plus_Click, &Form1::bow_minus_Click,
     "Bow:         ", &SkillValues::bow},
    {"dodge", SkillGroup::combat, &Form1::dodgeCPspent, "dodgeCPspent", "Adjdexterity",
     "dodge_plus", "dodge_minus", &Form1::dodge_plus_Click, &Form1::dodge_minus_Click,
     "Dodge:             ", &SkillValues::dodge},
    {"melee", SkillGroup::combat, &Form1::meleeCPspent, "meleeCPspent", "Adjdexterity",
     "melee_plus", "melee_minus", &Form1::melee_plus_Click, &Form1::melee_minus_Click,
     "Melee:       ", &SkillValues::melee},
    {"throwing", SkillGroup::combat, &Form1::throwingCPspent, "throwingCPspent", "Adjdexterity",
     "throwing_plus", "throwing_minus", &Form1::throwing_plus_Click, &Form1::throwing_minus_Click,
     "Throwing:          ", &SkillValues::throwing},
    {"backstab", SkillGroup::thief, &Form1::backstabCPspent, "backstabCPspent", "Adjdexterity",
     "backstab_plus", "backstab_minus", &Form1::backstab_plus_Click, &Form1::backstab_minus_Click,
     "Backstab:    ", &SkillValues::backstab},
    {"pickpocket", SkillGroup::thief, &Form1::pickpocketCPspent, "pickpocketCPspent", "Adjdexterity",
     "pickpocket_plus", "pickpocket_minus", &Form1::pickpocket_plus_Click, &Form1::pickpocket_minus_Click,
     "Pick Pocket:       ", &SkillValues::pickpocket},
    {"prowling", SkillGroup::thief, &Form1::prowlingCPspent, "prowlingCPspent", "Adjperception",
     "prowling_plus", "prowling_minus", &Form1::prowling_plus_Click, &Form1::prowling_minus_Click,
     "Prowling:    ", &SkillValues::prowling},
    {"spottrap", SkillGroup::thief, &Form1::spottrapCPspent, "spottrapCPspent", "Adjperception",
     "spottrap_plus", "spottrap_minus", &Form1::spottrap_plus_Click, &Form1::spottrap_minus_Click,
     "Spot Trap:         ", &SkillValues::spottrap},
    {"gambling", SkillGroup::social, &Form1::gamblingCPspent, "gamblingCPspent", "Adjintelligence",
     "Gambling_plus", "Gambling_minus", &Form1::Gambling_plus_Click, &Form1::Gambling_minus_Click,
     "Gambling:    ", &SkillValues::gambling},
    {"haggle", SkillGroup::social, &Form1::haggleCPspent, "haggleCPspent", "Adjwillpower",
     "Haggle_plus", "Haggle_minus", &Form1::Haggle_plus_Click, &Form1::Haggle_minus_Click,
     "Haggle:            ", &SkillValues::haggle},
    {"heal", SkillGroup::social, &Form1::healCPspent, "healCPspent", "Adjintelligence",
     "Heal_plus", "Heal_minus", &Form1::Heal_plus_Click, &Form1::Heal_minus_Click,
     "Heal:        ", &SkillValues::heal},
    {"persuasion", SkillGroup::social, &Form1::persuasionCPspent, "persuasionCPspent", "Adjcharisma",
     "Persausion_plus", "Persausion_minus", &Form1::Persausion_plus_Click, &Form1::Persausion_minus_Click,
     "Persuasion:        ", &SkillValues::persuasion},
    {"repair", SkillGroup::tech, &Form1::repairCPspent, "repairCPspent", "Adjintelligence",
     "Repair_plus", "Repair_minus", &Form1::Repair_plus_Click, &Form1::Repair_minus_Click,
     "Repair:      ", &SkillValues::repair},
    {"firearms", SkillGroup::tech, &Form1::firearmsCPspent, "firearmsCPspent", "Adjdexterity",
     "Firearms_plus", "Firearms_minus", &Form1::Firearms_plus_Click, &Form1::Firearms_minus_Click,
     "Firearms:          ", &SkillValues::firearms},
    {"picklocks", SkillGroup::tech, &Form1::picklocksCPspent, "picklocksCPspent", "Adjdexterity",
     "Picklocks_plus", "Picklocks_minus", &Form1::Picklocks_plus_Click, &Form1::Picklocks_minus_Click,
     "Pick Locks:  ", &SkillValues::picklocks},
    {"adtraps", SkillGroup::tech, &Form1::adtrapsCPspent, "adtrapsCPspent", "Adjperception",
     "ADTraps_plus", "ADTraps_minus", &Form1::ADTraps_plus_Click, &Form1::ADTraps_minus_Click,
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
