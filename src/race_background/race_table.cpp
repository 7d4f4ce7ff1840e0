// The race table and the race step: RaceSelection starts a new character from
// the highlighted race, and the race list's double click applies it.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "race_background/sheet_boxes.h"
#include "window/form1.h"

namespace tessmar {

namespace {

// One race/gender: the values written on the sheet (whole Adjusted values, not
// amounts added to anything), its caption and its part of the aptitude.
struct RaceRow {
    std::string_view caption;
    int hitpoints = 0, fatigue = 0;
    int ST = 0, CN = 0, DX = 0, BE = 0, IN = 0, WP = 0, PE = 0, CH = 0;
    SkillValues skills = {};
    std::int16_t raceaptitude = 0;  // above 0 toward magick, below 0 toward technology
};

// By race index, the position in the sorted race list.
constexpr std::array<RaceRow, 12> race_table{{
    {.caption = "Dwarf", .hitpoints = 32, .fatigue = 32,
     .ST = 9, .CN = 9, .DX = 7, .BE = 8, .IN = 8, .WP = 8, .PE = 8, .CH = 7,
     .skills = all_tech(0.5), .raceaptitude = -15},
    {.caption = "Elf/female", .hitpoints = 27, .fatigue = 29,
     .ST = 6, .CN = 7, .DX = 9, .BE = 9, .IN = 8, .WP = 9, .PE = 8, .CH = 8,
     .skills = all_tech(-0.5), .raceaptitude = 15},
    {.caption = "Elf/male", .hitpoints = 29, .fatigue = 27,
     .ST = 7, .CN = 6, .DX = 9, .BE = 9, .IN = 8, .WP = 9, .PE = 8, .CH = 8,
     .skills = all_tech(-0.5), .raceaptitude = 15},
    {.caption = "Gnome", .hitpoints = 32, .fatigue = 28,
     .ST = 8, .CN = 6, .DX = 8, .BE = 8, .IN = 8, .WP = 10, .PE = 8, .CH = 8,
     .skills = {.haggle = 0.5}, .raceaptitude = 0},
    {.caption = "Half-Elf/female", .hitpoints = 28, .fatigue = 30,
     .ST = 7, .CN = 8, .DX = 9, .BE = 9, .IN = 8, .WP = 8, .PE = 8, .CH = 8,
     .skills = all_tech(-0.25), .raceaptitude = 5},
    {.caption = "Half-Elf/male", .hitpoints = 30, .fatigue = 28,
     .ST = 8, .CN = 7, .DX = 9, .BE = 9, .IN = 8, .WP = 8, .PE = 8, .CH = 8,
     .skills = all_tech(-0.25), .raceaptitude = 5},
    {.caption = "Halfling", .hitpoints = 24, .fatigue = 30,
     .ST = 5, .CN = 8, .DX = 10, .BE = 8, .IN = 8, .WP = 8, .PE = 8, .CH = 8,
     .skills = {.dodge = 0.25, .prowling = 0.5}, .raceaptitude = 0},
    {.caption = "Half-Ogre", .hitpoints = 38, .fatigue = 30,
     .ST = 12, .CN = 8, .DX = 8, .BE = 7, .IN = 4, .WP = 8, .PE = 8, .CH = 8,
     .skills = {.prowling = -0.5}, .raceaptitude = 0},
    {.caption = "Half-Orc/female", .hitpoints = 30, .fatigue = 34,
     .ST = 8, .CN = 10, .DX = 8, .BE = 6, .IN = 8, .WP = 8, .PE = 8, .CH = 6,
     .skills = {.dodge = 0.5, .melee = 0.5}, .raceaptitude = 0},
    {.caption = "Half-Orc/male", .hitpoints = 32, .fatigue = 32,
     .ST = 9, .CN = 9, .DX = 8, .BE = 6, .IN = 8, .WP = 8, .PE = 8, .CH = 6,
     .skills = {.dodge = 0.5, .melee = 0.5}, .raceaptitude = 0},
    {.caption = "Human/female", .hitpoints = 28, .fatigue = 32,
     .ST = 7, .CN = 9, .DX = 8, .BE = 8, .IN = 8, .WP = 8, .PE = 8, .CH = 8,
     .skills = {}, .raceaptitude = 0},
    {.caption = "Human/male", .hitpoints = 30, .fatigue = 30,
     .ST = 8, .CN = 8, .DX = 8, .BE = 8, .IN = 8, .WP = 8, .PE = 8, .CH = 8,
     .skills = {}, .raceaptitude = 0},
}};

}  // namespace

void Form1::RaceSelection()
{
    // 1-3: a new character at level 1 with 5 CPs and nothing bought or owned.
    cpsleft = 5;
    Clevel.text = "1";
    CPs_remaining.text = "5";
    message_window.text.clear();

    purchased.clear();
    reset_spells();
    reset_tech();

    for (std::int16_t* counter : {&cpST, &cpCN, &cpDX, &cpCH, &cpIN, &cpWP, &cpPE, &cpBE, &cphitpoints, &cpfatigue,
                                  &techaptitude, &spellaptitude, &techskillaptitude, &raceaptitude, &techcount,
                                  &spellcount})
        *counter = 0;
    aptitudetotal = 0;
    for (const auto& skill : skill_lines(*this)) skill.counter = 0;

    // 4-7: Base attributes back to 8, neutral colours, no background.
    for (TextBox* base : {&Strength, &Constitution, &Dexterity, &Beauty, &Intelligence, &Willpower, &Perception,
                          &Charisma})
        base->text = "8";
    for (const auto& skill : skill_lines(*this)) skill.box.back_color = neutralcolor;
    for (TextBox* adjusted : adjusted_boxes(*this)) adjusted->back_color = neutralcolor;
    Current_background.caption = "None";
    fatigue.back_color = neutralcolor;
    hitpoints.back_color = neutralcolor;

    // 8: the highlighted race's row; with no race highlighted the boxes keep their texts.
    const int race = Race_Selection.list_index();
    if (race >= 0 && race < static_cast<int>(race_table.size())) {
        const RaceRow& row = race_table[static_cast<std::size_t>(race)];
        Current_race.caption = std::string(row.caption);
        hitpoints.set_value(row.hitpoints);
        fatigue.set_value(row.fatigue);
        Adjstrength.set_value(row.ST);
        Adjconstitution.set_value(row.CN);
        Adjdexterity.set_value(row.DX);
        Adjbeauty.set_value(row.BE);
        Adjintelligence.set_value(row.IN);
        Adjwillpower.set_value(row.WP);
        Adjperception.set_value(row.PE);
        Adjcharisma.set_value(row.CH);
        for (const auto& [box, value] : skill_boxes(*this, row.skills)) box->set_value(value);
        raceaptitude = row.raceaptitude;
    }

    // 9-12: what follows from the new attributes.
    Carryweight.set_value(Adjstrength.value() * 500);
    damageadj();
    Armoradj();
    Speeddisplay();
    for (TextBox* adjusted : adjusted_boxes(*this)) colour_adjusted(*adjusted);
    displayaptitude();
}

void Form1::Race_Selection_DblClick()
{
    RaceSelection();
    Background_Selection.set_list_index(0);  // raises Background_Selection_Click
    hpsandfatadj();
}

}  // namespace tessmar
