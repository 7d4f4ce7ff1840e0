// The magick colleges with their spells and the technological disciplines with
// their schematics: each list entry with its items' names and descriptions,
// keyed by list position (never by list text).
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "platform/exact_rows.h"
#include "window/form1.h"

namespace tessmar {

// One spell or schematic: the name its list and purchased show, and what the
// description box shows when it is highlighted.
struct CatalogueItem {
    // Both texts are needed: an item without a description fails to compile.
    constexpr CatalogueItem(std::string_view item_name, std::string_view item_description)
        : name(item_name), description(item_description)
    {
    }

    std::string_view name;
    std::string_view description;
};

// One entry of the college or discipline list and its items in list order.
template <std::size_t Items>
struct CatalogueGroup {
    std::string_view name;
    std::array<CatalogueItem, Items> items;
};

using College = CatalogueGroup<spell_ranks>;
using Discipline = CatalogueGroup<schematic_positions>;

// A group whose item list must hold exactly its number of items.
template <std::size_t Items, std::size_t Given>
consteval CatalogueGroup<Items> catalogue_group(std::string_view name, const CatalogueItem (&items)[Given])
{
    return {name, exact_rows<Items>(items)};
}

// Magick_list entries by college index, each with its spells by rank;
// "Divination " and "Air " end in a blank.
extern const std::array<College, college_count> colleges;

// Tech_list entries by discipline index, each with its schematics by position;
// "Gun -Smithing" keeps its odd spacing.
extern const std::array<Discipline, discipline_count> disciplines;

}  // namespace tessmar
