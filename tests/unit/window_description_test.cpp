// The window description of Form1: control counts, unique names, the layout facts
// the sheet depends on, and captions and tooltips kept exactly as stored.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "window/window_description.h"

namespace tessmar {
namespace {

const ControlDescription* find_control(std::string_view name)
{
    const auto controls = form1_controls();
    const auto it =
        std::find_if(controls.begin(), controls.end(), [&](const ControlDescription& c) { return c.name == name; });
    return it == controls.end() ? nullptr : &*it;
}

// The description of a control that must exist; a missing name fails the test.
const ControlDescription& control(std::string_view name)
{
    static const ControlDescription missing{.name = "<missing>", .place = {}};
    const ControlDescription* found = find_control(name);
    if (found == nullptr) {
        ADD_FAILURE() << "no control named " << name;
        return missing;
    }
    return *found;
}

int right_edge(const Place& p)
{
    return p.left + p.width;
}

TEST(WindowDescription, CountsControlsPerKind)
{
    struct Case {
        ControlKind kind;
        long expected;
    };
    const std::vector<Case> cases{
        {ControlKind::TextBox, 46}, {ControlKind::Label, 54},     {ControlKind::Button, 58},
        {ControlKind::ListBox, 7},  {ControlKind::FileDialog, 1},
    };
    const auto controls = form1_controls();
    for (const Case& c : cases) {
        const long n =
            std::count_if(controls.begin(), controls.end(), [&](const ControlDescription& s) { return s.kind == c.kind; });
        EXPECT_EQ(n, c.expected) << "kind " << static_cast<int>(c.kind);
    }
    EXPECT_EQ(controls.size(), 166u);
}

TEST(WindowDescription, NamesAreUnique)
{
    std::set<std::string_view> seen;
    for (const ControlDescription& c : form1_controls()) EXPECT_TRUE(seen.insert(c.name).second) << c.name;
}

TEST(WindowDescription, WindowCaptionAndClientArea)
{
    const WindowDescription& w = form1_window();
    EXPECT_EQ(w.caption.size(), 40u);
    EXPECT_EQ(w.caption, "Tessmar Character Planner" + std::string(10, ' ') + "v 1.7");
    EXPECT_EQ(w.client_width, 11850);
    EXPECT_EQ(w.client_height, 8595);
    EXPECT_EQ(w.back_color, 0x00C0C0C0u);
    EXPECT_EQ(w.fore_color, 0x00FF8080u);
    EXPECT_EQ(w.font, window_font);
}

TEST(WindowDescription, EveryPlacedControlLiesInsideTheClientArea)
{
    const WindowDescription& w = form1_window();
    for (const ControlDescription& c : form1_controls()) {
        if (c.kind == ControlKind::FileDialog) continue;
        EXPECT_GT(c.place.width, 0) << c.name;
        EXPECT_GT(c.place.height, 0) << c.name;
        EXPECT_GE(c.place.left, 0) << c.name;
        EXPECT_GE(c.place.top, 0) << c.name;
        EXPECT_LE(right_edge(c.place), w.client_width) << c.name;
        EXPECT_LE(c.place.top + c.place.height, w.client_height) << c.name;
    }
}

TEST(WindowDescription, OnlyDummyAndTheDialogAreHidden)
{
    for (const ControlDescription& c : form1_controls()) {
        const bool hidden = c.name == "dummy" || c.name == "savefile";
        EXPECT_EQ(c.visible, !hidden) << c.name;
    }
    EXPECT_EQ(control("savefile").kind, ControlKind::FileDialog);
    EXPECT_EQ(control("savefile").place, Place{});
    EXPECT_EQ(control("dummy").kind, ControlKind::TextBox);
    EXPECT_EQ(control("dummy").text, "0");
}

TEST(WindowDescription, OnlyThreeTextBoxesTakeTyping)
{
    for (const ControlDescription& c : form1_controls()) {
        if (c.kind != ControlKind::TextBox) continue;
        const bool editable = c.name == "PCname" || c.name == "alternativebackground" || c.name == "dummy";
        EXPECT_EQ(c.read_only, !editable) << c.name;
        const bool multi = c.name == "alternativebackground" || c.name == "background_explanations";
        EXPECT_EQ(c.multi_line, multi) << c.name;
    }
    EXPECT_EQ(control("PCname").max_length, 22);
    EXPECT_EQ(control("alternativebackground").max_length, 3000);
    EXPECT_EQ(control("background_explanations").max_length, 0);
    EXPECT_EQ(control("background_explanations").text, "Text1\r\n");
}

// Tab reaches every button, list and editable box that the window shows, and
// the description box, once each, starting at the name; the other read-only
// boxes only take a click.
TEST(WindowDescription, TabOrderHoldsEveryControlThatTakesInputOnce)
{
    std::set<std::string_view> listed;
    for (std::string_view name : form1_tab_order()) {
        EXPECT_TRUE(listed.insert(name).second) << name << " twice";
        EXPECT_NE(find_control(name), nullptr) << name;
    }
    for (const ControlDescription& c : form1_controls()) {
        const bool takes_input = c.visible && (c.kind == ControlKind::Button || c.kind == ControlKind::ListBox ||
                                               (c.kind == ControlKind::TextBox && !c.read_only) ||
                                               c.name == "background_explanations");
        EXPECT_EQ(listed.count(c.name) == 1, takes_input) << c.name;
    }
    ASSERT_FALSE(form1_tab_order().empty());
    EXPECT_EQ(form1_tab_order().front(), "PCname");
}

TEST(WindowDescription, OnlyRaceSelectionIsSorted)
{
    for (const ControlDescription& c : form1_controls()) EXPECT_EQ(c.sorted, c.name == "Race_Selection") << c.name;
    EXPECT_EQ(control("Race_Selection").kind, ControlKind::ListBox);
}

TEST(WindowDescription, PlusAndMinusButtonsAreGreenAndRed)
{
    int plus = 0;
    int minus = 0;
    for (const ControlDescription& c : form1_controls()) {
        if (c.kind != ControlKind::Button || (c.text != "+" && c.text != "-")) continue;
        (c.text == "+" ? plus : minus) += 1;
        EXPECT_EQ(c.back_color, c.text == "+" ? 0x0000FF00u : 0x000000FFu) << c.name;
        EXPECT_EQ(c.font, (Font{9.75f, true})) << c.name;
        EXPECT_EQ(c.place.width, 225) << c.name;
        EXPECT_EQ(c.place.height, 240) << c.name;
        const std::string_view suffix = c.text == "+" ? "_plus" : "_minus";
        EXPECT_TRUE(c.name.ends_with(suffix)) << c.name;
    }
    EXPECT_EQ(plus, 26);
    EXPECT_EQ(minus, 26);
}

TEST(WindowDescription, SkillRowsLineUpAndLabelsEndAtTheGroupEdge)
{
    struct Row {
        std::string_view label, minus, box, plus;
        int edge;
    };
    const std::vector<Row> rows{
        {"Label19", "bow_minus", "bow", "bow_plus", 7335},
        {"Label18", "dodge_minus", "dodge", "dodge_plus", 7335},
        {"Label17", "melee_minus", "melee", "melee_plus", 7335},
        {"Label16", "throwing_minus", "throwing", "throwing_plus", 7335},
        {"Label23", "backstab_minus", "backstab", "backstab_plus", 10575},
        {"Label22", "pickpocket_minus", "pickpocket", "pickpocket_plus", 10575},
        {"Label21", "prowling_minus", "prowling", "prowling_plus", 10575},
        {"Label20", "spottrap_minus", "spottrap", "spottrap_plus", 10575},
        {"Label25", "Gambling_minus", "gambling", "Gambling_plus", 7455},
        {"Label26", "Haggle_minus", "haggle", "Haggle_plus", 7455},
        {"Label27", "Heal_minus", "heal", "Heal_plus", 7455},
        {"Label28", "Persausion_minus", "persuasion", "Persausion_plus", 7455},
        {"Label29", "Repair_minus", "repair", "Repair_plus", 10575},
        {"Label30", "Firearms_minus", "firearms", "Firearms_plus", 10575},
        {"Label31", "Picklocks_minus", "picklocks", "Picklocks_plus", 10575},
        {"Label32", "ADTraps_minus", "adtraps", "ADTraps_plus", 10575},
    };
    for (const Row& r : rows) {
        const ControlDescription& label = control(r.label);
        const ControlDescription& minus = control(r.minus);
        const ControlDescription& box = control(r.box);
        const ControlDescription& plus = control(r.plus);
        EXPECT_EQ(right_edge(label.place), r.edge) << r.label;
        EXPECT_EQ(label.place.height, 255) << r.label;
        EXPECT_EQ(label.font, window_font) << r.label;
        EXPECT_TRUE(label.tooltip.empty()) << r.label;
        EXPECT_EQ(minus.place.top, label.place.top) << r.minus;
        EXPECT_EQ(box.place.top, label.place.top) << r.box;
        EXPECT_EQ(plus.place.top, label.place.top) << r.plus;
        EXPECT_LT(right_edge(label.place), minus.place.left) << r.label;
        EXPECT_LE(right_edge(minus.place), box.place.left) << r.minus;
        // The box runs 15 twips (one pixel) under its "+" button, in every row.
        EXPECT_EQ(right_edge(box.place), plus.place.left + 15) << r.box;
        EXPECT_EQ(box.kind, ControlKind::TextBox) << r.box;
        EXPECT_EQ(box.place.width, 615) << r.box;
        EXPECT_EQ(box.place.height, 285) << r.box;
        EXPECT_EQ(box.text, "00") << r.box;
        EXPECT_EQ(box.tooltip, minus.tooltip) << r.box;
        EXPECT_EQ(box.tooltip, plus.tooltip) << r.box;
        EXPECT_TRUE(box.tooltip.starts_with("prerequisite = ")) << r.box;
    }
    EXPECT_EQ(control("Label32").text, "Arm/Disarm Traps");
    EXPECT_EQ(control("Label32").place.left, 8880);
    EXPECT_EQ(control("Label29").place.left, 9960);
}

TEST(WindowDescription, AttributeRowsShareOneTooltipAndStandAroundTheRowTop)
{
    struct Row {
        std::string_view label, base, adjusted, plus, minus;
    };
    const std::vector<Row> rows{
        {"Label5", "Strength", "Adjstrength", "ST_plus", "ST_minus"},
        {"Label6", "Constitution", "Adjconstitution", "CN_plus", "CN_minus"},
        {"Label7", "Dexterity", "Adjdexterity", "DX_plus", "DX_minus"},
        {"Label12", "Beauty", "Adjbeauty", "BE_plus", "BE_minus"},
        {"Label9", "Intelligence", "Adjintelligence", "IN_plus", "IN_minus"},
        {"Label10", "Willpower", "Adjwillpower", "WP_plus", "WP_minus"},
        {"Label11", "Perception", "Adjperception", "PE_plus", "PE_minus"},
        {"Label8", "Charisma", "Adjcharisma", "CH_plus", "CH_minus"},
    };
    std::set<std::string_view> tooltips;
    for (const Row& r : rows) {
        const ControlDescription& label = control(r.label);
        const int top = label.place.top;
        EXPECT_EQ(label.fore_color, 0x00FFFF00u) << r.label;
        for (std::string_view name : {r.base, r.adjusted}) {
            const ControlDescription& box = control(name);
            EXPECT_EQ(box.place.top, top) << name;
            EXPECT_EQ(box.place.width, 375) << name;
            EXPECT_EQ(box.place.height, 285) << name;
            EXPECT_EQ(box.text, "8") << name;
            EXPECT_TRUE(box.read_only) << name;
        }
        EXPECT_EQ(control(r.plus).place.top, top - 120) << r.plus;
        EXPECT_EQ(control(r.minus).place.top, top + 120) << r.minus;
        EXPECT_EQ(control(r.plus).place.left, control(r.minus).place.left) << r.plus;
        for (std::string_view name : {r.base, r.adjusted, r.plus, r.minus})
            EXPECT_EQ(control(name).tooltip, label.tooltip) << name;
        EXPECT_TRUE(label.tooltip.starts_with("bonus for 20 = ")) << r.label;
        tooltips.insert(label.tooltip);
    }
    EXPECT_EQ(tooltips.size(), rows.size());

    const Place wp = control("Label10").place;
    for (std::string_view name : {"Label5", "Label6", "Label7", "Label12", "Label9", "Label11", "Label8"})
        EXPECT_EQ(control(name).place.width, 375) << name;
    EXPECT_EQ(wp.left, control("Label9").place.left - 120);
    EXPECT_EQ(wp.width, control("Label9").place.width + 45);
    EXPECT_EQ(right_edge(wp), right_edge(control("Label9").place) - 75);
}

TEST(WindowDescription, PairedListsShareTheirPlaces)
{
    EXPECT_EQ(control("Magick_list").place, control("Tech_list").place);
    const Place spells = control("Spell_list").place;
    const Place schematics = control("Schematic_list").place;
    EXPECT_EQ(schematics.left, spells.left);
    EXPECT_EQ(schematics.top, spells.top);
    EXPECT_EQ(schematics.height, spells.height);
    EXPECT_EQ(schematics.width, spells.width + 240);
    EXPECT_EQ(control("Magick_list").fore_color, 0x00FF00FFu);
    EXPECT_EQ(control("Tech_list").fore_color, 0x000040C0u);
    EXPECT_EQ(control("Spelltechindicator").fore_color, 0x00FF00FFu);
}

TEST(WindowDescription, TextsAreKeptAsStored)
{
    struct Case {
        std::string_view control;
        bool tooltip;  // false: the caption or start text
        std::string_view expected;
    };
    const std::vector<Case> cases{
        {"Strength", true, "bonus for 20 =  +10 Damage(double damage)"},
        {"Label6", true, "bonus for 20 = poison immunity "},
        {"CH_minus", true,
         "bonus for 20 = 100% loyalty: followers will never flee from your side and will only leave you if you ask "
         "them to, never of their own accord "},
        {"SAVE", true, "saves  current inforamtion to text file"},
        {"levelup", true, "increses level by 1(adds CPs)"},
        {"Damagebonus", true, "adds( or subtracts) to your damage when usinga melee weapon"},
        {"Carryweight", true, "expressed in stones( 1 \"stone\" = 1/10 lb.)"},
        {"Label47", true, "expressed in stones( 1 \"stone\" = 1/10 lb.)"},
        {"aptitude", true, "Current Aptitude(background color indicates bias)"},
        {"hitpoints", true, "current hitpoints (how much damage you can take)"},
        {"Fatigue_plus", true, "current fatigue(mainly used for casting spells)"},
        {"Label41", false, "\"Purchased\" Spells and Schematics"},
        {"Label1", false, "Race Selection"},
        {"Label40", false, "Alternative background description"},
        {"Current_race", false, "Human/male"},
        {"Current_background", false, "none"},
        {"Spelltechindicator", false, "Spells"},
        {"levelup", false, "Level-up"},
        {"Clear", false, "Clear Spells/Schematics"},
        {"Label30", false, "FireArms"},
        {"CPs_remaining", false, "05"},
        {"hitpoints", false, "000"},
        {"Carryweight", false, "000"},
        {"Speed", false, "00"},
        {"Clevel", false, "1"},
        {"aptitude", false, "0"},
        {"message_window", false, ""},
        {"PCname", false, ""},
    };
    for (const Case& c : cases) {
        const ControlDescription& s = control(c.control);
        EXPECT_EQ(c.tooltip ? s.tooltip : s.text, c.expected) << c.control << (c.tooltip ? " tooltip" : " text");
    }
}

TEST(WindowDescription, HeadingsAndPlainLabelsHaveNoTooltip)
{
    for (std::string_view name : {"Label1",  "Label2",  "Label3",       "Label4",  "Label13", "Label14",
                                  "Label15", "Label24", "Label33",      "Label34", "Label35", "Label36",
                                  "Label42", "Label43", "Label44",      "Label45", "Label41", "Spelltechindicator",
                                  "PCname",  "Clevel",  "CPs_remaining"})
        EXPECT_TRUE(control(name).tooltip.empty()) << name;
}

TEST(WindowDescription, AptitudeBoxIsBlackOnWhite)
{
    EXPECT_EQ(control("aptitude").back_color, 0x00FFFFFFu);
    EXPECT_EQ(control("aptitude").fore_color, 0x00000000u);
    // The other number boxes keep the default back colour the sheet resets them to.
    for (std::string_view name : {"Strength", "Adjcharisma", "bow", "adtraps", "hitpoints", "Carryweight"})
        EXPECT_EQ(control(name).back_color, default_color) << name;
}

}  // namespace
}  // namespace tessmar
