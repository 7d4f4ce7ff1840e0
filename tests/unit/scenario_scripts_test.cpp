// Every scenario script, those that must stop with an error of the script
// included, run with every invariant of the window checked after each of its
// lines: a script passes only if its expectations hold and no line breaks an
// invariant, and a broken one is reported with the script, the line and the
// invariant's name. Each script runs in a scratch folder of its own, where its
// saves land. A script that quits must stop right at its Quit click.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "scenario.h"
#include "stand_ins.h"
#include "temp_folder.h"
#include "window_invariants.h"

namespace tessmar {
namespace {

namespace fs = std::filesystem;

// Every script under the scenario folder and its errors/ folder, by its path
// from the scenario folder.
std::vector<std::string> scenario_scripts()
{
    const fs::path root = TESSMAR_SCENARIO_DIR;
    std::vector<std::string> names;
    for (const fs::path& folder : {root, root / "errors"})
        for (const auto& entry : fs::directory_iterator(folder))
            if (entry.is_regular_file() && entry.path().extension() == ".scn")
                names.push_back(entry.path().lexically_relative(root).generic_string());
    std::sort(names.begin(), names.end());
    return names;
}

bool must_stop_with_an_error(const std::string& name) { return name.starts_with("errors/"); }

// The lines as sheet-driver reads them: without the CR of a CR LF, and without
// a byte-order mark before the first.
std::vector<std::string> lines_of_script(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (lines.empty() && line.starts_with("\xEF\xBB\xBF")) line.erase(0, 3);
        lines.push_back(line);
    }
    return lines;
}

struct CheckedRun {
    ScenarioStatus status;
    std::string out;
    std::string err;
    std::vector<std::string> lines;
    int last_line = 0;
    bool broken = false;  // an invariant broke
};

CheckedRun run_with_every_invariant(const std::string& name)
{
    const fs::path path = fs::path(TESSMAR_SCENARIO_DIR) / name;
    std::ifstream script(path, std::ios::binary);
    EXPECT_TRUE(script) << path;
    CheckedRun run{};
    run.lines = lines_of_script(path);
    // The tracker starts from the window as the program starts it, as the
    // script's own window does.
    const LoadedWindow started;
    InvariantTracker tracker(started.form);
    const TempFolder scratch;
    const WorkingIn in_scratch(scratch.path());
    std::ostringstream out, err;
    run.status = run_scenario(script, name, out, err, [&](const Form1& form, int line) {
        EXPECT_EQ(line, run.last_line + 1) << name;
        run.last_line = line;
        const std::string& text = run.lines.at(static_cast<std::size_t>(line - 1));
        // The first line that breaks an invariant is reported; once broken, it
        // would be reported again after every line that follows.
        if (run.broken) return;
        if (const auto broken = tracker.after_event(form, line_starts_new_character(text))) {
            run.broken = true;
            ADD_FAILURE() << name << ':' << line << ": after \"" << text << "\": " << *broken;
        }
    });
    run.out = out.str();
    run.err = err.str();
    return run;
}

class ScenarioScript : public ::testing::TestWithParam<std::string> {};

TEST_P(ScenarioScript, PassesWithEveryInvariantAfterEachLine)
{
    const std::string& name = GetParam();
    const CheckedRun run = run_with_every_invariant(name);
    if (must_stop_with_an_error(name)) {
        EXPECT_EQ(run.status, scenario_error) << run.err;
        EXPECT_TRUE(run.err.starts_with(name + ':')) << run.err;
        return;
    }
    EXPECT_EQ(run.status, scenario_passed) << run.err;
    EXPECT_EQ(run.err, "");
    if (run.out.find("program ended\n") != std::string::npos) {
        // The last line that ran is the Quit click.
        ASSERT_GE(run.last_line, 1);
        EXPECT_EQ(run.lines.at(static_cast<std::size_t>(run.last_line - 1)), "click Quit") << name;
    } else {
        EXPECT_EQ(run.last_line, static_cast<int>(run.lines.size())) << name;
    }
}

INSTANTIATE_TEST_SUITE_P(Scripts, ScenarioScript, ::testing::ValuesIn(scenario_scripts()),
                         [](const ::testing::TestParamInfo<std::string>& script) {
                             std::string stem = script.param.substr(0, script.param.size() - 4);
                             std::replace_if(stem.begin(), stem.end(), [](char c) { return !std::isalnum(
                                 static_cast<unsigned char>(c)); }, '_');
                             return stem;
                         });

TEST(ScenarioScripts, AreFound) { EXPECT_FALSE(scenario_scripts().empty()); }

// Quit ends the script: the lines after the click, which would fail, never run.
TEST(SheetQuitScript, StopsAtTheQuitClick)
{
    const CheckedRun run = run_with_every_invariant("sheet_quit.scn");
    EXPECT_EQ(run.out, "program ended\n");
    EXPECT_EQ(run.status, scenario_passed) << run.err;
    ASSERT_LT(static_cast<std::size_t>(run.last_line), run.lines.size());
    EXPECT_EQ(run.lines.at(static_cast<std::size_t>(run.last_line - 1)), "click Quit");
}

}  // namespace
}  // namespace tessmar
