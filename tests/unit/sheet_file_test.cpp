// The character sheet file: the print-zone layout, the bias word, the lines of
// the sheet, and the SAVE button writing, replacing or refusing to write it.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "form_fixture.h"
#include "start_sheet.h"
#include "scenario.h"
#include "sheet_file/character_sheet.h"
#include "temp_folder.h"

namespace tessmar {
namespace {

namespace fs = std::filesystem;

// ---- The print-zone layout ---------------------------------------------------

TEST(SheetPrinter, ZoneAdvanceReachesTheNextZoneStart)
{
    struct Case {
        std::size_t already;  // characters on the line before the advances
        int advances;
        std::size_t added;    // blanks the advances append
    };
    const std::vector<Case> cases{
        {0, 1, 14},  {1, 1, 13},  {12, 1, 2},  {13, 1, 1},  {14, 1, 14}, {15, 1, 13},
        {27, 1, 1},  {28, 1, 14}, {16, 2, 26}, {14, 2, 28}, {9, 2, 19},  {17, 1, 11},
    };
    for (const Case& c : cases) {
        SheetPrinter line;
        line.print(std::string(c.already, 'x'));
        for (int i = 0; i < c.advances; ++i) line.zone();
        line.print("|");
        EXPECT_EQ(line.text(), std::string(c.already, 'x') + blanks(c.added) + "|")
            << c.already << " characters, " << c.advances << " advances";
    }
}

TEST(SheetPrinter, CountRestartsOnEveryLine)
{
    SheetPrinter sheet;
    sheet.print("abcdefghij").end_line().print("xy").zone().print("|").end_line();
    EXPECT_EQ(sheet.text(), "abcdefghij\r\nxy" + blanks(12) + "|\r\n");

    SheetPrinter broken;  // a line break inside an item starts a new line as well
    broken.print("abcdefghij\nxy").zone().print("|");
    EXPECT_EQ(broken.text(), "abcdefghij\r\nxy" + blanks(12) + "|");
}

TEST(SheetPrinter, CountsCharactersNotBytes)
{
    SheetPrinter line;
    line.print("\xC3\x86sa \xE2\x82\xAC").zone().print("|");  // "Æsa €": 5 characters in 8 bytes
    EXPECT_EQ(line.text(), "\xC3\x86sa \xE2\x82\xAC" + blanks(9) + "|");
}

TEST(SheetPrinter, EveryLineBreakInAnItemIsWrittenAsCrLf)
{
    const std::vector<std::pair<std::string, std::string>> cases{
        {"a\r\nb", "a\r\nb"},       {"a\nb", "a\r\nb"},         {"a\rb", "a\r\nb"},
        {"a\n\nb", "a\r\n\r\nb"},   {"a\n\rb", "a\r\n\r\nb"},   {"a\r\n\r\nb", "a\r\n\r\nb"},
        {"end\r", "end\r\n"},       {"\nstart", "\r\nstart"},   {"plain", "plain"},
    };
    for (const auto& [item, written] : cases) {
        SheetPrinter line;
        line.print(item);
        EXPECT_EQ(line.text(), written) << escape_value(item);
    }
}

TEST(BiasWord, FollowsTheAptitudeBackColour)
{
    const std::vector<std::pair<Color, std::string>> cases{
        {magickcolor, "(magick biased)"},
        {techcolor, "(tech biased)"},
        {whitecolor, "(neutral)"},
        {system_color::window_background, ""},
        {greencolor, ""},
        {0x00FF80FE, ""},
        {0, ""},
    };
    TextBox aptitude("aptitude");
    for (const auto& [colour, word] : cases) {
        aptitude.back_color = colour;
        EXPECT_EQ(aptitude_bias_word(aptitude), word) << color_text(colour);
    }
}

// ---- The lines of the sheet ------------------------------------------------------

class SheetText : public FormFixture {
protected:
    // Line n (counted from 1) of the sheet the window would write now.
    std::string line(std::size_t n)
    {
        const std::string text = compose_character_sheet(form, aptitude_bias_word(form.aptitude));
        std::size_t start = 0;
        for (std::size_t i = 1; i < n; ++i) start = text.find("\r\n", start) + 2;
        return text.substr(start, text.find("\r\n", start) - start);
    }
};

TEST_F(SheetText, BackgroundLabelColumnFollowsTheRaceCaption)
{
    struct Case {
        const char* race;
        std::size_t background_column;  // counted from 1
    };
    const std::vector<Case> cases{
        {"Human/male", 29}, {"Dwarf", 15},          {"Gnome", 15},         {"Elf/male", 29},
        {"Half-Orc/female", 29}, {"Halfling/male", 29}, {"Elf/female", 29},
    };
    for (const Case& c : cases) {
        form.Current_race.caption = c.race;
        const std::string first_part = std::string("Race:  ") + c.race;
        EXPECT_EQ(line(2), first_part + blanks(c.background_column - 1 - first_part.size()) + "Background:  none")
            << c.race;
    }
    form.Current_race.caption = "Gnome";
    form.Current_background.caption = "Disenfranchised Gnome";
    EXPECT_EQ(line(2), "Race:  Gnome  Background:  Disenfranchised Gnome");
}

TEST_F(SheetText, LinesOfTheStartSheet)
{
    EXPECT_EQ(line(1), "Name:  ");
    EXPECT_EQ(line(4), "Level:  1" + blanks(5) + blanks(14) + "Aptitude: 0  (neutral)");
    EXPECT_EQ(line(10), "Strength:      8" + blanks(12) + blanks(14) + "Intelligence:  8");
    EXPECT_EQ(line(10).find("Intelligence:  "), 42u);
    EXPECT_EQ(line(24), "Bow:         0" + blanks(14) + blanks(14) + "Dodge:             0");
    EXPECT_EQ(line(24).find("Dodge:"), 42u);
    EXPECT_EQ(line(15), "Hitpoints: 30      Fatigue: 30");
}

TEST_F(SheetText, BoxesAreWrittenAsTheyStand)
{
    form.Clevel.text = "12";
    form.hitpoints.text = "47";
    form.fatigue.text = "105";
    form.bow.text = "2.75";
    form.dodge.text = "0.5";
    form.Adjstrength.text = "15";
    form.Carryweight.text = "7500";
    form.Damagebonus.text = "-2";
    EXPECT_EQ(line(4), "Level:  12" + blanks(4 + 14) + "Aptitude: 0  (neutral)");
    EXPECT_EQ(line(10), "Strength:      15" + blanks(11 + 14) + "Intelligence:  8");
    EXPECT_EQ(line(15), "Hitpoints: 47      Fatigue: 105");
    EXPECT_EQ(line(17), "Carry Weight: 7500" + blanks(10 + 14) + "Damage Bonus: -2");
    EXPECT_EQ(line(24), "Bow:         2.75" + blanks(11 + 14) + "Dodge:             0.5");
}

TEST_F(SheetText, AptitudeLineCarriesTheBiasOfTheColour)
{
    form.aptitude.text = "100";
    const std::vector<std::pair<Color, std::string>> cases{
        {magickcolor, "Aptitude: 100  (magick biased)"},
        {techcolor, "Aptitude: 100  (tech biased)"},
        {whitecolor, "Aptitude: 100  (neutral)"},
        {greencolor, "Aptitude: 100  "},
    };
    for (const auto& [colour, ending] : cases) {
        form.aptitude.back_color = colour;
        EXPECT_EQ(line(4), "Level:  1" + blanks(19) + ending) << color_text(colour);
    }
}

TEST_F(SheetText, NameIsWrittenUntrimmed)
{
    for (const char* name : {"", "Brannoc", " Ann ", "Twenty-two characters!"}) {
        form.PCname.text = name;
        EXPECT_EQ(line(1), std::string("Name:  ") + name);
        EXPECT_EQ(line(2), "Race:  Human/male" + blanks(11) + "Background:  none");
    }
}

// ---- The SAVE button ---------------------------------------------------------------

class SaveButton : public FormFixture {
protected:
    std::string saved_sheet(const std::string& name = "sheet.txt")
    {
        const fs::path file = folder / name;
        dialog.answer = file.string();
        form.SAVE_Click();
        EXPECT_EQ(form.message_window.text, "") << "a save that works shows no message";
        return read_bytes(file);
    }

