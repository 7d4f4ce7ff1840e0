// The two kinds of item a character buys, spells and schematics, each described
// once: its lists, catalogue, ownership table and count, the attribute that
// gates it, its level and order rules and its messages. One purchase path
// (magick_tech/purchase.cpp) and one lowering guard run over either.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "magick_tech/catalogue.h"
#include "sheet/attribute_lines.h"
#include "window/form1.h"

namespace tessmar {

// What buying the item at one position needs beyond its attribute value.
struct PurchaseRule {
    int minimum_level;               // 0: no level gate
    std::string_view level_refusal;  // written when the level is below the minimum
    std::string_view missing_previous;  // written when the item before it in its group is not owned
};

template <std::size_t Groups, std::size_t Items>
struct ItemKind {
    using Owned = std::array<std::array<std::int16_t, Items>, Groups>;

    const std::array<CatalogueGroup<Items>, Groups>& catalogue;
    Owned Form1::*owned;         // owned(group, item)
    std::int16_t Form1::*count;  // items owned
    ListBox& (*group_list)(Form1&);
    ListBox& (*item_list)(Form1&);
    // The attribute line that gates the kind (attribute_rows): a purchase reads
    // its Adjusted box, and its Base box may not drop below what an owned item
    // needs.
    std::size_t attribute_line;
    void (Form1::*lowering_check)(std::string_view current, std::int16_t& ok);
    // Item k needs an attribute of first_need + need_step * k.
    int first_need;
    int need_step;
    std::array<PurchaseRule, Items> rules;
    std::string_view raise_attribute;   // the attribute is too low to buy
    std::string_view lowering_refused;  // the Base may not drop
    std::string_view indicator_caption;
    Color indicator_color;

    constexpr int needed(std::size_t position) const { return first_need + need_step * static_cast<int>(position); }
    TextBox& attribute(Form1& form) const { return form.attribute_lines()[attribute_line].adjusted; }
    TextBox& base_attribute(Form1& form) const { return form.attribute_lines()[attribute_line].base; }
    // The highlighted group and item as rows of the tables; nothing when none
    // is highlighted.
    std::optional<std::size_t> highlighted_group(Form1& form) const { return group_list(form).highlighted_row(Groups); }
    std::optional<std::size_t> highlighted_item(Form1& form) const { return item_list(form).highlighted_row(Items); }
};

using SpellKind = ItemKind<college_count, spell_ranks>;
using SchematicKind = ItemKind<discipline_count, schematic_positions>;

inline constexpr std::string_view no_cps_for_an_item = "No CPs left!";
inline constexpr std::string_view item_already_owned = "you already have that one!";

// Spells: colleges in Magick_list, a college's spells in Spell_list. Spell rank
// k needs an Adjusted Willpower of 6 + 3k, and the three highest ranks a level.
inline constexpr SpellKind spell_kind{
    .catalogue = colleges,
    .owned = &Form1::spells,
    .count = &Form1::spellcount,
    .group_list = [](Form1& form) -> ListBox& { return form.Magick_list; },
    .item_list = [](Form1& form) -> ListBox& { return form.Spell_list; },
    .attribute_line = attribute_index("Willpower"),
    .lowering_check = &Form1::spellprecheck,
    .first_need = 6,
    .need_step = 3,
    .rules = exact_rows<spell_ranks, PurchaseRule>({
        {0, {}, {}},
        {0, {}, "need previuos spell in college"},
        {5, "min. requirement, level 5, not met", "need previous spell in college"},
        {10, "min. requirement, level 10, not met", "need previous spell in college"},
        {15, "min. requirement, level 15, not met", "need previous spell in college"},
    }),
    .raise_attribute = "you must raise your Willpower",
    .lowering_refused = "can't lower due to spells purchased",
    .indicator_caption = "Spells",
    .indicator_color = magickcolor,
};

// Schematics: disciplines in Tech_list, a discipline's schematics in
// Schematic_list. Position s needs an Adjusted Intelligence of 7 + 2s; the
// character level plays no part.
inline constexpr SchematicKind schematic_kind{
    .catalogue = disciplines,
    .owned = &Form1::techpurchased,
    .count = &Form1::techcount,
    .group_list = [](Form1& form) -> ListBox& { return form.Tech_list; },
    .item_list = [](Form1& form) -> ListBox& { return form.Schematic_list; },
    .attribute_line = attribute_index("Intelligence"),
    .lowering_check = &Form1::techprecheck,
    .first_need = 7,
    .need_step = 2,
    .rules = exact_rows<schematic_positions, PurchaseRule>({
        {0, {}, {}},
        {0, {}, "Need previous Schematic in field"},
        {0, {}, "Need previous Schematic in field"},
        {0, {}, "Need previous Schematic in field"},
        {0, {}, "Need previous Schematic in field"},
        {0, {}, "Need previous Schematic in field"},
        {0, {}, "Need previous Schematic in field"},
    }),
    .raise_attribute = "you must raise your Intelligence",
    .lowering_refused = "can't lower due to tech purchased",
    .indicator_caption = "Schematics",
    .indicator_color = techcolor,
};

}  // namespace tessmar
