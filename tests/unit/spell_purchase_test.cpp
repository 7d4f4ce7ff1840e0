// Buying a spell: the rules in their order, with the level and the Willpower
// set straight into their boxes, and the college and spell lists.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "magick_tech/catalogue.h"
#include "magick_tech/description_catalogue.h"
#include "purchase_invariants.h"
#include "purchase_state.h"

namespace tessmar {
namespace {

constexpr std::string_view bought = "";  // a purchase leaves message_window empty
constexpr std::string_view no_cps = "No CPs left!";
constexpr std::string_view level5 = "min. requirement, level 5, not met";
constexpr std::string_view level10 = "min. requirement, level 10, not met";
constexpr std::string_view level15 = "min. requirement, level 15, not met";
constexpr std::string_view owned = "you already have that one!";
constexpr std::string_view raise_will = "you must raise your Willpower";
constexpr std::string_view previuos = "need previuos spell in college";
constexpr std::string_view previous = "need previous spell in college";

struct SpellCase {
    const char* what;
    int college, rank;
    const char* level;
    const char* adjusted_will;
    std::initializer_list<Cell> owned;
    int cps;
    std::string_view message;  // empty: the spell is bought
    const char* base_will = "8";
};

const SpellCase spell_cases[] = {
    {"the pool comes before the owned test", 0, 0, "1", "8", {{0, 0}}, 0, no_cps},
    {"the pool comes before the level gate", 0, 4, "1", "20", {}, 0, no_cps},
    {"level 4 fails the third spell", 2, 2, "4", "20", {{2, 0}, {2, 1}}, 5, level5},
    {"level 4 fails it whatever the Willpower and the second spell", 2, 2, "4", "5", {}, 5, level5},
    {"level 5 passes the gate", 2, 2, "5", "12", {{2, 0}, {2, 1}}, 5, bought},
    {"level 9 fails the fourth spell", 3, 3, "9", "20", {{3, 0}, {3, 1}, {3, 2}}, 5, level10},
    {"level 10 passes the gate", 3, 3, "10", "15", {{3, 0}, {3, 1}, {3, 2}}, 5, bought},
    {"level 14 fails the fifth spell", 4, 4, "14", "20", {{4, 0}, {4, 1}, {4, 2}, {4, 3}}, 5, level15},
    {"level 15 passes the gate", 4, 4, "15", "18", {{4, 0}, {4, 1}, {4, 2}, {4, 3}}, 5, bought},
    {"the level gate comes before the owned test", 6, 2, "4", "20", {{6, 0}, {6, 1}, {6, 2}}, 5, level5},
    {"an owned spell", 0, 0, "1", "8", {{0, 0}}, 5, owned},
    {"owned comes before the Willpower", 7, 1, "1", "5", {{7, 0}, {7, 1}}, 5, owned},
    {"first spell at Willpower 6", 0, 0, "1", "6", {}, 5, bought},
    {"first spell at Willpower 5", 0, 0, "1", "5", {}, 5, raise_will},
    {"second spell, Willpower 9, first missing", 1, 1, "1", "9", {}, 5, previuos},
    {"second spell, Willpower 8, first missing too", 1, 1, "1", "8", {}, 5, raise_will},
    {"second spell, Willpower 9, first owned", 1, 1, "1", "9", {{1, 0}}, 5, bought},
    {"second spell, Willpower 8, first owned", 1, 1, "1", "8", {{1, 0}}, 5, raise_will},
    {"the first spell of another college does not count", 3, 1, "1", "9", {{2, 0}}, 5, previuos},
    {"third spell without the second", 5, 2, "5", "12", {{5, 0}}, 5, previous},
    {"fourth spell without the third", 5, 3, "10", "15", {{5, 0}, {5, 1}}, 5, previous},
    {"fifth spell without the fourth", 5, 4, "15", "18", {{5, 0}, {5, 1}, {5, 2}}, 5, previous},
    {"third spell at Willpower 11", 5, 2, "5", "11", {{5, 0}, {5, 1}}, 5, raise_will},
    {"fifth spell at Willpower 17", 5, 4, "50", "17", {{5, 0}, {5, 1}, {5, 2}, {5, 3}}, 5, raise_will},
    {"the last CP buys", 0, 0, "1", "8", {}, 1, bought},
    {"the Adjusted Willpower counts, not the Base", 12, 0, "1", "6", {}, 5, bought, "5"},
    {"a high Base Willpower does not help", 12, 0, "1", "5", {}, 5, raise_will, "20"},
};

TEST(SpellPurchase, RulesInTheirOrder)
{
    for (const SpellCase& c : spell_cases) {
        SCOPED_TRACE(c.what);
        LoadedWindow window;
        Form1& form = window.form;
        own_spells(form, c.owned);
        set_pool(form, c.cps);
        form.Clevel.text = c.level;
        form.Adjwillpower.text = c.adjusted_will;
        form.Willpower.text = c.base_will;
        form.Magick_list.user_click(c.college);
        form.Spell_list.user_click(c.rank);
        form.message_window.text = "an earlier message";
        const PurchaseState before = PurchaseState::of(form);

        form.Spell_list_DblClick();

        EXPECT_EQ(form.message_window.text, c.message);
        if (c.message.empty()) {
            PurchaseState expected = before.after_buying(std::string(spell_names[c.college][c.rank]), 5);
            expected.spells[c.college][c.rank] = flag_true;
            ++expected.spellcount;
            expect_state(PurchaseState::of(form), expected);
        } else {
            expect_state(PurchaseState::of(form), before);
        }
        EXPECT_TRUE(purchase_invariants_hold(form));
    }
}

class SpellPurchaseSteps : public FormFixture {};

TEST_F(SpellPurchaseSteps, AllFiveSpellsOfACollegeInRankOrder)
{
    form.Clevel.text = "15";
    form.Adjwillpower.text = "18";
    form.Magick_list.user_click(14);
    for (int rank = 0; rank < spell_ranks; ++rank) {
        form.Spell_list.user_double_click(rank);
        EXPECT_EQ(form.message_window.text, "") << rank;
        EXPECT_TRUE(purchase_invariants_hold(form)) << rank;
    }
    EXPECT_EQ(form.purchased.items(),
              (std::vector<std::string>{"Plague of Insects", "Orc Champion", "Guardian Ogre", "Hellgate", "Familiar"}));
    EXPECT_EQ(form.cpsleft, 0);
    EXPECT_EQ(form.aptitude.text, "25");
    form.Spell_list.user_double_click(0);
    EXPECT_EQ(form.message_window.text, "No CPs left!");
}

TEST_F(SpellPurchaseSteps, NoHighlightedSpellBuysNothingAndWritesNothing)
{
    form.Magick_list.user_click(3);
    ASSERT_EQ(form.Spell_list.list_index(), -1);
    const PurchaseState before = PurchaseState::of(form);
    form.Spell_list_DblClick();
    EXPECT_EQ(form.message_window.text, "");
    expect_state(PurchaseState::of(form), before);

    set_pool(form, 0);
    form.Spell_list_DblClick();
    EXPECT_EQ(form.message_window.text, "No CPs left!");
    EXPECT_TRUE(purchase_invariants_hold(form));
}

TEST_F(SpellPurchaseSteps, EachCollegeFillsTheSpellListByIndex)
{
    form.background_explanations.text = "the last description";
    for (int college = 0; college < college_count; ++college) {
        form.message_window.text = "you already have that one!";
        form.Magick_list.user_click(college);
        EXPECT_EQ(form.message_window.text, "") << college;
        ASSERT_EQ(form.Spell_list.count(), spell_ranks) << college;
        for (int rank = 0; rank < spell_ranks; ++rank) EXPECT_EQ(form.Spell_list.item(rank), spell_names[college][rank]);
        EXPECT_EQ(form.Spell_list.list_index(), -1) << college;
        EXPECT_EQ(form.background_explanations.text, "the last description") << college;
    }
}

TEST_F(SpellPurchaseSteps, HighlightingASpellShowsItsDescriptionOnly)
{
    for (int college = 0; college < college_count; ++college) {
        form.Magick_list.user_click(college);
        form.message_window.text = "you must raise your Willpower";
        for (int rank = 0; rank < spell_ranks; ++rank) {
            form.Spell_list.user_click(rank);
            EXPECT_EQ(form.background_explanations.text, spell_description_table[college][rank]);
            EXPECT_EQ(form.message_window.text, "you must raise your Willpower");
        }
        form.background_explanations.text = "kept";
        form.Spell_list.set_list_index(-1);  // no spell: nothing shown
        EXPECT_EQ(form.background_explanations.text, "kept");
    }
}

}  // namespace
}  // namespace tessmar
