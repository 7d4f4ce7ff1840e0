// The ownership tables of spells and schematics, their resets, and the guards
// that keep Base Willpower and Intelligence up to what owned items need.
#include "magick_tech/catalogue.h"
#include "platform/box_value.h"
#include "window/form1.h"

namespace tessmar {

void Form1::reset_spells()
{
    for (auto& college : spells) college.fill(flag_false);
}

void Form1::reset_tech()
{
    for (auto& discipline : techpurchased) discipline.fill(flag_false);
}

void Form1::spellprecheck(std::string_view currentwill, std::int16_t& ok)
{
    const double will = box_number(currentwill);
    for (int rank = 0; rank < spell_ranks; ++rank) {
        for (int college = 0; college < college_count; ++college) {
            if (spells[college][rank] != flag_false && will - 1 < spell_willpower_needed(rank)) {
                ok = flag_false;
                return;
            }
        }
    }
    ok = flag_true;
}

void Form1::techprecheck(std::string_view currentint, std::int16_t& ok)
{
    const double intelligence = box_number(currentint);
    for (int position = 0; position < schematic_positions; ++position) {
        for (int discipline = 0; discipline < discipline_count; ++discipline) {
            if (techpurchased[discipline][position] != flag_false &&
                intelligence - 1 < schematic_intelligence_needed(position)) {
                ok = flag_false;
                return;
            }
        }
    }
    ok = flag_true;
}

}  // namespace tessmar
