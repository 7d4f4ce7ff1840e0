// The college and spell lists and buying a spell: the Magick switch, the
// college click that refills the spell list, a spell's description, and the
// double click that buys the highlighted spell under its level, Willpower and
// order rules.
#include <array>
#include <string_view>

#include "magick_tech/catalogue.h"
#include "magick_tech/description_catalogue.h"
#include "magick_tech/purchase.h"
#include "window/form1.h"

namespace tessmar {

namespace {

// What each spell rank needs beyond its Willpower (spell_willpower_needed):
// the character level of the three highest ranks, and the message for a
// missing previous spell of the same college.
struct SpellRankRule {
    int minimum_level;               // 0: no level gate
    std::string_view level_refusal;  // written when the level is below the minimum
    std::string_view missing_previous;
};

constexpr std::array<SpellRankRule, spell_ranks> spell_rank_rules{{
    {0, {}, {}},
    {0, {}, "need previuos spell in college"},
    {5, "min. requirement, level 5, not met", "need previous spell in college"},
    {10, "min. requirement, level 10, not met", "need previous spell in college"},
    {15, "min. requirement, level 15, not met", "need previous spell in college"},
}};

bool is_college(int index) { return index >= 0 && index < college_count; }
bool is_spell_rank(int index) { return index >= 0 && index < spell_ranks; }


}  // namespace

void Form1::Magick_select_Click()
{
    Tech_list.visible = false;
    Schematic_list.visible = false;
    Magick_list.visible = true;
    Spell_list.visible = true;
    Spelltechindicator.caption = "Spells";
    Spelltechindicator.fore_color = magickcolor;
}

void Form1::Magick_list_Click()
{
    message_window.text.clear();
    Spell_list.clear();
    const int college = Magick_list.list_index();
    if (!is_college(college)) return;
    for (std::string_view spell : spell_names[college]) Spell_list.add_item(std::string(spell));
}

void Form1::Spell_list_Click()
{
    const int college = Magick_list.list_index();
    if (!is_college(college)) return;
    const int rank = Spell_list.list_index();
    if (!is_spell_rank(rank)) return;
    background_explanations.text = spell_description_table[college][rank];
}

void Form1::Spell_list_DblClick()
{
    message_window.text.clear();

    if (cpsleft < 1) {
        message_window.text = "No CPs left!";
        return;
    }

    const int college = Magick_list.list_index();
    const int rank = Spell_list.list_index();
    // With no spell highlighted there is nothing to buy and nothing to refuse.
    if (!is_college(college) || !is_spell_rank(rank)) return;
    const SpellRankRule& rule = spell_rank_rules[rank];

    if (rule.minimum_level > 0 && Clevel.value() < rule.minimum_level) {
        message_window.text = rule.level_refusal;
        return;
    }

    if (spells[college][rank] != flag_false) {
        message_window.text = "you already have that one!";
        return;
    }

    const bool enough_will = Adjwillpower.value() >= spell_willpower_needed(rank);
    if (rank == 0) {
        if (enough_will) buy_item(*this, Spell_list, rank, spells[college][rank], spellcount);
        else message_window.text = "you must raise your Willpower";
        return;
    }

    // Every later spell also needs the one before it in the same college; a
    // Willpower shortfall is reported first.
    if (enough_will && spells[college][rank - 1] != flag_false)
        buy_item(*this, Spell_list, rank, spells[college][rank], spellcount);
    else if (enough_will) message_window.text = rule.missing_previous;
    else message_window.text = "you must raise your Willpower";
}

}  // namespace tessmar
