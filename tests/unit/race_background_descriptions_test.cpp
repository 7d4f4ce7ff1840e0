// The race and background description texts, and the list clicks that show them.
#include <gtest/gtest.h>

#include <array>
#include <set>
#include <string>
#include <string_view>

#include "form_fixture.h"
#include "platform/exact_rows.h"
#include "race_background/race_table.h"

namespace tessmar {
namespace {

// Per race index: the opening and the length of its text.
struct RaceText {
    std::string_view opening;
    std::size_t length;
};
constexpr auto race_texts = exact_rows<race_count, RaceText>({
    {"Dwarves - ", 633},    {"Elves - ", 516},      {"Elves - ", 516},      {"Gnomes - ", 619},
    {"Half-Elves - ", 608}, {"Half-Elves - ", 608}, {"Halflings - ", 677},  {"Half-Ogres - ", 639},
    {"Half-Orcs - ", 825},  {"Half-Orcs - ", 825},  {"Humans - ", 630},     {"Humans - ", 630},
});

std::size_t occurrences(std::string_view text, std::string_view word)
{
    std::size_t n = 0;
    for (auto at = text.find(word); at != std::string_view::npos; at = text.find(word, at + 1)) ++n;
    return n;
}

TEST(RaceDescriptionTexts, OpeningEndingAndLength)
{
    for (std::size_t race = 0; race < race_texts.size(); ++race) {
        const std::string_view text = race_table[race].description;
        EXPECT_TRUE(text.starts_with(race_texts[race].opening)) << race;
        EXPECT_TRUE(text.ends_with(". ")) << race;
        EXPECT_FALSE(text.ends_with(".  ")) << race;
        EXPECT_EQ(text.size(), race_texts[race].length) << race;
    }
}

TEST(RaceDescriptionTexts, TheTwoGendersOfARaceShareOneText)
{
    for (auto [a, b] : {std::pair<std::size_t, std::size_t>{1, 2}, {4, 5}, {8, 9}, {10, 11}})
        EXPECT_EQ(race_table[a].description.data(), race_table[b].description.data()) << a << ',' << b;
    std::set<std::string_view> distinct;
    for (const RaceRow& row : race_table) distinct.insert(row.description);
    EXPECT_EQ(distinct.size(), 8u);
}

TEST(RaceDescriptionTexts, OnlyTheElfTextNamesTessmar)
{
    for (std::size_t race = 0; race < race_table.size(); ++race) {
        const bool elf = race == 1 || race == 2;
        EXPECT_EQ(occurrences(race_table[race].description, "Tessmar"), elf ? 1u : 0u) << race;
    }
}

// Lengths of the background texts, by background index.
constexpr auto background_lengths = exact_rows<background_count, std::size_t>({
    25,  107, 202, 415, 145, 146, 198, 276, 182, 170, 257, 168, 177, 125, 110, 448, 101, 204, 174,
    124, 209, 233, 174, 102, 172, 349, 216, 150, 219, 247, 163, 217, 272, 115, 136, 139, 339, 204});

TEST(BackgroundDescriptionTexts, RowZeroIsTheShortText)
{
    EXPECT_EQ(background_table[0].description, "No significant background");
}

TEST(BackgroundDescriptionTexts, EveryStoryEndsWithAFullStopAtItsLength)
{
    for (std::size_t background = 1; background < background_table.size(); ++background) {
        const std::string_view text = background_table[background].description;
        EXPECT_TRUE(text.ends_with('.')) << background;
        EXPECT_EQ(text.size(), background_lengths[background]) << background;
    }
    EXPECT_EQ(background_table[0].description.size(), background_lengths[0]);
}

class DescriptionClicks : public FormFixture {};

TEST_F(DescriptionClicks, StartUpEndsOnBackgroundZero)
{
    EXPECT_EQ(form.background_explanations.text, "No significant background");
}

// A race is found by its position in the sorted list, so a row placed out of
// the list's order would give its position to another race.
TEST_F(DescriptionClicks, EachListHoldsItsTableInTheTablesOrder)
{
    ASSERT_EQ(form.Race_Selection.count(), static_cast<int>(race_count));
    for (std::size_t race = 0; race < race_count; ++race)
        EXPECT_EQ(form.Race_Selection.item(static_cast<int>(race)), race_table[race].entry) << race;
    ASSERT_EQ(form.Background_Selection.count(), static_cast<int>(background_count));
    for (std::size_t background = 0; background < background_count; ++background)
        EXPECT_EQ(form.Background_Selection.item(static_cast<int>(background)), background_table[background].entry)
            << background;
}

TEST_F(DescriptionClicks, ARaceClickShowsItsTextAndAppliesNothing)
{
    form.Race_Selection.user_double_click(6);  // a Halfling sheet to compare against
    const std::string strength = form.Adjstrength.text;
    const std::string prowling = form.prowling.text;
    for (std::size_t race = 0; race < race_count; ++race) {
        form.Race_Selection.user_click(static_cast<int>(race));
        EXPECT_EQ(form.background_explanations.text, race_table[race].description) << race;
    }
    EXPECT_EQ(form.Current_race.caption, "Halfling");
    EXPECT_EQ(form.Adjstrength.text, strength);
    EXPECT_EQ(form.prowling.text, prowling);
    EXPECT_EQ(form.Current_background.caption, "None");
}

TEST_F(DescriptionClicks, ABackgroundClickShowsItsTextAlsoWhenBarred)
{
    form.Race_Selection.user_double_click(11);  // Human/male bars "Debutante" (10)
    form.background_explanations.text = "a spell description\r\n";
    for (std::size_t background = 0; background < background_count; ++background) {
        form.Background_Selection.user_click(static_cast<int>(background));
        EXPECT_EQ(form.background_explanations.text, background_table[background].description) << background;
    }
    EXPECT_EQ(form.message_window.text, "");  // a click checks nothing
    EXPECT_EQ(form.Current_background.caption, "None");
}

TEST_F(DescriptionClicks, NothingHighlightedKeepsTheText)
{
    form.background_explanations.text = "kept";
    form.Race_Selection.set_list_index(-1);
    EXPECT_EQ(form.Race_Selection.list_index(), -1);
    EXPECT_EQ(form.background_explanations.text, "kept");
    form.Background_Selection.set_list_index(-1);
    EXPECT_EQ(form.background_explanations.text, "kept");
}

TEST_F(DescriptionClicks, ARaceDoubleClickEndsOnBackgroundZero)
{
    form.Background_Selection.user_click(15);
    form.Race_Selection.user_double_click(3);
    EXPECT_EQ(form.Background_Selection.list_index(), 0);
    EXPECT_EQ(form.background_explanations.text, "No significant background");
}

}  // namespace
}  // namespace tessmar
