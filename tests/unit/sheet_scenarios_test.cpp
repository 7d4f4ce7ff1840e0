// Runs every sheet_*.scn script and checks the sheet's invariants after each of
// its lines; a script that quits must stop right at its Quit click.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "scenario.h"
#include "sheet_invariants.h"

namespace tessmar {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> sheet_scripts()
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(TESSMAR_SCENARIO_DIR)) {
        const std::string name = entry.path().filename().string();
        if (entry.is_regular_file() && name.starts_with("sheet_") && name.ends_with(".scn")) names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<std::string> script_lines(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

struct ScriptRun {
    ScenarioStatus status;
    std::string out;
    std::string err;
    int last_line = 0;
};

ScriptRun run_with_invariants(const std::string& name)
{
    const fs::path path = fs::path(TESSMAR_SCENARIO_DIR) / name;
    std::ifstream script(path, std::ios::binary);
    EXPECT_TRUE(script) << path;
    std::ostringstream out;
    std::ostringstream err;
    ScriptRun run{};
    run.status = run_scenario(script, name, out, err, [&](const Form1& form, int line) {
        EXPECT_TRUE(sheet_invariants_hold(form)) << name << ':' << line;
        EXPECT_EQ(line, run.last_line + 1) << name;
        run.last_line = line;
    });
    run.out = out.str();
    run.err = err.str();
    return run;
}

class SheetScript : public ::testing::TestWithParam<std::string> {};

TEST_P(SheetScript, PassesWithInvariantsAfterEveryLine)
{
    const std::string& name = GetParam();
    const ScriptRun run = run_with_invariants(name);
    EXPECT_EQ(run.status, scenario_passed) << run.err;
    EXPECT_EQ(run.err, "");

    const std::vector<std::string> lines = script_lines(fs::path(TESSMAR_SCENARIO_DIR) / name);
    if (run.out.find("program ended\n") != std::string::npos) {
        // The last line that ran is the Quit click.
        ASSERT_GE(run.last_line, 1);
        EXPECT_EQ(lines.at(static_cast<std::size_t>(run.last_line - 1)), "click Quit") << name;
    } else {
        EXPECT_EQ(run.last_line, static_cast<int>(lines.size())) << name;
    }
}

INSTANTIATE_TEST_SUITE_P(Scripts, SheetScript, ::testing::ValuesIn(sheet_scripts()),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                             std::string stem = fs::path(info.param).stem().string();
                             std::replace_if(stem.begin(), stem.end(), [](char c) { return !std::isalnum(
                                 static_cast<unsigned char>(c)); }, '_');
                             return stem;
                         });

// Quit ends the script: the lines after the click, which would fail, never run.
TEST(SheetQuitScript, StopsAtTheQuitClick)
{
    const ScriptRun run = run_with_invariants("sheet_quit.scn");
    EXPECT_EQ(run.out, "program ended\n");
    EXPECT_EQ(run.status, scenario_passed) << run.err;
    const std::vector<std::string> lines = script_lines(fs::path(TESSMAR_SCENARIO_DIR) / "sheet_quit.scn");
    ASSERT_LT(static_cast<std::size_t>(run.last_line), lines.size());
    EXPECT_EQ(lines.at(static_cast<std::size_t>(run.last_line - 1)), "click Quit");
}

}  // namespace
}  // namespace tessmar
