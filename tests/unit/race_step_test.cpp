// The race step as a new-character operation, the race and background steps with
// nothing highlighted, and the restriction check's exact caption match.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "form_fixture.h"
#include "race_background/race_table.h"
#include "scenario.h"

namespace tessmar {
namespace {

class RaceStep : public FormFixture {
protected:
    // A character that has spent, levelled, bought and taken a background. The
    // purchases that other parts of the program make are set here directly.
    void spend_everything()
    {
        form.Race_Selection.user_click(9);              // Half-Orc/male
        form.Background_Selection.user_double_click(25);  // Raised by Orcs
        for (std::int16_t* counter : {&form.cpST, &form.cpCN, &form.cpDX, &form.cpCH, &form.cpIN, &form.cpWP,
                                      &form.cpPE, &form.cpBE, &form.cphitpoints, &form.cpfatigue})
            *counter = 2;
        for (float* ranks : {&form.bowCPspent, &form.meleeCPspent, &form.healCPspent, &form.repairCPspent,
                             &form.adtrapsCPspent})
            *ranks = 3;
        form.cpsleft = 1;
        form.CPs_remaining.text = "1";
        form.Clevel.text = "12";
        form.Strength.text = "10";
        form.Willpower.text = "13";
        form.bow.text = "3.25";
        form.bow.back_color = greencolor;
        form.repair.back_color = greencolor;
        form.hitpoints.text = "61";
        form.fatigue.text = "44";
        form.spells[0][0] = form.spells[4][2] = flag_true;
        form.techpurchased[3][1] = flag_true;
        form.spellcount = 2;
        form.techcount = 1;
        form.purchased.add_item("a spell");
        form.purchased.add_item("a schematic");
        form.spellaptitude = 10;
        form.techaptitude = -5;
        form.techskillaptitude = -24;
        form.aptitudetotal = -19;
        form.message_window.text = "No CPs left";
        form.PCname.type("Brannoc Tallow");
        form.alternativebackground.type("Grew up on a barge.\nLeft at sixteen.");
    }
};

TEST_F(RaceStep, ARaceDoubleClickStartsANewCharacter)
{
    struct Case {
        int race;
        const char* caption;
        const char* strength;
        const char* bow;
        const char* repair;
        const char* aptitude;
        Color aptitude_colour;
    };
    const std::vector<Case> cases{
        {9, "Half-Orc/male", "9", "0", "0", "0", whitecolor},  // the race that was applied
        {0, "Dwarf", "9", "0", "0.5", "15", techcolor},
        {2, "Elf/male", "7", "0", "-0.5", "15", magickcolor},
    };
    for (const Case& c : cases) {
        spend_everything();
        form.Race_Selection.user_double_click(c.race);
        SCOPED_TRACE(c.caption);

        EXPECT_EQ(form.Current_race.caption, c.caption);
        EXPECT_EQ(form.Current_background.caption, "None");
        EXPECT_EQ(form.cpsleft, 5);
        EXPECT_EQ(form.CPs_remaining.text, "5");
        EXPECT_EQ(form.Clevel.text, "1");
        EXPECT_EQ(form.message_window.text, "");
        EXPECT_EQ(form.purchased.count(), 0);
        for (const auto& college : form.spells)
            for (std::int16_t cell : college) EXPECT_EQ(cell, flag_false);
        for (const auto& discipline : form.techpurchased)
            for (std::int16_t cell : discipline) EXPECT_EQ(cell, flag_false);
        for (std::int16_t counter : {form.cpST, form.cpCN, form.cpDX, form.cpCH, form.cpIN, form.cpWP, form.cpPE,
                                     form.cpBE, form.cphitpoints, form.cpfatigue, form.spellcount, form.techcount,
                                     form.spellaptitude, form.techaptitude, form.techskillaptitude})
            EXPECT_EQ(counter, 0);
        for (float ranks : {form.bowCPspent, form.meleeCPspent, form.healCPspent, form.repairCPspent,
                            form.adtrapsCPspent})
            EXPECT_EQ(ranks, 0.0f);
        EXPECT_EQ(form.Strength.text, "8");
        EXPECT_EQ(form.Willpower.text, "8");
        EXPECT_EQ(form.Adjstrength.text, c.strength);
        EXPECT_EQ(form.bow.text, c.bow);
        EXPECT_EQ(form.repair.text, c.repair);
        EXPECT_EQ(form.bow.back_color, form.neutralcolor);
        EXPECT_EQ(form.repair.back_color, form.neutralcolor);
        EXPECT_EQ(form.aptitude.text, c.aptitude);
        EXPECT_EQ(form.aptitude.back_color, c.aptitude_colour);
        EXPECT_EQ(form.hitpoints.text, std::to_string(2 * static_cast<int>(form.Adjstrength.value()) +
                                                      static_cast<int>(form.Adjwillpower.value()) + 6));
        // What the race step never touches.
        EXPECT_EQ(form.PCname.text, "Brannoc Tallow");
        EXPECT_EQ(form.alternativebackground.text, "Grew up on a barge.\r\nLeft at sixteen.");
        EXPECT_EQ(form.Background_Selection.list_index(), 0);
        EXPECT_EQ(form.background_explanations.text, "No significant background");
    }
}

TEST_F(RaceStep, NoRaceHighlightedKeepsTheSheetButStillResets)
{
    form.Race_Selection.user_double_click(7);  // Half-Ogre
    spend_everything();
    form.Adjstrength.text = "13";
    form.Race_Selection.set_list_index(-1);
    form.RaceSelection();

    EXPECT_EQ(form.Current_race.caption, "Half-Orc/male");  // from the background double click
    EXPECT_EQ(form.Adjstrength.text, "13");
    EXPECT_EQ(form.Adjstrength.back_color, greencolor);
    EXPECT_EQ(form.bow.text, "3.25");
    EXPECT_EQ(form.hitpoints.text, "61");
    EXPECT_EQ(form.raceaptitude, 0);
    EXPECT_EQ(form.aptitude.text, "0");
    EXPECT_EQ(form.Carryweight.text, "6500");
    EXPECT_EQ(form.Damagebonus.text, "3");
    EXPECT_EQ(form.Clevel.text, "1");
    EXPECT_EQ(form.cpsleft, 5);
    EXPECT_EQ(form.Current_background.caption, "None");
}

TEST_F(RaceStep, NoBackgroundHighlightedAppliesNoRow)
{
    form.Race_Selection.user_click(3);  // Gnome
    form.Background_Selection.set_list_index(-1);
    form.Background_Selection_DblClick();
    EXPECT_EQ(form.Current_race.caption, "Gnome");
    EXPECT_EQ(form.Current_background.caption, "None");
    EXPECT_EQ(form.backgroundallowed, flag_true);
    EXPECT_EQ(form.message_window.text, "");
    EXPECT_EQ(form.Adjconstitution.text, "6");
    EXPECT_EQ(form.Adjconstitution.back_color, redcolor);
    EXPECT_EQ(form.haggle.text, "0.5");
    EXPECT_EQ(form.Carryweight.text, "4000");
    EXPECT_EQ(form.hitpoints.text, "32");
    EXPECT_EQ(form.fatigue.text, "28");
}

class RestrictionCheck : public FormFixture {};

TEST_F(RestrictionCheck, CaptionComparedWholeAndExactly)
{
    struct Case {
        const char* caption;
        int background;
        std::int16_t verdict;
    };
    const std::vector<Case> cases{
        {"Elf/female", 10, flag_false}, {"Elf/female", 21, flag_false}, {"Elf/male", 10, flag_false},
        {"Elf/male", 21, flag_true},    {"Dwarf", 10, flag_true},       {"Dwarf", 21, flag_true},
        {"Dwarf", 23, flag_true},       {"Human/female", 30, flag_true}, {"Human/male", 30, flag_false},
        {"Half-Ogre", 0, flag_true},    {"Human/male", 0, flag_true},
        // No row matches these captions, so nothing is barred.
        {"human/male", 30, flag_true},  {"Human/male ", 30, flag_true}, {"dwarf", 2, flag_true},
        {"Human/male", -1, flag_true},
    };
    for (const Case& c : cases) {
        form.Current_race.caption = c.caption;
        form.Background_Selection.set_list_index(c.background);
        form.message_window.text = "earlier";
        form.backgroundallowed = c.verdict == flag_true ? flag_false : flag_true;  // the opposite of the verdict
        form.checkbackgroundrestriction();
        EXPECT_EQ(form.backgroundallowed, c.verdict) << '"' << c.caption << "\" " << c.background;
        EXPECT_EQ(form.message_window.text,
                  c.verdict == flag_true ? "earlier" : "Not available for this race/gender")
            << '"' << c.caption << "\" " << c.background;
        EXPECT_EQ(form.Background_Selection.list_index(), c.background);
        EXPECT_EQ(form.Current_background.caption, "none");
    }
}

// Runs a script on a fresh window and returns what it printed.
std::string run(const std::string& lines)
{
    std::istringstream script(lines);
    std::ostringstream out, err;
    EXPECT_EQ(run_scenario(script, "inline", out, err), scenario_passed) << err.str();
    return out.str();
}

// Whole windows compared: every control and variable that the driver dumps.
TEST(RaceAndBackgroundSequences, ARaceDoubleClickIsTheRaceWithBackgroundZero)
{
    for (std::size_t race = 0; race < race_count; ++race) {
        const std::string r = std::to_string(race);
        EXPECT_EQ(run("dblclick Race_Selection " + r + "\ndump\n"),
                  run("click Race_Selection " + r + "\ndblclick Background_Selection \"No Background\"\ndump\n"))
            << race;
    }
}

TEST(RaceAndBackgroundSequences, ALaterBackgroundReplacesAnEarlierOne)
{
    struct Case {
        std::string race, first, second;
    };
    // Allowed then allowed, barred then allowed, allowed then barred, the same twice.
    const std::vector<Case> cases{{"Human/male", "Troll Offspring", "Sheltered Childhood"},
                                  {"Halfling/male", "Beat with an Ugly Stick", "Ran Away with the Circus"},
                                  {"Human/male", "Debutante", "Raised by Monks"},
                                  {"Elf/female", "Raised by Orcs", "Lady 's Man"},
                                  {"Half-Ogre/male", "Wild half - ogre", "Wild half - ogre"},
                                  {"Dwarf/male", "Clanless Dwarf", "Clanless Dwarf"}};
    for (const Case& c : cases) {
        const std::string race = "click Race_Selection \"" + c.race + "\"\n";
        const std::string first = "dblclick Background_Selection \"" + c.first + "\"\n";
        const std::string second = "dblclick Background_Selection \"" + c.second + "\"\n";
        EXPECT_EQ(run(race + first + second + "dump\n"), run(race + second + "dump\n"))
            << c.race << ": " << c.first << " then " << c.second;
    }
}

}  // namespace
}  // namespace tessmar
