// The background step: a background's caption and fixed modifiers, applied on
// top of a fresh race sheet by the background list's double click.
#include <string>

#include "race_background/background_table.h"
#include "window/form1.h"

namespace tessmar {

namespace {

// Adds a modifier to the value that the box shows; an empty cell leaves the box alone.
void add_modifier(TextBox& box, double modifier)
{
    if (modifier != 0) box.set_value(box.value() + modifier);
}

}  // namespace

void Form1::backgroundselection()
{
    checkbackgroundrestriction();
    if (backgroundallowed == flag_false) return;

    if (const auto background = Background_Selection.highlighted_row(background_count)) {
        const BackgroundRow& row = background_table[*background];
        Current_background.caption = std::string(row.caption);
        for (const AttributeLine& line : attribute_lines_) add_modifier(line.adjusted, row.modifiers.*line.row.value);
        for (const SkillLine& skill : skill_lines_) add_modifier(skill.box, row.skills.*skill.row.value);
    }

    // Colour first, then raise anything below 1 to 1: such a box stays red.
    for (const AttributeLine& line : attribute_lines_) colour_adjusted(line.adjusted);
    for (const AttributeLine& line : attribute_lines_)
        if (line.adjusted.value() < 1) line.adjusted.set_value(1);

    // From the Adjusted values after the floor.
    refresh_derived_statistics(Derived::all);
}

void Form1::Background_Selection_DblClick()
{
    // Every background lands on a fresh sheet of the highlighted race.
    RaceSelection();
    backgroundselection();
    hpsandfatadj();
}

}  // namespace tessmar
