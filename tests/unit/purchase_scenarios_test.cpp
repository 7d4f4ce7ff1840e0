// The purchase and clearing scripts, run with the purchase invariants checked
// after every line: counts, owned cells, purchased lines and the CP pool agree
// at each step, not only where a script looks.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "purchase_invariants.h"
#include "scenario.h"

namespace tessmar {
namespace {

std::vector<std::filesystem::path> purchase_scripts()
{
    std::vector<std::filesystem::path> scripts;
    for (const auto& entry : std::filesystem::directory_iterator(TESSMAR_SCENARIO_DIR)) {
        const std::string name = entry.path().filename().string();
        const bool purchase = name.starts_with("magick_") || name.starts_with("tech_") || name.starts_with("clear_");
        if (purchase && entry.path().extension() == ".scn") scripts.push_back(entry.path());
    }
    std::sort(scripts.begin(), scripts.end());
    return scripts;
}

TEST(PurchaseScenarios, InvariantsHoldAfterEveryLine)
{
    const std::vector<std::filesystem::path> scripts = purchase_scripts();
    ASSERT_FALSE(scripts.empty());
    for (const std::filesystem::path& script : scripts) {
        SCOPED_TRACE(script.filename().string());
        std::ifstream in(script);
        ASSERT_TRUE(in) << script;
        std::ostringstream out, err;
        const ScenarioStatus status = run_scenario(in, script.string(), out, err, [](const Form1& form, int line) {
            EXPECT_TRUE(purchase_invariants_hold(form)) << "after line " << line;
        });
        EXPECT_EQ(status, scenario_passed) << err.str();
    }
}

}  // namespace
}  // namespace tessmar
