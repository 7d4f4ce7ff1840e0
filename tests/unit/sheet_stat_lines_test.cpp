// Stat lines on sheets that a race or a purchase of spells and schematics
// would leave: Adjusted values apart from the Base, coloured Adjusted boxes,
// and the Intelligence and Willpower sales that owned items forbid.
#include <gtest/gtest.h>

#include <cstdint>

#include "form_fixture.h"
#include "sheet_invariants.h"

namespace tessmar {
namespace {

class StatLines : public FormFixture {};

// The cap reads the Base box: an Adjusted ST of 12 on a Base of 8 climbs to 24.
TEST_F(StatLines, CapReadsTheBaseNotTheAdjustedValue)
{
    give_cps(form, 20);
    form.Adjstrength.text = "12";
    for (int i = 0; i < 8; ++i) form.ST_plus_Click();
    EXPECT_EQ(form.Strength.text, "16");
    EXPECT_EQ(form.Adjstrength.text, "20");
    EXPECT_EQ(form.Damagebonus.text, "20");
    EXPECT_EQ(form.Carryweight.text, "10000");
    for (int i = 0; i < 4; ++i) form.ST_plus_Click();
    EXPECT_EQ(form.Strength.text, "20");
    EXPECT_EQ(form.Adjstrength.text, "24");
    EXPECT_EQ(form.Damagebonus.text, "24");
    EXPECT_EQ(form.cpST, 12);
    EXPECT_EQ(form.cpsleft, 8);
    form.message_window.text = "left alone";
    form.ST_plus_Click();
    EXPECT_EQ(form.Strength.text, "20");
    EXPECT_EQ(form.Adjstrength.text, "24");
    EXPECT_EQ(form.cpsleft, 8);
    EXPECT_EQ(form.CPs_remaining.text, "8");
    EXPECT_EQ(form.message_window.text, "left alone");
    EXPECT_TRUE(attribute_bases_follow_counters(form));
}

// The text does not change when a refusal repeats, so the count tells that it was said again.
TEST_F(StatLines, ARepeatedRefusalIsSaidAgain)
{
    give_cps(form, 0);
    const std::uint32_t before = form.message_window.times_said();
    form.ST_plus_Click();
    form.ST_plus_Click();
    EXPECT_EQ(form.message_window.text, "No CPs left");
    EXPECT_EQ(form.message_window.times_said(), before + 2);
}

TEST_F(StatLines, AdjustedColoursStayWhenPointsMove)
{
    give_cps(form, 10);
    form.Adjstrength.text = "7";
    form.Adjstrength.back_color = redcolor;
    form.Adjdexterity.text = "9";
    form.Adjdexterity.back_color = greencolor;
    form.ST_plus_Click();
    form.ST_plus_Click();
    EXPECT_EQ(form.Adjstrength.text, "9");
    EXPECT_EQ(form.Adjstrength.back_color, redcolor);
    form.DX_plus_Click();
    form.DX_minus_Click();
    form.DX_minus_Click();
    EXPECT_EQ(form.Adjdexterity.text, "9");
    EXPECT_EQ(form.Adjdexterity.back_color, greencolor);
    EXPECT_EQ(form.Strength.back_color, system_color::window_background);
}

// Willpower may not fall below what an owned spell needs: the guard runs before
// the counter test, so it refuses even with no point bought, and refunds nothing.
TEST_F(StatLines, WillpowerSaleRefusedByOwnedSpell)
{
    form.Adjwillpower.text = "10";  // a Gnome's Willpower on a Base of 8
    form.spells[6][1] = flag_true;  // rank 1 needs 9
    form.bow_plus_Click();
    okflag = flag_true;
    form.WP_minus_Click();
    EXPECT_EQ(form.message_window.text, "can't lower due to spells purchased");
    EXPECT_EQ(okflag, flag_false);
    EXPECT_EQ(form.Willpower.text, "8");
    EXPECT_EQ(form.bow.text, "1");
    EXPECT_EQ(form.bowCPspent, 1);
    EXPECT_EQ(form.cpsleft, 4);
}

// The guard reads the Base box: Base 9 with Adjusted 10 and a rank-1 spell is
// refused, Base 10 may drop to 9.
TEST_F(StatLines, WillpowerGuardReadsTheBase)
{
    form.Adjwillpower.text = "9";
    form.WP_plus_Click();
    ASSERT_EQ(form.Willpower.text, "9");
    ASSERT_EQ(form.Adjwillpower.text, "10");
    form.spells[0][1] = flag_true;
    form.WP_minus_Click();
    EXPECT_EQ(form.message_window.text, "can't lower due to spells purchased");
    EXPECT_EQ(form.Willpower.text, "9");
    EXPECT_EQ(form.cpWP, 1);

    form.WP_plus_Click();
    form.WP_minus_Click();
    EXPECT_EQ(form.message_window.text, "");
    EXPECT_EQ(form.Willpower.text, "9");
    EXPECT_EQ(form.Adjwillpower.text, "10");
    EXPECT_EQ(form.hitpoints.text, "31");
    EXPECT_EQ(form.fatigue.text, "31");
    EXPECT_EQ(form.cpsleft, 4);
}

TEST_F(StatLines, IntelligenceSaleRefusedByOwnedSchematic)
{
    form.IN_plus_Click();
    form.IN_plus_Click();  // Base 10
    form.techpurchased[5][1] = flag_true;  // position 1 needs 9
    form.Repair_plus_Click();
    form.IN_minus_Click();
    EXPECT_EQ(form.message_window.text, "");
    EXPECT_EQ(form.Intelligence.text, "9");
    EXPECT_EQ(form.repair.text, "0");  // the sale went through and refunded the rank
    EXPECT_EQ(form.cpsleft, 4);

    form.Repair_plus_Click();
    form.IN_minus_Click();
    EXPECT_EQ(form.message_window.text, "can't lower due to tech purchased");
    EXPECT_EQ(okflag, flag_false);
    EXPECT_EQ(form.Intelligence.text, "9");
    EXPECT_EQ(form.Adjintelligence.text, "9");
    EXPECT_EQ(form.cpIN, 1);
    EXPECT_EQ(form.repair.text, "1");
    EXPECT_EQ(form.cpsleft, 3);
}

// A schematic at position 0 needs 7, so a Base of 8 may still drop; the guard
// passes and the sale then stops only for want of points bought.
TEST_F(StatLines, IntelligenceGuardAllowsEqualToThreshold)
{
    form.techpurchased[0][0] = flag_true;
    form.message_window.text = "old";
    form.IN_minus_Click();
    EXPECT_EQ(okflag, flag_true);
    EXPECT_EQ(form.message_window.text, "");
    EXPECT_EQ(form.Intelligence.text, "8");
}

// Hit points keep buying when the box happens to read 20: only attributes cap.
TEST_F(StatLines, HitPointsHaveNoCap)
{
    form.hitpoints.text = "20";
    form.fatigue.text = "20";
    form.Hitpoints_plus_Click();
    form.Fatigue_plus_Click();
    EXPECT_EQ(form.hitpoints.text, "24");
    EXPECT_EQ(form.fatigue.text, "24");
    EXPECT_EQ(form.cpsleft, 3);
}

}  // namespace
}  // namespace tessmar
