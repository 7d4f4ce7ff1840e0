// Start-up: Form_Load fills the four selection lists and puts the sheet into
// its start state. No race is applied until the user double-clicks one.
#include <string>

#include "magick_tech/catalogue.h"
#include "race_background/race_table.h"
#include "window/form1.h"

namespace tessmar {

void Form1::Form_Load()
{
    Background_Selection.clear();
    for (const BackgroundRow& row : background_table) Background_Selection.add_item(std::string(row.entry));
    Race_Selection.clear();
    for (const RaceRow& row : race_table) Race_Selection.add_item(std::string(row.entry));
    Magick_list.clear();
    for (const College& college : colleges) Magick_list.add_item(std::string(college.name));
    for (const Discipline& discipline : disciplines) Tech_list.add_item(std::string(discipline.name));

    cpsleft = 5;
    cphitpoints = 0;
    cpfatigue = 0;

    for (const AttributeLine& line : attribute_lines_) line.base.text = "8";

    neutralcolor = Background_Selection.back_color;

    for (const SkillLine& line : skill_lines_) line.box.text = "0";

    // Each selection raises the list's Click handler before the next step.
    Race_Selection.set_list_index(race_index("Human/male"));  // its description
    Background_Selection.set_list_index(0);  // "No Background": its description
    Magick_list.set_list_index(0);  // "Conveyance": fills Spell_list
    Tech_list.set_list_index(0);  // "Chemistry": fills Schematic_list

    Tech_list.visible = false;
    Schematic_list.visible = false;

    hitpoints.text = "30";
    fatigue.text = "30";
    CPs_remaining.text = "5";

    techcount = 0;
    spellcount = 0;
    reset_spells();
    reset_tech();

    backgroundallowed = flag_true;
}

}  // namespace tessmar
