// The discipline and schematic lists and buying a schematic: the Tech switch,
// the discipline click that refills the schematic list, a schematic's
// description, and the double click that buys the highlighted schematic under
// its Intelligence and order rules (the character level plays no part).
#include <string_view>

#include "magick_tech/catalogue.h"
#include "magick_tech/description_catalogue.h"
#include "magick_tech/purchase.h"
#include "window/form1.h"

namespace tessmar {

namespace {

bool is_discipline(int index) { return index >= 0 && index < discipline_count; }
bool is_schematic_position(int index) { return index >= 0 && index < schematic_positions; }


}  // namespace

void Form1::Tech_select_Click()
{
    Magick_list.visible = false;
    Spell_list.visible = false;
    Tech_list.visible = true;
    Schematic_list.visible = true;
    Spelltechindicator.caption = "Schematics";
    Spelltechindicator.fore_color = techcolor;
}

void Form1::Tech_list_Click()
{
    message_window.text.clear();
    Schematic_list.clear();
    const int discipline = Tech_list.list_index();
    if (!is_discipline(discipline)) return;
    for (std::string_view schematic : schematic_names[discipline]) Schematic_list.add_item(std::string(schematic));
}

void Form1::Schematic_list_Click()
{
    const int discipline = Tech_list.list_index();
    if (!is_discipline(discipline)) return;
    const int position = Schematic_list.list_index();
    if (!is_schematic_position(position)) return;
    background_explanations.text = schematic_description_table[discipline][position];
}

void Form1::Schematic_list_DblClick()
{
    message_window.text.clear();

    // The pool is tested before any list index is read.
    if (cpsleft < 1) {
        message_window.text = "No CPs left!";
        return;
    }

    const int discipline = Tech_list.list_index();
    const int position = Schematic_list.list_index();
    // With no schematic highlighted there is nothing to buy and nothing to refuse.
    if (!is_discipline(discipline) || !is_schematic_position(position)) return;

    if (techpurchased[discipline][position] != flag_false) {
        message_window.text = "you already have that one!";
        return;
    }

    const bool enough_intelligence = Adjintelligence.value() >= schematic_intelligence_needed(position);
    if (position == 0) {
        if (enough_intelligence)
            buy_item(*this, Schematic_list, position, techpurchased[discipline][position], techcount);
        else
            message_window.text = "you must raise your Intelligence";
        return;
    }

    // Every later schematic also needs the one before it in the same
    // discipline; an Intelligence shortfall is reported first.
    if (enough_intelligence && techpurchased[discipline][position - 1] != flag_false)
        buy_item(*this, Schematic_list, position, techpurchased[discipline][position], techcount);
    else if (enough_intelligence) message_window.text = "Need previous Schematic in field";
    else message_window.text = "you must raise your Intelligence";
}

}  // namespace tessmar