    TempFolder folder;
};

TEST_F(SaveButton, StartStateSheetByteForByte)
{
    EXPECT_EQ(saved_sheet(), crlf_lines(start_state_lines()));
    EXPECT_EQ(dialog.shown, 1);
    EXPECT_EQ(folder_record(folder.path()).size(), 1u);
}

TEST_F(SaveButton, SheetOfAPlayedCharacter)
{
    form.PCname.type("Durgin Stonehand");
    form.Race_Selection.user_double_click(0);  // Dwarf
    form.Spell_list.user_double_click(0);      // Unseen Force
    form.Tech_select.click();
    form.Schematic_list.user_double_click(0);  // Charges
    form.Magick_select.click();
    form.Magick_list.user_click(3);
    form.Spell_list.user_double_click(0);  // Strength of Earth
    ASSERT_EQ(form.purchased.count(), 3);
    ASSERT_EQ(form.aptitude.back_color, techcolor);

    std::vector<std::string> expected = start_state_lines();
    expected[0] = "Name:  Durgin Stonehand";
    expected[1] = "Race:  Dwarf  Background:  None";
    expected[3] = "Level:  1" + blanks(19) + "Aptitude: 10  (tech biased)";
    expected[9] = "Strength:      9" + blanks(26) + "Intelligence:  8";
    expected[10] = "Constitution:  9" + blanks(26) + "Willpower:     8";
    expected[11] = "Dexterity:     7" + blanks(26) + "Perception:    8";
    expected[12] = "Beauty:        8" + blanks(26) + "Charisma:      7";
    expected[14] = "Hitpoints: 32      Fatigue: 32";
    expected[16] = "Carry Weight: 4500" + blanks(10 + 14) + "Damage Bonus: 0";
    expected[18] = "Armor Class adj.: -3" + blanks(8 + 14) + "Speed: 7";
    expected[29] = "Repair:      0.5" + blanks(12 + 14) + "Firearms:          0.5";
    expected[30] = "Pick Locks:  0.5" + blanks(12 + 14) + "Arm/Disarm Traps:  0.5";
    expected.insert(expected.end(), {"Unseen Force", "Charges", "Strength of Earth"});
    EXPECT_EQ(saved_sheet(), crlf_lines(expected));
}

TEST_F(SaveButton, BoughtItemsFollowInPurchaseOrder)
{
    for (const char* item : {"Teleport", "Charm", "Minor Healing"}) form.purchased.add_item(item);
    std::vector<std::string> expected = start_state_lines();
    expected.insert(expected.end(), {"Teleport", "Charm", "Minor Healing"});
    EXPECT_EQ(saved_sheet(), crlf_lines(expected));
}

TEST_F(SaveButton, MultiLineAlternativeBackgroundKeepsItsLineBreaks)
{
    form.alternativebackground.type("Grew up at sea.\nLost an eye.\n\nNever speaks of it.");
    ASSERT_EQ(form.alternativebackground.text, "Grew up at sea.\r\nLost an eye.\r\n\r\nNever speaks of it.");
    std::vector<std::string> expected = start_state_lines();
    expected[5] = "Alternative Background: Grew up at sea.\r\nLost an eye.\r\n\r\nNever speaks of it.";
    EXPECT_EQ(saved_sheet(), crlf_lines(expected));

    form.alternativebackground.text = "one\ntwo\rthree\r\n";  // breaks that typing cannot make
    expected[5] = "Alternative Background: one\r\ntwo\r\nthree\r\n";
    EXPECT_EQ(saved_sheet(), crlf_lines(expected));
}

TEST_F(SaveButton, TypedTextOutsideAsciiIsWrittenAsUtf8)
{
    form.PCname.type("\xC3\x9E\xC3\xB3runn \xE2\x80\x94 \xF0\x9F\x90\x89");  // "Þórunn — 🐉"
    form.alternativebackground.type("S\xC3\xA4ge \xC3\xBC" "ber \xE2\x82\xAC" "5");  // "Säge über €5"
    std::vector<std::string> expected = start_state_lines();
    expected[0] = "Name:  \xC3\x9E\xC3\xB3runn \xE2\x80\x94 \xF0\x9F\x90\x89";
    expected[5] = "Alternative Background: S\xC3\xA4ge \xC3\xBC" "ber \xE2\x82\xAC" "5";
    EXPECT_EQ(saved_sheet(), crlf_lines(expected));
}

TEST_F(SaveButton, SavingTwiceLeavesOnlyTheSecondSheet)
{
    form.PCname.type("A rather long name here");
    form.alternativebackground.type("Many\nlines\nof\nhistory");
    for (const char* item : {"Teleport", "Charm", "Minor Healing"}) form.purchased.add_item(item);
    saved_sheet();

    form.PCname.type("Bo");
    form.alternativebackground.type("");
    form.purchased.clear();
    std::vector<std::string> expected = start_state_lines();
    expected[0] = "Name:  Bo";
    EXPECT_EQ(saved_sheet(), crlf_lines(expected));
    EXPECT_EQ(folder_record(folder.path()).size(), 1u);
}

TEST_F(SaveButton, CancelledDialogWritesNothing)
{
    dialog.answer = "";
    form.SAVE_Click();
    EXPECT_EQ(dialog.shown, 1);
    EXPECT_TRUE(folder_record(folder.path()).empty());
    EXPECT_EQ(form.message_window.text, "");

    // A cancel after a save leaves the saved file alone.
    const std::string first = saved_sheet();
    form.PCname.type("Changed");
    dialog.answer = "";
    form.SAVE_Click();
    EXPECT_EQ(read_bytes(folder / "sheet.txt"), first);
}

TEST_F(SaveButton, FailureMessageTellsWhyAndALaterSaveTakesItBack)
{
    dialog.answer = (folder / "missing" / "sheet.txt").string();
    form.SAVE_Click();
    EXPECT_EQ(form.message_window.text, "Not saved: No such file or directory");
    dialog.answer = (folder / "sheet.txt").string();
    form.SAVE_Click();
    EXPECT_EQ(form.message_window.text, "");
    EXPECT_EQ(read_bytes(folder / "sheet.txt"), crlf_lines(start_state_lines()));

    // A save that works leaves any other message as it is.
    form.message_window.text = "No CPs left";
    form.SAVE_Click();
    EXPECT_EQ(form.message_window.text, "No CPs left");
}

TEST_F(SaveButton, SaveThroughSymbolicLinkReplacesItsTargetAndKeepsItsMode)
{
    using fs::perms;
    write_bytes(folder / "real.txt", "an older sheet");
    fs::permissions(folder / "real.txt", perms::owner_read | perms::owner_write);
    fs::create_symlink("real.txt", folder / "link.txt");
    saved_sheet("link.txt");
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(folder / "link.txt")));
    EXPECT_EQ(read_bytes(folder / "real.txt"), crlf_lines(start_state_lines()));
    EXPECT_EQ(permissions_of(folder / "real.txt"), perms::owner_read | perms::owner_write);
}

