// Start-up: Form_Load fills the four selection lists and puts the sheet into
// its start state. No race is applied until the user double-clicks one.
#include "magick_tech/catalogue.h"
#include "race_background/selection_lists.h"
#include "window/form1.h"

namespace tessmar {

void Form1::Form_Load()
{
    Background_Selection.clear();
    for (std::string_view entry : background_entries) Background_Selection.add_item(std::string(entry));
    Race_Selection.clear();
    for (std::string_view entry : race_entries_as_added) Race_Selection.add_item(std::string(entry));
    Magick_list.clear();
    for (std::string_view college : college_names) Magick_list.add_item(std::string(college));
    for (std::string_view discipline : discipline_names) Tech_list.add_item(std::string(discipline));

    cpsleft = 5;
    cphitpoints = 0;
    cpfatigue = 0;

    for (TextBox* base : {&Strength, &Dexterity, &Constitution, &Beauty, &Intelligence, &Willpower, &Perception,
                          &Charisma})
        base->text = "8";

    neutralcolor = Background_Selection.back_color;

    for (TextBox* skill : {&bow, &melee, &dodge, &throwing, &gambling, &haggle, &heal, &persuasion, &repair,
                           &firearms, &picklocks, &adtraps, &pickpocket, &backstab, &prowling, &spottrap})
        skill->text = "0";

    // Each selection raises the list's Click handler before the next step.
    Race_Selection.set_list_index(11);  // "Human/male": its description
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
