// The spell and schematic catalogues and their description texts: names that
// identify one item each, and descriptions within their lengths.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <span>
#include <utility>
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

// Descriptions of one kind: how many, none twice, plain ASCII, the shortest
// and longest, and how many are at most so long.
struct DescriptionCounts {
    const char* kind;
    std::vector<std::string_view> texts;
    std::size_t count, shortest, longest;
    std::vector<std::pair<std::size_t, std::size_t>> at_most;  // length, how many
};

TEST(ItemDescriptions, CountsAndLengths)
{
    const DescriptionCounts kinds[] = {
        // "Poison" is the one shortest and "Call Water Elemental" the one longest.
        {"spells", flatten(colleges, &CatalogueItem::description), 80, 19, 159, {{47, 40}, {19, 1}, {158, 79}}},
        // "Explosive Grenade" is the one shortest and "Elite Plate Mail" the one longest.
        {"schematics", flatten(disciplines, &CatalogueItem::description), 56, 15, 138,
         {{47, 28}, {80, 50}, {15, 1}, {137, 55}}},
    };
    for (const DescriptionCounts& k : kinds) {
        SCOPED_TRACE(k.kind);
        const std::vector<std::string_view>& texts = k.texts;
        ASSERT_EQ(texts.size(), k.count);
        EXPECT_EQ(std::set<std::string_view>(texts.begin(), texts.end()).size(), k.count) << "descriptions repeat";
        for (std::string_view text : texts) EXPECT_TRUE(plain_ascii(text)) << text;
        const auto [shortest, longest] =
            std::minmax_element(texts.begin(), texts.end(), [](auto a, auto b) { return a.size() < b.size(); });
        EXPECT_EQ(shortest->size(), k.shortest);
        EXPECT_EQ(longest->size(), k.longest);
        for (auto [length, how_many] : k.at_most) EXPECT_EQ(count_at_most(texts, length), how_many) << length;
    }
}

TEST(ItemDescriptions, ChosenItemsHaveTheirLengths)
{
    struct Row {
        std::span<const CatalogueItem> group;
        std::size_t position, length;
    };
    const Row rows[] = {
        {colleges[0].items, 0, 42},  // Unseen Force
        {colleges[1].items, 4, 73},  // Divine Magick
        {colleges[2].items, 0, 41},  // Vitality of Air
        {colleges[3].items, 0, 38},  // Strength of Earth
        {colleges[4].items, 0, 38},  // Agility of Fire
        {colleges[5].items, 0, 35},  // Purity of Water
        {colleges[2].items, 4, 150},  // Call Air Elemental
        {colleges[5].items, 4, 159},  // Call Water Elemental
        {colleges[7].items, 2, 67},  // Stupefy
        {colleges[9].items, 4, 76},  // Polymorph
        {colleges[11].items, 1, 19},  // Poison
        {colleges[15].items, 4, 106},  // Tempus Fugit
        {disciplines[0].items, 0, 41},  // Charges
        {disciplines[0].items, 1, 23},  // Strong Poison
        {disciplines[1].items, 6, 84},  // Tesla Rod
        {disciplines[2].items, 4, 15},  // Explosive Grenade
        {disciplines[3].items, 2, 111},  // Repeater Rifle
        {disciplines[4].items, 6, 66},  // Cure All
        {disciplines[6].items, 6, 138},  // Elite Plate Mail
        {disciplines[7].items, 0, 48},  // Serum of Superior Intellect
        {disciplines[7].items, 1, 44},  // Elixer of Physical Prowess
        {disciplines[7].items, 2, 46},  // Liquid of Awareness
        {disciplines[7].items, 3, 45},  // Tonic of Increased Reflexes
        {disciplines[7].items, 4, 43},  // Mind Marvel
        {disciplines[7].items, 5, 45},  // Energizer
        {disciplines[7].items, 6, 51},  // Revitalizer
    };
    for (const Row& row : rows)
        EXPECT_EQ(row.group[row.position].description.size(), row.length) << row.group[row.position].name;
}

}  // namespace
}  // namespace tessmar
