// Clearing purchases: one CP back per line of purchased, both tables and
// counts back to nothing, the aptitude without the items' parts, nothing else.
#include <gtest/gtest.h>

#include "purchase_invariants.h"
#include "purchase_state.h"

namespace tessmar {
namespace {

class ClearPurchases : public FormFixture {};

TEST_F(ClearPurchases, NothingPurchasedChangesNothing)
{
    form.raceaptitude = 7;  // not yet shown: a recomputation would show 7
    form.message_window.text = "you already have that one!";
    const PurchaseState before = PurchaseState::of(form);
    form.Clear_Click();
    expect_state(PurchaseState::of(form), before);
    EXPECT_EQ(form.aptitude.text, "0");
    EXPECT_EQ(form.message_window.text, "you already have that one!");
}

TEST_F(ClearPurchases, RefundsTwoSpellsAndASchematicAndKeepsTheOtherParts)
{
    form.raceaptitude = 10;
    form.repairCPspent = 1;  // -4 toward technology
    form.Adjwillpower.text = "9";
    form.Spell_list.user_double_click(0);  // Unseen Force
    form.Magick_list.user_click(1);
    form.Spell_list.user_double_click(0);  // Sense Alignment
    form.Tech_select.click();
    form.Schematic_list.user_double_click(0);  // Charges
    ASSERT_EQ(form.cpsleft, 2);
    ASSERT_EQ(form.aptitudetotal, 10 + 10 - 5 - 4);
    form.Schematic_list.user_double_click(0);
    ASSERT_EQ(form.message_window.text, "you already have that one!");
    const PurchaseState before = PurchaseState::of(form);

    form.Clear_Click();

    PurchaseState expected = before;
    expected.spells = {};
    expected.techpurchased = {};
    expected.spellcount = 0;
    expected.techcount = 0;
    expected.cpsleft = 5;
    expected.CPs_remaining = "5";
    expected.purchased.clear();
    expected.aptitudetotal = 6;
    expected.aptitude = "6";
    expected.aptitude_color = magickcolor;
    expect_state(PurchaseState::of(form), expected);
    EXPECT_EQ(form.message_window.text, "you already have that one!");
    EXPECT_EQ(form.raceaptitude, 10);
    EXPECT_EQ(form.repairCPspent, 1);
    EXPECT_TRUE(purchase_invariants_hold(form));

    // Everything can be bought again, each item above the first after its predecessor.
    form.Magick_select.click();
    form.Magick_list.user_click(0);
    form.Spell_list.user_double_click(1);
    EXPECT_EQ(form.message_window.text, "need previuos spell in college");
    form.Spell_list.user_double_click(0);
    EXPECT_EQ(form.message_window.text, "");
    EXPECT_EQ(form.spells[0][0], flag_true);
    EXPECT_TRUE(purchase_invariants_hold(form));
}

TEST_F(ClearPurchases, LeavesTheLoweringGuardsFree)
{
    form.Willpower.text = "6";  // 5 after a sale, below the first spell's 6
    form.Spell_list.user_double_click(0);
    okflag = 0;
    form.spellprecheck(form.Willpower.text, okflag);
    EXPECT_EQ(okflag, flag_false);
    form.Clear_Click();
    form.spellprecheck(form.Willpower.text, okflag);
    EXPECT_EQ(okflag, flag_true);
}

}  // namespace
}  // namespace tessmar