// The window's full dump (every control and every window-level variable) just
// before and just after one save, on a window that the given lines set up.
struct DumpsAroundSave {
    std::vector<std::string> before;
    std::vector<std::string> after;
};

DumpsAroundSave dumps_around_save(const std::string& setup, const fs::path& target)
{
    std::istringstream script(setup + "dump\nsave " + target.string() + "\ndump\n");
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(run_scenario(script, "save", out, err), scenario_passed) << err.str();
    std::vector<std::string> lines;
    std::istringstream printed(out.str());
    for (std::string l; std::getline(printed, l);) lines.push_back(l);
    EXPECT_EQ(lines.size() % 2, 0u);
    const auto half = lines.begin() + static_cast<std::ptrdiff_t>(lines.size() / 2);
    return {{lines.begin(), half}, {half, lines.end()}};
}

const std::string played_character = "type PCname Brannoc\n"
                                     "type alternativebackground Two\\nlines\n"
                                     "dblclick Race_Selection \"Dwarf/male\"\n"
                                     "dblclick Spell_list 0\n";

TEST(SaveWindow, WorkingSaveChangesNothingOnTheWindow)
{
    TempFolder f;
    const DumpsAroundSave dumps = dumps_around_save(played_character, f / "sheet.txt");
    EXPECT_NE(std::find(dumps.before.begin(), dumps.before.end(), "Current_race.caption=Dwarf"), dumps.before.end());
    EXPECT_EQ(dumps.after, dumps.before);
    EXPECT_FALSE(read_bytes(f / "sheet.txt").empty());
}

