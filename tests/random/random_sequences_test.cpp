// Random sequences of user events against the window. After every event every
// invariant of the sheet is checked; a sequence that breaks one is shrunk to a
// shortest one and written out as a scenario script for sheet-driver. Each
// sequence ends with a click on Quit, and some are replayed through the script
// reader to show that their script does what the events did.
#include <gtest/gtest.h>
#include <rapidcheck.h>
#include <rapidcheck/gtest.h>
#include <rapidcheck/state.h>

#include <fstream>
#include <sstream>

#include "event_run.h"
#include "scenario.h"

namespace tessmar {

RunFigures& run_figures()
{
    static RunFigures figures;
    return figures;
}

std::filesystem::path& failure_script_folder()
{
    static std::filesystem::path folder = std::filesystem::current_path();
    return folder;
}

void RunFigures::note(const Form1& form)
{
    highest_level = std::max(highest_level, static_cast<int>(form.Clevel.value()));
    for (const TextBox* base : {&form.Strength, &form.Dexterity, &form.Constitution, &form.Beauty, &form.Intelligence,
                                &form.Willpower, &form.Perception, &form.Charisma})
        if (base->value() == 20) {
            ++base_at_cap;
            break;
        }
    for (const auto& college : form.spells)
        if (college[spell_ranks - 1] == flag_true) {
            ++fifth_spell_owned;
            break;
        }
    for (const auto& discipline : form.techpurchased)
        if (discipline[schematic_positions - 1] == flag_true) {
            ++seventh_schematic_owned;
            break;
        }
    const std::string& message = form.message_window.text;
    if (is_save_failure(message)) messages_seen.insert(std::string(save_failure_lead));
    else if (!message.empty()) messages_seen.insert(message);
}

namespace {

std::uint64_t configured_seed() { return rc::detail::configuration().testParams.seed; }

std::string script_text(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines) text += line + '\n';
    return text;
}

// The last failing sequence is the shortest one that shrinking found.
void write_failure_script(const EventRun& sut)
{
    const std::filesystem::path path =
        failure_script_folder() / ("random-failure-seed-" + std::to_string(configured_seed()) + ".scn");
    run_figures().failure_script = path.string();
    std::ofstream out(path, std::ios::binary);
    out << "# Random event sequence, seed " << configured_seed() << ", after which an invariant broke:\n# "
        << escape_value(sut.broken) << "\n# Replay: sheet-driver " << path.filename().string()
        << " (saves go to the folder it runs in)\n"
        << script_text(sut.script) << "# What the window then holds:\ndump\n";
}

// Quitting ends the program and changes nothing on the way.
void quit_at_the_end(EventRun& sut)
{
    const std::string before = window_dump(sut.window.form);
    sut.window.form.Quit.click();
    sut.script.push_back("click Quit");
    ++run_figures().extra_checks;
    if (!sut.window.program_end.ended || window_dump(sut.window.form) != before) {
        sut.broken = "Quit did not end the program at once";
        RC_FAIL(sut.broken);
    }
}

// The sequence's script, run by the script reader, leaves the window as the
// events left it, and stops at its last line, the click on Quit.
void replay_through_script(EventRun& sut)
{
    std::istringstream script(script_text(sut.script));
    std::ostringstream out, err;
    std::string replayed;
    const int last_line = static_cast<int>(sut.script.size());
    const ScenarioStatus status = run_scenario(script, "random", out, err, [&](const Form1& form, int line) {
        if (line == last_line) replayed = window_dump(form);
    });
    ++run_figures().replays;
    ++run_figures().extra_checks;
    if (status != scenario_passed || !err.str().empty() || out.str() != "program ended\n" ||
        replayed != window_dump(sut.window.form)) {
        sut.broken = "the script of the events does not replay to the same window: " + err.str();
        RC_FAIL(sut.broken);
    }
}

EventModel start_model() { return EventModel{}; }

}  // namespace

RC_GTEST_PROP(RandomSequences, KeepEveryInvariant, ())
{
    const auto events = *rc::state::gen::commands(start_model, next_event);
    EventRun sut;
    const std::int64_t sequence = run_figures().sequences++;
    try {
        rc::state::runAll(events, start_model, sut);
        quit_at_the_end(sut);
        if (sequence % 4 == 0) replay_through_script(sut);
    } catch (const std::exception& error) {
        if (sut.broken.empty()) sut.broken = error.what();
        write_failure_script(sut);
        throw;
    } catch (...) {
        write_failure_script(sut);
        throw;
    }
}

}  // namespace tessmar
