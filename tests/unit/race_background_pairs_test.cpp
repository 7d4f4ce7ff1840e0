// Every race/background pair applied as the user does it: a click on the race,
// then a double click on the background. Each pair leaves either the race sheet
// with the background's modifiers, or, where the race/gender bars it, the bare
// race sheet with the refusal. The expectations come from the race, modifier and
// restriction tables written out here on their own, not from the program's.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "form_fixture.h"
#include "platform/box_value.h"
#include "platform/exact_rows.h"
#include "race_background/race_table.h"
#include "sheet_rules.h"

namespace tessmar {
namespace {

constexpr auto attributes =
    exact_rows<attribute_count, std::string_view>({"ST", "CN", "DX", "BE", "IN", "WP", "PE", "CH"});

std::string adjusted_box(std::string_view attribute)
{
    static const std::map<std::string_view, std::string> boxes{
        {"ST", "Adjstrength"}, {"CN", "Adjconstitution"}, {"DX", "Adjdexterity"}, {"BE", "Adjbeauty"},
        {"IN", "Adjintelligence"}, {"WP", "Adjwillpower"}, {"PE", "Adjperception"}, {"CH", "Adjcharisma"}};
    return boxes.at(attribute);
}

constexpr auto skills = exact_rows<skill_count, std::string_view>({
    "bow",      "dodge",      "melee",    "throwing",    // Combat
    "backstab", "pickpocket", "prowling", "spottrap",    // Thief
    "gambling", "haggle",     "heal",     "persuasion",  // Social
    "repair",   "firearms",   "picklocks", "adtraps",    // Tech
});

// Race rows: caption, hit points, fatigue, Adjusted ST CN DX BE IN WP PE CH,
// the skill boxes that are not 0, and the race's aptitude.
struct RaceRow {
    std::string_view caption;
    int hitpoints, fatigue;
    std::array<int, attribute_count> values;
    std::string_view skills;
    int aptitude;
};
constexpr auto races = exact_rows<race_count, RaceRow>({
    {"Dwarf", 32, 32, {9, 9, 7, 8, 8, 8, 8, 7}, "Tech +0.5", -15},
    {"Elf/female", 27, 29, {6, 7, 9, 9, 8, 9, 8, 8}, "Tech -0.5", 15},
    {"Elf/male", 29, 27, {7, 6, 9, 9, 8, 9, 8, 8}, "Tech -0.5", 15},
    {"Gnome", 32, 28, {8, 6, 8, 8, 8, 10, 8, 8}, "haggle +0.5", 0},
    {"Half-Elf/female", 28, 30, {7, 8, 9, 9, 8, 8, 8, 8}, "Tech -0.25", 5},
    {"Half-Elf/male", 30, 28, {8, 7, 9, 9, 8, 8, 8, 8}, "Tech -0.25", 5},
    {"Halfling", 24, 30, {5, 8, 10, 8, 8, 8, 8, 8}, "prowling +0.5 dodge +0.25", 0},
    {"Half-Ogre", 38, 30, {12, 8, 8, 7, 4, 8, 8, 8}, "prowling -0.5", 0},
    {"Half-Orc/female", 30, 34, {8, 10, 8, 6, 8, 8, 8, 6}, "melee +0.5 dodge +0.5", 0},
    {"Half-Orc/male", 32, 32, {9, 9, 8, 6, 8, 8, 8, 6}, "melee +0.5 dodge +0.5", 0},
    {"Human/female", 28, 32, {7, 9, 8, 8, 8, 8, 8, 8}, "", 0},
    {"Human/male", 30, 30, {8, 8, 8, 8, 8, 8, 8, 8}, "", 0},
});

// Background rows: caption and modifiers ("Combat" and "Tech" stand for the four
// skills of the group).
struct BackgroundRow {
    std::string_view caption;
    std::string_view modifiers;
};
constexpr auto backgrounds = exact_rows<background_count, BackgroundRow>({
    {"None", ""},
    {"apprentice to a shopkeeper", "DX -1 haggle +0.25"},
    {"army training", "ST +1 DX -1 bow +0.25 melee +0.25"},
    {"Beat with an Ugly Stick", "ST +2 DX +2 BE -6 Combat +0.25"},
    {"Bookworm", "IN +1 PE -1"},
    {"Born Under a Sign", ""},
    {"Bully", "ST +1 IN -1"},
    {"Charlatan's Protege", "ST -2 CN -2 CH +6 Combat -0.25"},
    {"Child of a Hero", ""},
    {"Clanless Dwarf", "Tech -0.5"},
    {"Debutante", "ST -1 DX -1 BE +3 CH +3 Combat -0.5"},
    {"Disenfranchised Gnome", "ST +1 haggle -0.5"},
    {"Elvish Blood", "DX +1 Tech -0.5"},
    {"Extreme Personality", ""},
    {"Factory Escapee", "ST +1"},
    {"Feral Child", "DX +3 IN -6 prowling +0.25 pickpocket +0.25 persuasion -0.25 haggle -0.25"},
    {"Foppish Elf", "DX -1 persuasion +0.5"},
    {"Freed Bodyguard", "IN -1"},
    {"Halfling Orphan", "IN -1 pickpocket +0.5"},
    {"Hyperactive", "DX +1 CH -1"},
    {"Inheritance", "WP -1"},
    {"Lady's Man", "ST -2 DX -1 BE +6 CH -3 Combat -0.25"},
    {"Professional Knife Tosser", "PE -1 throwing +0.25"},
    {"Raised by Elves", "Tech -0.25"},
    {"Raised by Monks", "PE +1"},
    {"Raised by Orcs", "ST +2 PE +2 CH -6 Combat +0.25"},
    {"Raised in the Pits", "ST +2 DX +2 IN -6 Combat +0.25"},
    {"Raised by Snake Handlers", "BE -1"},
    {"Ran Away with the Circus", "ST +6 IN -2 WP -3 PE -1"},
    {"Rare Half-Ogre Birth", "ST -1 CN -1 IN +2"},
    {"Sent to Charm School", "ST -1 BE +1 IN -1 CH +1"},
    {"Sheltered Childhood", "ST -6 IN +2 WP +2 PE +1"},
    {"Sickly", "ST -2 DX -1 CN -4 IN +6"},
    {"Special Person", "IN -2"},
    {"Suppressed Orcish Looks", "BE +1 CH -1"},
    {"Tough Hide", "BE -1"},
    {"Troll Offspring", "ST +2 DX +1 CN +2 BE -4 CH -4"},
    {"Wild half-ogre", "WP +1 CH -1"},
});

// The backgrounds each race caption bars.
const std::map<std::string_view, std::set<int>> barred_by_caption{
    {"Dwarf", {2, 11, 12, 14, 16, 17, 18, 29, 30, 34, 35, 37}},
    {"Elf/female", {2, 9, 10, 11, 12, 14, 17, 18, 21, 23, 29, 30, 34, 35, 37}},
    {"Elf/male", {2, 9, 10, 11, 12, 14, 17, 18, 23, 29, 30, 34, 35, 37}},
    {"Gnome", {2, 9, 10, 14, 16, 17, 18, 23, 29, 30, 34, 35, 37}},
    {"Half-Elf/female", {2, 9, 11, 12, 14, 16, 17, 18, 21, 23, 29, 30, 34, 35, 37}},
    {"Half-Elf/male", {2, 9, 10, 11, 12, 14, 16, 17, 18, 23, 29, 30, 34, 35, 37}},
    {"Halfling", {2, 9, 10, 11, 14, 16, 17, 23, 29, 30, 34, 35, 37}},
    {"Half-Ogre", {2, 4, 6, 7, 9, 10, 11, 14, 16, 18, 23, 30, 34}},
    {"Half-Orc/female", {2, 4, 6, 7, 9, 11, 12, 16, 17, 18, 21, 23, 29, 30, 37}},
    {"Half-Orc/male", {2, 4, 6, 7, 9, 10, 11, 12, 16, 17, 18, 23, 29, 30, 37}},
    {"Human/female", {9, 11, 14, 16, 17, 18, 21, 29, 34, 35, 37}},
    {"Human/male", {9, 10, 11, 14, 16, 17, 18, 29, 30, 34, 35, 37}},
};

// The same restrictions read by background: who may take each barred background.
struct OpenTo {
    int background;
    bool all_but;  // the captions below are the ones barred, not the ones open
    std::set<std::string_view> captions;
};
const std::vector<OpenTo> open_to{
    {2, false, {"Human/female", "Human/male"}},
    {4, true, {"Half-Ogre", "Half-Orc/female", "Half-Orc/male"}},
    {6, true, {"Half-Ogre", "Half-Orc/female", "Half-Orc/male"}},
    {7, true, {"Half-Ogre", "Half-Orc/female", "Half-Orc/male"}},
    {9, false, {"Dwarf"}},
    {10, false, {"Dwarf", "Half-Elf/female", "Half-Orc/female", "Human/female"}},
    {11, false, {"Gnome"}},
    {12, false, {"Gnome", "Halfling", "Half-Ogre", "Human/female", "Human/male"}},
    {14, false, {"Half-Orc/female", "Half-Orc/male"}},
    {16, false, {"Elf/female", "Elf/male"}},
    {17, false, {"Half-Ogre"}},
    {18, false, {"Halfling"}},
    {21,
     false,
     {"Dwarf", "Elf/male", "Gnome", "Half-Elf/male", "Halfling", "Half-Ogre", "Half-Orc/male", "Human/male"}},
    {23, false, {"Dwarf", "Human/female", "Human/male"}},
    {29, false, {"Half-Ogre"}},
    {30, false, {"Human/female"}},
    {34, false, {"Half-Orc/female", "Half-Orc/male"}},
    {35, false, {"Half-Ogre", "Half-Orc/female", "Half-Orc/male"}},
    {37, false, {"Half-Ogre"}},
};

// "ST +1 Combat -0.25" as box name -> amount.
std::map<std::string, double> parse_modifiers(std::string_view text)
{
    std::map<std::string, double> amounts;
    std::istringstream words{std::string(text)};
    std::string name, amount;
    while (words >> name >> amount) {
        const double v = std::stod(amount);
        if (name == "Combat") {
            for (const char* s : {"bow", "dodge", "melee", "throwing"}) amounts[s] += v;
        } else if (name == "Tech") {
            for (const char* s : {"repair", "firearms", "picklocks", "adtraps"}) amounts[s] += v;
        } else if (std::find(attributes.begin(), attributes.end(), name) != attributes.end()) {
            amounts[adjusted_box(name)] += v;
        } else {
            amounts[name] += v;
        }
    }
    return amounts;
}

Color colour_for(int value, Color otherwise)
{
    if (value > 8) return greencolor;
    if (value < 8) return redcolor;
    return otherwise;
}

// What the window must show after a pair.
struct Sheet {
    std::map<std::string, std::string> texts;
    std::map<std::string, Color> colours;
    std::string race_caption, background_caption;
};

Sheet expected_sheet(const RaceRow& race, const BackgroundRow& background, bool barred)
{
    Sheet sheet;
    const auto race_skills = parse_modifiers(race.skills);
    const auto modifiers = barred ? std::map<std::string, double>{} : parse_modifiers(background.modifiers);
    const auto modifier = [&](const std::string& box) { return modifiers.contains(box) ? modifiers.at(box) : 0.0; };

    std::map<std::string_view, int> shown;
    for (std::size_t i = 0; i < attributes.size(); ++i) {
        const std::string box = adjusted_box(attributes[i]);
        const int value = race.values[i] + static_cast<int>(modifier(box));
        const Color race_colour = colour_for(race.values[i], system_color::window_background);
        shown[attributes[i]] = std::max(value, 1);
        sheet.texts[box] = std::to_string(shown[attributes[i]]);
        sheet.colours[box] = barred ? race_colour : colour_for(value, race_colour);
    }
    for (std::string_view skill : skills) {
        const std::string box(skill);
        const double base = race_skills.contains(box) ? race_skills.at(box) : 0.0;
        sheet.texts[box] = box_text(base + modifier(box));
        sheet.colours[box] = system_color::window_background;
    }
    for (const char* base : {"Strength", "Constitution", "Dexterity", "Beauty", "Intelligence", "Willpower",
                             "Perception", "Charisma"})
        sheet.texts[base] = "8";

    const int st = shown["ST"], dx = shown["DX"], cn = shown["CN"], wp = shown["WP"];
    sheet.texts["Carryweight"] = box_text(carry_weight(st));
    sheet.texts["Damagebonus"] = box_text(damage_bonus(st));
    sheet.texts["ACadj"] = box_text(armour_adjustment(dx));
    sheet.texts["Speed"] = box_text(speed(dx));
    sheet.texts["hitpoints"] = box_text(hit_points(st, wp));
    sheet.texts["fatigue"] = box_text(fatigue(cn, wp));
    sheet.colours["hitpoints"] = system_color::window_background;
    sheet.colours["fatigue"] = system_color::window_background;
    sheet.texts["aptitude"] = std::to_string(std::abs(race.aptitude));
    sheet.colours["aptitude"] = aptitude_colour(race.aptitude);
    sheet.texts["CPs_remaining"] = "5";
    sheet.texts["Clevel"] = "1";
    sheet.texts["message_window"] = barred ? "Not available for this race/gender" : "";
    sheet.race_caption = race.caption;
    sheet.background_caption = barred ? "None" : background.caption;
    return sheet;
}

// The differences between the window and the expected sheet, one per line.
std::string differences(const Form1& form, const Sheet& sheet)
{
    std::ostringstream out;
    const ControlSet& controls = form.controls();
    for (const auto& [name, text] : sheet.texts) {
        const std::string& actual = controls.get<TextBox>(name).text;
        if (actual != text) out << name << ".text " << actual << " (want " << text << ")\n";
    }
    for (const auto& [name, colour] : sheet.colours) {
        const Color actual = controls.get<TextBox>(name).back_color;
        if (actual != colour)
            out << name << ".backcolor " << color_text(actual) << " (want " << color_text(colour) << ")\n";
    }
    if (form.Current_race.caption != sheet.race_caption)
        out << "Current_race " << form.Current_race.caption << " (want " << sheet.race_caption << ")\n";
    if (form.Current_background.caption != sheet.background_caption)
        out << "Current_background " << form.Current_background.caption << " (want " << sheet.background_caption
            << ")\n";
    return out.str();
}

// The two readings of the restriction table agree, and give the counts per caption.
TEST(RestrictionTableAsWrittenHere, BothReadingsAgree)
{
    std::map<std::string_view, std::set<int>> from_backgrounds;
    for (const RaceRow& race : races) from_backgrounds[race.caption];
    for (const OpenTo& row : open_to)
        for (const RaceRow& race : races)
            if (row.captions.contains(race.caption) == row.all_but)
                from_backgrounds[race.caption].insert(row.background);
    EXPECT_EQ(from_backgrounds, barred_by_caption);

    constexpr auto counts = exact_rows<race_count, std::size_t>({12, 15, 14, 13, 15, 15, 13, 13, 15, 15, 11, 12});
    std::size_t total = 0;
    for (std::size_t r = 0; r < races.size(); ++r) {
        EXPECT_EQ(barred_by_caption.at(races[r].caption).size(), counts[r]) << races[r].caption;
        total += barred_by_caption.at(races[r].caption).size();
    }
    EXPECT_EQ(total, 163u);
}

// The modifier table written here has the 118 modifiers of the game: 71 on
// attributes, 47 on skills; and the race rows keep the hit point and fatigue formula.
TEST(TablesAsWrittenHere, ModifierCountsAndRaceFormula)
{
    std::size_t on_attributes = 0, on_skills = 0;
    for (const BackgroundRow& row : backgrounds)
        for (const auto& [box, amount] : parse_modifiers(row.modifiers))
            ++(box.starts_with("Adj") ? on_attributes : on_skills);
    EXPECT_EQ(on_attributes, 71u);
    EXPECT_EQ(on_skills, 47u);
    for (const RaceRow& race : races) {
        EXPECT_EQ(race.hitpoints, 2 * race.values[0] + race.values[5] + 6) << race.caption;
        EXPECT_EQ(race.fatigue, 2 * race.values[1] + race.values[5] + 6) << race.caption;
    }
}

class RaceBackgroundPairs : public FormFixture {};

// One window for all 456 pairs, so that each pair is applied over the one before.
TEST_F(RaceBackgroundPairs, EveryPairThroughTheLists)
{
    std::map<std::string_view, std::size_t> refused;
    std::size_t refused_total = 0;
    for (int r = 0; r < static_cast<int>(race_count); ++r) {
        const RaceRow& race = races[static_cast<std::size_t>(r)];
        for (int b = 0; b < static_cast<int>(background_count); ++b) {
            form.Race_Selection.user_click(r);
            form.Background_Selection.user_double_click(b);

            const bool barred = barred_by_caption.at(race.caption).contains(b);
            const Sheet sheet = expected_sheet(race, backgrounds[static_cast<std::size_t>(b)], barred);
            EXPECT_EQ(differences(form, sheet), "") << race.caption << " with background " << b;
            EXPECT_EQ(form.backgroundallowed, barred ? flag_false : flag_true) << r << ',' << b;
            EXPECT_EQ(form.raceaptitude, race.aptitude) << r << ',' << b;
            EXPECT_EQ(form.cpsleft, 5);
            EXPECT_EQ(form.Race_Selection.list_index(), r);
            EXPECT_EQ(form.Background_Selection.list_index(), b);  // a barred entry stays highlighted
            EXPECT_EQ(form.background_explanations.text, background_table[static_cast<std::size_t>(b)].description);
            if (form.message_window.text == "Not available for this race/gender") {
                ++refused[race.caption];
                ++refused_total;
            }
        }
    }
    EXPECT_EQ(refused_total, 163u);
    for (const auto& [caption, barred] : barred_by_caption) EXPECT_EQ(refused[caption], barred.size()) << caption;
}

}  // namespace
}  // namespace tessmar
