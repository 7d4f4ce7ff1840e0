// The race step: RaceSelection starts a new character from the highlighted
// race, and the race list's double click applies it.
#include <cstdint>
#include <string>

#include "race_background/race_table.h"
#include "sheet/attribute_lines.h"
#include "sheet/skill_lines.h"
#include "window/form1.h"

namespace tessmar {

void Form1::RaceSelection()
{
    // A new character at level 1 with 5 CPs and nothing bought or owned.
    cpsleft = 5;
    Clevel.text = "1";
    CPs_remaining.text = "5";
    message_window.text.clear();

    purchased.clear();
    reset_spells();
    reset_tech();

    for (const AttributeLine& line : attribute_lines_) line.bought = 0;
    for (std::int16_t* counter : {&cphitpoints, &cpfatigue, &techaptitude, &spellaptitude, &techskillaptitude,
                                  &raceaptitude, &techcount, &spellcount})
        *counter = 0;
    aptitudetotal = 0;
    for (const SkillLine& skill : skill_lines_) skill.counter = 0;

    // Base attributes back to 8, neutral colours, no background.
    for (const AttributeLine& line : attribute_lines_) line.base.text = "8";
    for (const SkillLine& skill : skill_lines_) skill.box.back_color = neutralcolor;
    for (const AttributeLine& line : attribute_lines_) line.adjusted.back_color = neutralcolor;
    Current_background.caption = "None";
    fatigue.back_color = neutralcolor;
    hitpoints.back_color = neutralcolor;

    // The highlighted race's row; with no race highlighted the boxes keep their texts.
    if (const auto race = Race_Selection.highlighted_row(race_count)) {
        const RaceRow& row = race_table[*race];
        Current_race.caption = std::string(row.caption);
        hitpoints.set_value(row.hitpoints);
        fatigue.set_value(row.fatigue);
        for (const AttributeLine& line : attribute_lines_) line.adjusted.set_value(row.adjusted.*line.row.value);
        for (const SkillLine& skill : skill_lines_) skill.box.set_value(row.skills.*skill.row.value);
        raceaptitude = row.raceaptitude;
    }

    // What follows from the new attributes.
    refresh_derived_statistics(Derived::all);
    for (const AttributeLine& line : attribute_lines_) colour_adjusted(line.adjusted);
    displayaptitude();
}

void Form1::Race_Selection_DblClick()
{
    RaceSelection();
    Background_Selection.set_list_index(0);  // raises Background_Selection_Click
    hpsandfatadj();
}

}  // namespace tessmar
