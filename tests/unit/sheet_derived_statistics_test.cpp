// The derived statistics against tables of Adjusted attributes, including the
// values above 20 that only a race bonus reaches.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "form_fixture.h"

namespace tessmar {
namespace {

class DerivedStatistics : public FormFixture {};

TEST_F(DerivedStatistics, DamageBonusTable)
{
    const std::array<std::pair<const char*, const char*>, 16> cases{{
        {"1", "-4"}, {"2", "-4"}, {"3", "-3"}, {"4", "-3"}, {"5", "-2"}, {"6", "-2"}, {"7", "-1"}, {"8", "-1"},
        {"9", "0"}, {"10", "0"}, {"11", "1"}, {"19", "9"}, {"20", "20"}, {"21", "21"}, {"23", "23"}, {"24", "24"},
    }};
    for (auto [strength, bonus] : cases) {
        form.Adjstrength.text = strength;
        form.damageadj();
        EXPECT_EQ(form.Damagebonus.text, bonus) << "ST " << strength;
        form.damageadj();  // a second run starts again from the Adjusted value
        EXPECT_EQ(form.Damagebonus.text, bonus) << "ST " << strength << ", twice";
    }
}

TEST_F(DerivedStatistics, ArmourAndSpeedTable)
{
    struct Case {
        const char* dexterity;
        const char* armour;
        const char* speed;
    };
    const std::array<Case, 7> cases{{
        {"1", "-9", "1"},
        {"8", "-2", "8"},
        {"10", "0", "10"},
        {"19", "9", "19"},
        {"20", "10", "25"},
        {"21", "11", "26"},
        {"24", "14", "29"},
    }};
    for (const Case& c : cases) {
        form.Adjdexterity.text = c.dexterity;
        for (int run = 1; run <= 2; ++run) {
            form.Armoradj();
            form.Speeddisplay();
            EXPECT_EQ(form.ACadj.text, c.armour) << "DX " << c.dexterity << ", run " << run;
            EXPECT_EQ(form.Speed.text, c.speed) << "DX " << c.dexterity << ", run " << run;
        }
    }
}

TEST_F(DerivedStatistics, HitPointsAndFatigueFormula)
{
    struct Case {
        const char *st, *wp, *cn, *hitpoints, *fatigue;
    };
    const std::array<Case, 4> cases{{
        {"8", "8", "8", "30", "30"},
        {"12", "8", "8", "38", "30"},
        {"5", "8", "8", "24", "30"},
        {"10", "3", "14", "29", "37"},
    }};
    for (const Case& c : cases) {
        form.Adjstrength.text = c.st;
        form.Adjwillpower.text = c.wp;
        form.Adjconstitution.text = c.cn;
        form.hitpoints.text = "99";  // the formula starts again, whatever was bought
        form.hpsandfatadj();
        EXPECT_EQ(form.hitpoints.text, c.hitpoints) << c.st << '/' << c.wp << '/' << c.cn;
        EXPECT_EQ(form.fatigue.text, c.fatigue) << c.st << '/' << c.wp << '/' << c.cn;
    }
}

// The ST and DX lines refresh their derived boxes after a sale too, and above 20
// once a race has raised the Adjusted value.
TEST_F(DerivedStatistics, StatLinesRefreshFromAdjustedValues)
{
    form.Adjstrength.text = "20";
    form.Adjdexterity.text = "20";
    form.ST_plus_Click();
    form.DX_plus_Click();
    EXPECT_EQ(form.Carryweight.text, "10500");
    EXPECT_EQ(form.Damagebonus.text, "21");
    EXPECT_EQ(form.ACadj.text, "11");
    EXPECT_EQ(form.Speed.text, "26");
    form.ST_minus_Click();
    form.DX_minus_Click();
    EXPECT_EQ(form.Carryweight.text, "10000");
    EXPECT_EQ(form.Damagebonus.text, "20");
    EXPECT_EQ(form.ACadj.text, "10");
    EXPECT_EQ(form.Speed.text, "25");
}

// Before any race, a click rewrites only the derived boxes that its line feeds,
// bought or not; the others keep their start texts ("000" and "00").
TEST(DerivedStatisticsOfOneLine, EachLineRefreshesOnlyWhatItFeeds)
{
    struct Case {
        void (Form1::*click)();
        const char *carry, *damage, *armour, *speed;
    };
    const std::array<Case, 6> cases{{
        {&Form1::ST_plus_Click, "4500", "0", "00", "00"},
        {&Form1::ST_minus_Click, "4000", "-1", "00", "00"},  // nothing to sell, still refreshed
        {&Form1::DX_plus_Click, "000", "00", "-1", "9"},
        {&Form1::DX_minus_Click, "000", "00", "-2", "8"},
        {&Form1::CN_plus_Click, "000", "00", "00", "00"},
        {&Form1::Hitpoints_plus_Click, "000", "00", "00", "00"},
    }};
    for (const Case& c : cases) {
        LoadedWindow window;
        Form1& form = window.form;
        (form.*c.click)();
        const std::vector<std::string> shown{form.Carryweight.text, form.Damagebonus.text, form.ACadj.text,
                                             form.Speed.text};
        EXPECT_EQ(shown, (std::vector<std::string>{c.carry, c.damage, c.armour, c.speed}))
            << "case " << &c - cases.data() << " (Carryweight, Damagebonus, ACadj, Speed)";
    }
}

}  // namespace
}  // namespace tessmar
