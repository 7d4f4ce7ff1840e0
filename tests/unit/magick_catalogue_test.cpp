// The spell and schematic catalogues and their description texts: names that
// identify one item each, and descriptions within their lengths.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string_view>
#include <vector>

#include "magick_tech/catalogue.h"

namespace tessmar {
namespace {

// Every item's name or every item's description, group by group.
template <class Groups>
std::vector<std::string_view> flatten(const Groups& groups, std::string_view CatalogueItem::*text)
{
    std::vector<std::string_view> all;
    for (const auto& group : groups)
        for (const CatalogueItem& item : group.items) all.push_back(item.*text);
    return all;
}

// Lengths are counted in characters; plain ASCII keeps them equal to the bytes.
bool plain_ascii(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= ' ' && c <= '~'; });
}

std::size_t count_at_most(const std::vector<std::string_view>& texts, std::size_t length)
{
    return static_cast<std::size_t>(
        std::count_if(texts.begin(), texts.end(), [length](std::string_view t) { return t.size() <= length; }));
}

TEST(Catalogue, EveryPurchasedLineNamesOneItem)
{
    std::vector<std::string_view> names = flatten(colleges, &CatalogueItem::name);
    const std::vector<std::string_view> schematics = flatten(disciplines, &CatalogueItem::name);
    names.insert(names.end(), schematics.begin(), schematics.end());
    EXPECT_EQ(std::set<std::string_view>(names.begin(), names.end()).size(), 80u + 56u);
    for (std::string_view name : names) {
        ASSERT_FALSE(name.empty());
        EXPECT_NE(name.front(), ' ') << '"' << name << '"';
        EXPECT_NE(name.back(), ' ') << '"' << name << '"';
    }
}

TEST(SpellDescriptions, CountsAndLengths)
{
    const std::vector<std::string_view> texts = flatten(colleges, &CatalogueItem::description);
    ASSERT_EQ(texts.size(), 80u);
    EXPECT_EQ(std::set<std::string_view>(texts.begin(), texts.end()).size(), 80u) << "descriptions repeat";
    for (std::string_view text : texts) EXPECT_TRUE(plain_ascii(text)) << text;
    const auto [shortest, longest] =
        std::minmax_element(texts.begin(), texts.end(), [](auto a, auto b) { return a.size() < b.size(); });
    EXPECT_EQ(shortest->size(), 19u);
    EXPECT_EQ(longest->size(), 159u);
    EXPECT_EQ(count_at_most(texts, 47), 40u);
    // "Poison" is the one shortest and "Call Water Elemental" the one longest.
    EXPECT_EQ(count_at_most(texts, 19), 1u);
    EXPECT_EQ(count_at_most(texts, 158), 79u);
}

TEST(SpellDescriptions, ChosenItemsHaveTheirLengths)
{
    struct Row {
        int college, rank;
        std::size_t length;
    };
    const Row rows[] = {
        {0, 0, 42},       // Unseen Force
        {1, 4, 73},       // Divine Magick
        {2, 0, 41},       // Vitality of Air
        {3, 0, 38},       // Strength of Earth
        {4, 0, 38},       // Agility of Fire
        {5, 0, 35},       // Purity of Water
        {2, 4, 150},      // Call Air Elemental
        {5, 4, 159},      // Call Water Elemental
        {7, 2, 67},       // Stupefy
        {9, 4, 76},       // Polymorph
        {11, 1, 19},      // Poison
        {15, 4, 106},     // Tempus Fugit
    };
    for (const Row& row : rows)
        EXPECT_EQ(colleges[row.college].items[row.rank].description.size(), row.length)
            << colleges[row.college].items[row.rank].name;
}

TEST(SchematicDescriptions, CountsAndLengths)
{
    const std::vector<std::string_view> texts = flatten(disciplines, &CatalogueItem::description);
    ASSERT_EQ(texts.size(), 56u);
    EXPECT_EQ(std::set<std::string_view>(texts.begin(), texts.end()).size(), 56u) << "descriptions repeat";
    for (std::string_view text : texts) EXPECT_TRUE(plain_ascii(text)) << text;
    const auto [shortest, longest] =
        std::minmax_element(texts.begin(), texts.end(), [](auto a, auto b) { return a.size() < b.size(); });
    EXPECT_EQ(shortest->size(), 15u);
    EXPECT_EQ(longest->size(), 138u);
    EXPECT_EQ(count_at_most(texts, 47), 28u);
    EXPECT_EQ(count_at_most(texts, 80), 50u);
    // "Explosive Grenade" is the one shortest and "Elite Plate Mail" the one longest.
    EXPECT_EQ(count_at_most(texts, 15), 1u);
    EXPECT_EQ(count_at_most(texts, 137), 55u);
}

TEST(SchematicDescriptions, ChosenItemsHaveTheirLengths)
{
    struct Row {
        int discipline, position;
        std::size_t length;
    };
    const Row rows[] = {
        {0, 0, 41},   // Charges
        {0, 1, 23},   // Strong Poison
        {1, 6, 84},   // Tesla Rod
        {2, 4, 15},   // Explosive Grenade
        {3, 2, 111},  // Repeater Rifle
        {4, 6, 66},   // Cure All
        {6, 6, 138},  // Elite Plate Mail
        {7, 0, 48},   // Serum of Superior Intellect
        {7, 1, 44},   // Elixer of Physical Prowess
        {7, 2, 46},   // Liquid of Awareness
        {7, 3, 45},   // Tonic of Increased Reflexes
        {7, 4, 43},   // Mind Marvel
        {7, 5, 45},   // Energizer
        {7, 6, 51},   // Revitalizer
    };
    for (const Row& row : rows)
        EXPECT_EQ(disciplines[row.discipline].items[row.position].description.size(), row.length)
            << disciplines[row.discipline].items[row.position].name;
}

}  // namespace
}  // namespace tessmar
