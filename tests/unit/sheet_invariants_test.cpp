// The sheet invariant checks hold on the start state and catch each kind of
// broken sheet, so that scripts checked with them cannot pass vacuously.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "form_fixture.h"
#include "sheet_invariants.h"

namespace tessmar {
namespace {

class SheetInvariants : public FormFixture {};

TEST_F(SheetInvariants, HoldAtStartUp) { EXPECT_TRUE(sheet_invariants_hold(form)); }

TEST_F(SheetInvariants, CatchEachBrokenSheet)
{
    struct Case {
        const char* what;
        std::function<void(Form1&)> breaks;
    };
    const std::vector<Case> cases{
        {"Base without a counter", [](Form1& f) { f.Charisma.text = "9"; }},
        {"counter without a Base", [](Form1& f) { f.cpPE = 1; }},
        {"Base above 20", [](Form1& f) { f.Beauty.text = "21"; f.cpBE = 13; }},
        {"hit points off the formula", [](Form1& f) { f.hitpoints.text = "31"; }},
        {"fatigue off the formula", [](Form1& f) { f.cpfatigue = 1; }},
        {"level without its hit points", [](Form1& f) { f.Clevel.text = "2"; }},
        {"pool apart from its box", [](Form1& f) { f.cpsleft = 4; }},
        {"green without a rank", [](Form1& f) { f.heal.back_color = greencolor; }},
        {"rank without green", [](Form1& f) { f.adtrapsCPspent = 1; }},
        {"rank count out of range", [](Form1& f) { f.bowCPspent = 6; f.bow.back_color = greencolor; }},
    };
    for (const Case& c : cases) {
        LoadedWindow fresh;
        c.breaks(fresh.form);
        EXPECT_FALSE(sheet_invariants_hold(fresh.form)) << c.what;
    }
}

}  // namespace
}  // namespace tessmar
