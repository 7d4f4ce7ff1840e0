// Purchase tests' set-up: a freshly loaded window per case, items owned as a
// purchase leaves them, and a record of everything a purchase or
// a clear may change, so that a refusal can be shown to change nothing.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "form_fixture.h"
#include "magick_tech/item_kinds.h"
#include "platform/box_value.h"
#include "sheet_rules.h"
#include "window/form1.h"

namespace tessmar {

// A cell of an ownership table: the college or discipline, and the item's
// position in it.
using Cell = std::pair<std::size_t, std::size_t>;

// Owned as a purchase leaves them: the cell, the line in purchased, the count.
template <class Kind>
void own(Form1& form, const Kind& kind, std::initializer_list<Cell> cells)
{
    for (auto [group, position] : cells) {
        (form.*kind.owned)[group][position] = flag_true;
        form.purchased.add_item(std::string(kind.catalogue[group].items[position].name));
        ++(form.*kind.count);
    }
    form.displayaptitude();
}

// A kind's number of groups and of items per group, as the lists count them.
template <std::size_t Groups, std::size_t Items>
constexpr int group_count(const ItemKind<Groups, Items>&)
{
    return static_cast<int>(Groups);
}
template <std::size_t Groups, std::size_t Items>
constexpr int item_count(const ItemKind<Groups, Items>&)
{
    return static_cast<int>(Items);
}

// The catalogue's item at a position of the kind's group and item lists.
template <class Kind>
const CatalogueItem& catalogue_item(const Kind& kind, int group, int position)
{
    return kind.catalogue.at(static_cast<std::size_t>(group)).items.at(static_cast<std::size_t>(position));
}

// Everything that a purchase or a clear may write, and what they must leave alone.
struct PurchaseState {
    SpellTable spells;
    TechTable techpurchased;
    std::int16_t spellcount, techcount, cpsleft;
    std::string CPs_remaining;
    std::vector<std::string> purchased;
    float aptitudetotal;
    std::string aptitude;
    Color aptitude_color;
    int college, spell, discipline, schematic;
    std::string background_explanations;
    std::string Clevel, Willpower, Adjwillpower, Intelligence, Adjintelligence;

    static PurchaseState of(const Form1& form)
    {
        return {form.spells,
                form.techpurchased,
                form.spellcount,
                form.techcount,
                form.cpsleft,
                form.CPs_remaining.text,
                form.purchased.items(),
                form.aptitudetotal,
                form.aptitude.text,
                form.aptitude.back_color,
                form.Magick_list.list_index(),
                form.Spell_list.list_index(),
                form.Tech_list.list_index(),
                form.Schematic_list.list_index(),
                form.background_explanations.text,
                form.Clevel.text,
                form.Willpower.text,
                form.Adjwillpower.text,
                form.Intelligence.text,
                form.Adjintelligence.text};
    }

    // The same state after one CP was spent on an item named name; the
    // aptitude moves by shift.
    PurchaseState after_buying(std::string name, float shift) const
    {
        PurchaseState next = *this;
        next.purchased.push_back(std::move(name));
        next.cpsleft = static_cast<std::int16_t>(cpsleft - 1);
        next.CPs_remaining = box_text(box_number(CPs_remaining) - 1);
        next.aptitudetotal = aptitudetotal + shift;
        next.aptitude = box_text(next.aptitudetotal < 0 ? -next.aptitudetotal : next.aptitudetotal);
        next.aptitude_color = aptitude_colour(next.aptitudetotal);
        return next;
    }

};

// Field by field, so that a failure says which part differs.
inline void expect_state(const PurchaseState& actual, const PurchaseState& expected)
{
    EXPECT_EQ(actual.spells, expected.spells);
    EXPECT_EQ(actual.techpurchased, expected.techpurchased);
    EXPECT_EQ(actual.spellcount, expected.spellcount);
    EXPECT_EQ(actual.techcount, expected.techcount);
    EXPECT_EQ(actual.cpsleft, expected.cpsleft);
    EXPECT_EQ(actual.CPs_remaining, expected.CPs_remaining);
    EXPECT_EQ(actual.purchased, expected.purchased);
    EXPECT_EQ(actual.aptitudetotal, expected.aptitudetotal);
    EXPECT_EQ(actual.aptitude, expected.aptitude);
    EXPECT_EQ(actual.aptitude_color, expected.aptitude_color);
    EXPECT_EQ(actual.college, expected.college);
    EXPECT_EQ(actual.spell, expected.spell);
    EXPECT_EQ(actual.discipline, expected.discipline);
    EXPECT_EQ(actual.schematic, expected.schematic);
    EXPECT_EQ(actual.background_explanations, expected.background_explanations);
    EXPECT_EQ(actual.Clevel, expected.Clevel);
    EXPECT_EQ(actual.Willpower, expected.Willpower);
    EXPECT_EQ(actual.Adjwillpower, expected.Adjwillpower);
    EXPECT_EQ(actual.Intelligence, expected.Intelligence);
    EXPECT_EQ(actual.Adjintelligence, expected.Adjintelligence);
}

}  // namespace tessmar
