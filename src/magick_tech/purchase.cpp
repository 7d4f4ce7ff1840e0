// The college and discipline lists and buying a spell or a schematic, one path
// for both kinds: the Magick and Tech switches, the group click that refills the
// item list, an item's description, and the double click that buys the
// highlighted item under its level, attribute and order rules.
#include <cstddef>
#include <string>

#include "magick_tech/item_kinds.h"
#include "window/form1.h"

namespace tessmar {

namespace {

// Shows the lists of one kind in place of the other's.
template <class Shown, class Hidden>
void show_lists(Form1& form, const Shown& shown, const Hidden& hidden)
{
    hidden.group_list(form).visible = false;
    hidden.item_list(form).visible = false;
    shown.group_list(form).visible = true;
    shown.item_list(form).visible = true;
    form.Spelltechindicator.caption = shown.indicator_caption;
    form.Spelltechindicator.fore_color = shown.indicator_color;
}

// The highlighted group's items in the item list, none highlighted.
template <class Kind>
void fill_item_list(Form1& form, const Kind& kind)
{
    form.message_window.text.clear();
    ListBox& items = kind.item_list(form);
    items.clear();
    const auto group = kind.highlighted_group(form);
    if (!group) return;
    for (const CatalogueItem& item : kind.catalogue[*group].items)
        items.add_item(std::string(item.name));
}

template <class Kind>
void show_item_description(Form1& form, const Kind& kind)
{
    const auto group = kind.highlighted_group(form);
    if (!group) return;
    const auto position = kind.highlighted_item(form);
    if (!position) return;
    form.background_explanations.text = kind.catalogue[*group].items[*position].description;
}

// One CP for the item: its name at the end of purchased, the pool and
// CPs_remaining one lower, its ownership cell True, its count one higher, and
// the aptitude recomputed.
template <class Kind>
void buy(Form1& form, const Kind& kind, std::size_t group, std::size_t position)
{
    form.purchased.add_item(kind.item_list(form).items().at(position));
    form.cpsleft = static_cast<std::int16_t>(form.cpsleft - 1);
    form.CPs_remaining.set_value(form.CPs_remaining.value() - 1);
    (form.*kind.owned)[group][position] = flag_true;
    form.*kind.count = static_cast<std::int16_t>(form.*kind.count + 1);
    form.displayaptitude();
}

// The rules in their order: the pool (before any list index is read), a
// highlighted item, the level, ownership, then the attribute and the item before
// it in its group, a shortfall of the attribute reported first.
template <class Kind>
void buy_highlighted(Form1& form, const Kind& kind)
{
    form.message_window.text.clear();

    if (form.cpsleft < 1) {
        form.message_window.say(std::string(no_cps_for_an_item));
        return;
    }

    const auto highlighted_group = kind.highlighted_group(form);
    const auto highlighted_item = kind.highlighted_item(form);
    // With nothing highlighted there is nothing to buy and nothing to refuse.
    if (!highlighted_group || !highlighted_item) return;
    const std::size_t group = *highlighted_group;
    const std::size_t position = *highlighted_item;
    const PurchaseRule& rule = kind.rules[position];

    if (rule.minimum_level > 0 && form.Clevel.value() < rule.minimum_level) {
        form.message_window.say(std::string(rule.level_refusal));
        return;
    }

    const auto& owned = (form.*kind.owned)[group];
    if (owned[position] != flag_false) {
        form.message_window.say(std::string(item_already_owned));
        return;
    }

    if (kind.attribute(form).value() < kind.needed(position))
        form.message_window.say(std::string(kind.raise_attribute));
    else if (position > 0 && owned[position - 1] == flag_false)
        form.message_window.say(std::string(rule.missing_previous));
    else
        buy(form, kind, group, position);
}

}  // namespace

void Form1::Magick_select_Click() { show_lists(*this, spell_kind, schematic_kind); }
void Form1::Magick_list_Click() { fill_item_list(*this, spell_kind); }
void Form1::Spell_list_Click() { show_item_description(*this, spell_kind); }
void Form1::Spell_list_DblClick() { buy_highlighted(*this, spell_kind); }

void Form1::Tech_select_Click() { show_lists(*this, schematic_kind, spell_kind); }
void Form1::Tech_list_Click() { fill_item_list(*this, schematic_kind); }
void Form1::Schematic_list_Click() { show_item_description(*this, schematic_kind); }
void Form1::Schematic_list_DblClick() { buy_highlighted(*this, schematic_kind); }

}  // namespace tessmar
