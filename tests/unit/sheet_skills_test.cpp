// Skill ranks: the attribute ladder as a table, the message word by box, and
// the purchases and refunds of skills that carry race or background bonuses.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "form_fixture.h"
#include "sheet_invariants.h"

namespace tessmar {
namespace {

class Skills : public FormFixture {};

TEST_F(Skills, PrerequisiteLadder)
{
    struct Case {
        const char* attribute;
        const char* skill;
        bool allowed;
    };
    const std::array<Case, 22> cases{{
        {"5", "0", false},     {"5", "-0.5", false}, {"6", "-0.5", true}, {"6", "0", true},
        {"6", "0.75", true},   {"6", "1", false},    {"8", "1", false},   {"9", "1", true},
        {"9", "1.75", true},   {"9", "2", false},    {"11", "2", false},  {"12", "2", true},
        {"12", "2.75", true},  {"12", "3", false},   {"14", "3", false},  {"15", "3", true},
        {"15", "3.75", true},  {"15", "4", false},   {"17", "4", false},  {"18", "4", true},
        {"18", "6.5", true},   {"1", "0", false},
    }};
    for (const Case& c : cases) {
        form.message_window.text = "before";
        okflag = flag_false;
        form.prerequisite_check(c.attribute, c.skill, okflag, form.Adjdexterity);
        EXPECT_EQ(okflag, c.allowed ? flag_true : flag_false) << "attribute " << c.attribute << ", skill " << c.skill;
        EXPECT_EQ(form.message_window.text, c.allowed ? "before" : "You must raise your Dexterity first")
            << "attribute " << c.attribute << ", skill " << c.skill;
    }
}

TEST_F(Skills, RefusalWordFollowsTheBoxPassed)
{
    const std::array<std::pair<const TextBox*, const char*>, 5> boxes{{
        {&form.Adjdexterity, "Dexterity"},
        {&form.Adjintelligence, "Intelligence"},
        {&form.Adjwillpower, "Willpower"},
        {&form.Adjperception, "Perception"},
        {&form.Adjcharisma, "Charisma"},
    }};
    for (auto [box, word] : boxes) {
        okflag = flag_false;
        form.prerequisite_check("8", "1", okflag, *box);
        EXPECT_EQ(form.message_window.text, std::string("You must raise your ") + word + " first");
    }
}

// A bonus of 0.5 counts as part of the value: the first rank needs 6, the second 9.
TEST_F(Skills, HalfRankBonusMovesTheLadderUp)
{
    form.prowling.text = "0.5";
    form.Adjperception.text = "6";
    form.prowling_plus_Click();
    EXPECT_EQ(form.prowling.text, "1.5");
    EXPECT_EQ(form.prowlingCPspent, 1);
    EXPECT_EQ(form.prowling.back_color, greencolor);
    form.prowling_plus_Click();
    EXPECT_EQ(form.message_window.text, "You must raise your Perception first");
    EXPECT_EQ(form.prowling.text, "1.5");
    form.Adjperception.text = "9";
    form.prowling_plus_Click();
    EXPECT_EQ(form.prowling.text, "2.5");
    EXPECT_EQ(form.cpsleft, 3);
    EXPECT_EQ(form.CPs_remaining.text, "3");

    // Selling every purchased rank leaves the bonus showing, on neutralcolor.
    form.prowling_minus_Click();
    form.prowling_minus_Click();
    EXPECT_EQ(form.prowling.text, "0.5");
    EXPECT_EQ(form.prowling.back_color, form.neutralcolor);
    EXPECT_EQ(form.prowlingCPspent, 0);
    EXPECT_EQ(form.cpsleft, 5);
}

// A penalty of -0.5: the first two ranks both need 6, the third 9.
TEST_F(Skills, HalfRankPenaltyKeepsTwoRanksAtTheFirstStep)
{
    form.repair.text = "-0.5";
    form.Adjintelligence.text = "6";
    form.Repair_plus_Click();
    EXPECT_EQ(form.repair.text, "0.5");
    form.Repair_plus_Click();
    EXPECT_EQ(form.repair.text, "1.5");
    EXPECT_EQ(form.message_window.text, "");
    form.Repair_plus_Click();
    EXPECT_EQ(form.message_window.text, "You must raise your Intelligence first");
    EXPECT_EQ(form.repair.text, "1.5");
    EXPECT_EQ(form.repairCPspent, 2);
    EXPECT_EQ(form.aptitudetotal, -8);  // purchased ranks only, not the penalty
    form.Adjintelligence.text = "9";
    form.Repair_plus_Click();
    EXPECT_EQ(form.repair.text, "2.5");
}

TEST_F(Skills, DexteritySixAllowsOnlyTheFirstRank)
{
    form.Adjdexterity.text = "6";
    form.bow_plus_Click();
    EXPECT_EQ(form.bow.text, "1");
    EXPECT_EQ(form.bow.back_color, greencolor);
    EXPECT_EQ(form.cpsleft, 4);
    form.bow_plus_Click();
    EXPECT_EQ(form.message_window.text, "You must raise your Dexterity first");
    form.Adjdexterity.text = "5";
    form.dodge_plus_Click();
    EXPECT_EQ(form.message_window.text, "You must raise your Dexterity first");
    EXPECT_EQ(form.dodge.text, "0");
    EXPECT_EQ(form.cpsleft, 4);
}

TEST_F(Skills, QuarterBonusToTheCapAtDexterityEighteen)
{
    give_cps(form, 6);
    form.dodge.text = "0.25";
    form.Adjdexterity.text = "18";
    for (int i = 0; i < 5; ++i) form.dodge_plus_Click();
    EXPECT_EQ(form.dodge.text, "5.25");
    EXPECT_EQ(form.dodgeCPspent, 5);
    form.dodge_plus_Click();
    EXPECT_EQ(form.message_window.text, "you can't raise this skill any higher");
    EXPECT_EQ(form.dodge.text, "5.25");
    EXPECT_EQ(form.cpsleft, 1);
}

// A stat sale takes back only the purchased ranks: the bonuses stay.
TEST_F(Skills, RefundKeepsBonuses)
{
    give_cps(form, 10);
    form.bow.text = "0.5";
    form.heal.text = "-0.25";
    form.adtraps.text = "0.75";
    form.Adjdexterity.text = "12";
    form.Adjperception.text = "9";
    form.bow_plus_Click();
    form.bow_plus_Click();
    form.Heal_plus_Click();
    form.ADTraps_plus_Click();
    form.CH_plus_Click();
    ASSERT_EQ(form.cpsleft, 5);
    ASSERT_EQ(form.aptitude.text, "4");
    form.CH_minus_Click();
    EXPECT_EQ(form.bow.text, "0.5");
    EXPECT_EQ(form.heal.text, "-0.25");
    EXPECT_EQ(form.adtraps.text, "0.75");
    EXPECT_EQ(form.cpsleft, 10);
    EXPECT_EQ(form.CPs_remaining.text, "10");
    EXPECT_EQ(form.aptitude.text, "0");
    EXPECT_EQ(form.aptitude.back_color, whitecolor);
    EXPECT_TRUE(skill_colours_follow_counters(form));
}

// The refund gives every box back neutralcolor, also one that a race had left
// in another colour with nothing bought.
TEST_F(Skills, RefundResetsEveryColour)
{
    form.spottrap.back_color = redcolor;
    form.bow_plus_Click();
    form.ST_plus_Click();
    form.ST_minus_Click();
    EXPECT_EQ(form.spottrap.back_color, form.neutralcolor);
    EXPECT_EQ(form.bow.back_color, form.neutralcolor);
}

}  // namespace
}  // namespace tessmar