// A save that cannot be written: the whole window stays as it was apart from
// the message that says why, every file stays byte for byte, and nothing new is
// left behind.
// None of these depends on permission bits, so they fail for root too.
TEST(SaveWindow, FailedSaveChangesNothingButTheMessage)
{
    struct Case {
        const char* name;
        std::function<fs::path(const TempFolder&)> prepare;  // returns the path the dialog answers
        const char* reason;
    };
    const std::vector<Case> cases{
        {"folder does not exist", [](const TempFolder& f) { return f / "missing" / "sheet.txt"; },
         "No such file or directory"},
        {"path is a folder",
         [](const TempFolder& f) {
             fs::create_directory(f / "sheets");
             write_bytes(f / "sheets" / "old.txt", "an old sheet\r\n");
             return f / "sheets";
         },
         "Is a directory"},
        {"parent is a plain file",
         [](const TempFolder& f) {
             write_bytes(f / "notes.txt", "notes\r\n");
             return f / "notes.txt" / "sheet.txt";
         },
         "Not a directory"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder f;
        write_bytes(f / "sheet.txt", "an earlier sheet\r\n");
        const fs::path target = c.prepare(f);
        const auto files_before = folder_record(f.path());

        const DumpsAroundSave dumps = dumps_around_save(played_character, target);
        ASSERT_EQ(dumps.after.size(), dumps.before.size());
        for (std::size_t i = 0; i < dumps.before.size(); ++i) {
            if (dumps.before[i].starts_with("message_window.text=")) {
                EXPECT_EQ(dumps.before[i], "message_window.text=");
                EXPECT_EQ(dumps.after[i], std::string("message_window.text=Not saved: ") + c.reason);
            } else {
                EXPECT_EQ(dumps.after[i], dumps.before[i]);
            }
        }
        EXPECT_EQ(folder_record(f.path()), files_before);
    }
}

}  // namespace
}  // namespace tessmar
