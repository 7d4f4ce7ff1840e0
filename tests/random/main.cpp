// The random tests' main: runs them in a scratch folder of their own (saves
// land there), then prints what the random sequences covered.
#include <gtest/gtest.h>
#include <rapidcheck.h>

#include <filesystem>
#include <iostream>
#include <string>

#include "event_run.h"
#include "temp_folder.h"

int main(int argc, char** argv)
{
    namespace fs = std::filesystem;
    using namespace tessmar;
    ::testing::InitGoogleTest(&argc, argv);

    failure_script_folder() = fs::current_path();
    int status;
    {
        const TempFolder scratch;
        const WorkingIn in_scratch(scratch.path());
        status = RUN_ALL_TESTS();
    }

    const RunFigures& figures = run_figures();
    if (figures.sequences > 0) {
        std::cout << "random sequences: " << figures.events << " events in " << figures.sequences
                  << " sequences, seed " << rc::detail::configuration().testParams.seed << ", "
                  << figures.invariants + figures.extra_checks << " invariants checked ("
                  << figures.invariants << " after events, " << figures.extra_checks
                  << " on typing, saves, replays and quits), "
                  << (figures.failure_script.empty() ? "none broken" : "one broken, see above") << '\n'
                  << "covered: highest level " << figures.highest_level << ", " << figures.base_at_cap
                  << " events with a Base attribute at 20, " << figures.fifth_spell_owned
                  << " with a fifth spell owned, " << figures.seventh_schematic_owned
                  << " with a seventh schematic owned, " << figures.messages_seen.size()
                  << " different messages shown, " << figures.sheets_saved << " sheets saved, "
                  << figures.saves_refused << " saves refused, " << figures.saves_cancelled
                  << " cancelled, " << figures.replays << " sequences replayed as scripts\n";
        if (!figures.failure_script.empty())
            std::cout << "the shortest failing sequence, as a script: " << figures.failure_script << '\n';
        for (const std::string& message : programs_messages())
            if (!figures.messages_seen.contains(message)) std::cout << "never shown: \"" << message << "\"\n";
    }
    return status;
}
