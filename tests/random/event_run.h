// The window under test in one random sequence, what its checks remember, the
// script of the events so far, and the totals over all sequences.
#pragma once

#include <cstdint>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "random_events.h"
#include "window_invariants.h"

namespace tessmar {

// Totals over every sequence run in this process, for the figure at the end.
struct RunFigures {
    std::int64_t sequences = 0;
    std::int64_t events = 0;
    std::int64_t invariants = 0;    // invariants checked after events
    std::int64_t extra_checks = 0;  // typed texts, saves, replays and quits checked
    std::int64_t replays = 0;       // sequences replayed through sheet-driver's script reader
    std::int64_t sheets_saved = 0;
    std::int64_t saves_refused = 0;
    std::int64_t saves_cancelled = 0;
    // How far the sequences got: the highest level, and the events after which
    // a Base attribute read 20, a fifth spell or a seventh schematic was owned.
    int highest_level = 1;
    std::int64_t base_at_cap = 0;
    std::int64_t fifth_spell_owned = 0;
    std::int64_t seventh_schematic_owned = 0;
    std::set<std::string> messages_seen;
    std::string failure_script;  // where the shortest failing sequence was written

    void note(const Form1& form);
};

RunFigures& run_figures();

// Where the script of a failing sequence is written: the folder that the tests
// were started in (they run in a scratch folder of their own).
std::filesystem::path& failure_script_folder();

struct EventRun {
    EventRun() = default;
    EventRun(const EventRun&) = delete;
    EventRun& operator=(const EventRun&) = delete;
    ~EventRun() { run_figures().invariants += tracker.invariants_checked(); }

    Window window;
    InvariantTracker tracker{window.form};
    std::vector<std::string> script;  // the events so far, as script lines
    std::string broken;               // what broke, when something did
};

}  // namespace tessmar
