// What a screen reader is told of the window: every control a user reaches has
// a name in the window's words, each "+" and "-" names its line, and after an
// action the message said anew or the new values that the control reports.
#include <gtest/gtest.h>

#include <cctype>
#include <functional>
#include <set>
#include <string>
#include <string_view>

#include "form_fixture.h"
#include "window/spoken_result.h"

namespace tessmar {
namespace {

using SpokenNames = FormFixture;

TEST_F(SpokenNames, EveryShownControlHasANameAndEveryButtonItsOwn)
{
    const ControlSet& controls = form.controls();
    std::set<std::string> button_names;
    for (const Control* control : controls.in_order()) {
        if (!control->visible || control->kind() == ControlKind::Label) continue;
        const std::string name = spoken_name(controls, *control);
        EXPECT_FALSE(name.empty()) << control->name();
        if (control->kind() == ControlKind::Button) {
            EXPECT_TRUE(button_names.insert(name).second) << name;
        }
        if (!control->labelled_by.empty()) {
            EXPECT_NE(dynamic_cast<const Label*>(controls.find(control->labelled_by)), nullptr) << control->name();
        }
        for (const std::string& reported : control->reports) EXPECT_NE(controls.find(reported), nullptr) << reported;
    }
}

// "Raise X" and "Lower X", where X is the name of the box the line's buttons change.
TEST_F(SpokenNames, EachPlusAndMinusNamesTheLineItChanges)
{
    const ControlSet& controls = form.controls();
    int lines = 0;
    for (const Control* control : controls.in_order()) {
        const std::string& id = control->name();
        if (control->kind() != ControlKind::Button || !id.ends_with("_plus")) continue;
        const Control& minus = *controls.find(id.substr(0, id.size() - 5) + "_minus");
        ASSERT_FALSE(control->reports.empty()) << id;
        std::string line = spoken_name(controls, *controls.find(control->reports.front()));
        if (line.ends_with(" base")) line.resize(line.size() - 5);
        EXPECT_EQ(spoken_name(controls, *control), "Raise " + line);
        EXPECT_EQ(spoken_name(controls, minus), "Lower " + line);
        EXPECT_EQ(minus.reports, control->reports) << id;
        ++lines;
    }
    EXPECT_EQ(lines, 26);  // eight attributes, hit points, fatigue and sixteen skills
}

TEST(SpokenName, ComesFromTheNameTheLabelOrTheCaption)
{
    LoadedWindow window;
    const ControlSet& controls = window.form.controls();
    EXPECT_EQ(spoken_name(controls, window.form.Adjstrength), "Strength adjusted");
    EXPECT_EQ(spoken_name(controls, window.form.Current_race), "Current Race");  // the label beside it
    EXPECT_EQ(spoken_name(controls, window.form.levelup), "Level-up");          // its caption
}

struct ToldCase {
    const char* what;
    std::function<void(Form1&)> before;  // brings the sheet to the case's start
    std::string_view source;
    std::function<void(Form1&)> action;
    std::string told;
};

class SpokenResults : public ::testing::TestWithParam<ToldCase> {};

TEST_P(SpokenResults, TellTheMessageSaidAnewElseTheNewValues)
{
    const ToldCase& c = GetParam();
    LoadedWindow window;
    Form1& form = window.form;
    if (c.before) c.before(form);
    const SpokenResult result(form.controls(), *form.controls().find(c.source));
    c.action(form);
    EXPECT_EQ(result.told(), c.told);
}

void click(Form1& form, std::string_view button) { form.controls().get<Button>(button).click(); }

INSTANTIATE_TEST_SUITE_P(
    Actions, SpokenResults,
    ::testing::Values(
        ToldCase{"a point bought", {}, "ST_plus", [](Form1& f) { click(f, "ST_plus"); },
                 "Strength base 9, Strength adjusted 9, Character Points Remaining 4"},
        ToldCase{"a skill rank bought", {}, "bow_plus", [](Form1& f) { click(f, "bow_plus"); },
                 "Bow 1, Character Points Remaining 4"},
        ToldCase{"a refusal", [](Form1& f) { give_cps(f, 0); }, "ST_plus", [](Form1& f) { click(f, "ST_plus"); },
                 "No CPs left"},
        ToldCase{"the same refusal again",
                 [](Form1& f) {
                     give_cps(f, 0);
                     click(f, "ST_plus");
                 },
                 "ST_plus", [](Form1& f) { click(f, "ST_plus"); }, "No CPs left"},
        ToldCase{"a refusal's message still showing after a sale",
                 [](Form1& f) {
                     give_cps(f, 1);
                     click(f, "ST_plus");
                     click(f, "CN_plus");
                 },
                 "ST_minus", [](Form1& f) { click(f, "ST_minus"); },
                 "Strength base 8, Strength adjusted 8, Character Points Remaining 1"},
        ToldCase{"nothing to sell: the values as they are", {}, "bow_minus", [](Form1& f) { click(f, "bow_minus"); },
                 "Bow 0, Character Points Remaining 5"},
        ToldCase{"the same race again: a list tells only a change",
                 [](Form1& f) { f.Race_Selection.user_double_click(0); }, "Race_Selection",
                 [](Form1& f) { f.Race_Selection.user_double_click(0); }, ""},
        ToldCase{"an entry highlighted", {}, "Race_Selection", [](Form1& f) { f.Race_Selection.user_click(3); }, ""},
        ToldCase{"a level gained", {}, "levelup", [](Form1& f) { click(f, "levelup"); },
                 "Current Level 2, Character Points Remaining 6"},
        ToldCase{"a race applied", {}, "Race_Selection", [](Form1& f) { f.Race_Selection.user_double_click(0); },
                 "Current Race Dwarf"},
        ToldCase{"a barred background", [](Form1& f) { f.Race_Selection.user_double_click(11); }, "Background_Selection",
                 [](Form1& f) { f.Background_Selection.user_double_click(10); }, "Not available for this race/gender"},
        ToldCase{"a spell bought", {}, "Spell_list", [](Form1& f) { f.Spell_list.user_double_click(0); },
                 "Character Points Remaining 4, Magick/Tech Aptitude 5"},
        ToldCase{"a spell refused", [](Form1& f) { give_cps(f, 0); }, "Spell_list",
                 [](Form1& f) { f.Spell_list.user_double_click(0); }, "No CPs left!"},
        ToldCase{"the lists switched", {}, "Tech_select", [](Form1& f) { click(f, "Tech_select"); }, ""},
        ToldCase{"a name typed", {}, "PCname", [](Form1& f) { f.PCname.type("Aldric"); }, ""}),
    [](const ::testing::TestParamInfo<ToldCase>& test) {
        std::string name;
        for (const char* c = test.param.what; *c != '\0'; ++c) name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
        return name;
    });

}  // namespace
}  // namespace tessmar
