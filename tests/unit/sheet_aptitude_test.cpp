// The aptitude display against tables of counters: the sign picks the colour,
// the magnitude is shown up to 100 while the total keeps its full value.
#include <gtest/gtest.h>

#include <array>

#include "form_fixture.h"

namespace tessmar {
namespace {

class Aptitude : public FormFixture {};

TEST_F(Aptitude, DisplayTable)
{
    struct Case {
        std::int16_t race, spells, schematics;
        float firearms;
        float total;
        const char* text;
        Color colour;
    };
    const std::array<Case, 11> cases{{
        {0, 0, 0, 0, 0, "0", whitecolor},
        {-15, 0, 0, 0, -15, "15", techcolor},
        {15, 0, 3, 0, 0, "0", whitecolor},
        {5, 0, 0, 1, 1, "1", magickcolor},
        {5, 0, 0, 0, 5, "5", magickcolor},
        {0, 20, 0, 0, 100, "100", magickcolor},
        {0, 21, 0, 0, 105, "100", magickcolor},
        {0, 21, 1, 0, 100, "100", magickcolor},
        {0, 21, 3, 0, 90, "90", magickcolor},
        {-15, 0, 18, 0, -105, "100", techcolor},
        {15, 80, 0, 5, 395, "100", magickcolor},
    }};
    for (const Case& c : cases) {
        form.raceaptitude = c.race;
        form.spellcount = c.spells;
        form.techcount = c.schematics;
        form.firearmsCPspent = c.firearms;
        form.displayaptitude();
        EXPECT_EQ(form.aptitudetotal, c.total) << c.race << '/' << c.spells << '/' << c.schematics;
        EXPECT_EQ(form.aptitude.text, c.text) << c.race << '/' << c.spells << '/' << c.schematics;
        EXPECT_EQ(form.aptitude.back_color, c.colour) << c.race << '/' << c.spells << '/' << c.schematics;
    }
}

TEST_F(Aptitude, PartsAreRecomputedFromTheCounters)
{
    form.spellcount = 2;
    form.techcount = 1;
    form.repairCPspent = 1;
    form.picklocksCPspent = 2;
    form.adtrapsCPspent = 1;
    form.raceaptitude = 5;
    form.displayaptitude();
    EXPECT_EQ(form.spellaptitude, 10);
    EXPECT_EQ(form.techaptitude, -5);
    EXPECT_EQ(form.techskillaptitude, -16);
    EXPECT_EQ(form.aptitudetotal, -6);
    EXPECT_EQ(form.aptitude.text, "6");
    EXPECT_EQ(form.aptitude.back_color, techcolor);
}

// Bonus ranks that a race writes into the Tech skill boxes do not count.
TEST_F(Aptitude, BonusRanksInTechBoxesDoNotCount)
{
    for (TextBox* box : {&form.repair, &form.firearms, &form.picklocks, &form.adtraps}) box->text = "0.5";
    form.displayaptitude();
    EXPECT_EQ(form.aptitudetotal, 0);
    EXPECT_EQ(form.aptitude.text, "0");
    EXPECT_EQ(form.aptitude.back_color, whitecolor);
    form.Firearms_plus_Click();
    EXPECT_EQ(form.firearms.text, "1.5");
    EXPECT_EQ(form.aptitude.text, "4");
}

}  // namespace
}  // namespace tessmar
