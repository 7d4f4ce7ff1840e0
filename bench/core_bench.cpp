// Benchmarks of the core: building and loading Form1, one user event of each
// kind on a character in play, and composing the character sheet text.
// Every event runs on its own freshly prepared window: a batch of windows is
// brought to the event's starting sheet with the clock stopped, then the event
// is timed once on each of them.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "sheet_file/character_sheet.h"
#include "stand_ins.h"
#include "window/form1.h"

namespace tessmar {
namespace {

// No event timed here saves or quits.
StubSaveDialog save_dialog;
StubProgramEnd program_end;

// Windows prepared, with the clock stopped, for each timed batch of events.
constexpr int batch = 32;

// List positions used below.
constexpr int dwarf = 0;
constexpr int human_male = 11;
constexpr int bookworm = 4;
constexpr int raised_by_monks = 24;
constexpr int fire = 4;
constexpr int smithy = 6;

std::unique_ptr<Form1> loaded_form()
{
    auto form = std::make_unique<Form1>(save_dialog, program_end);
    form->Form_Load();
    return form;
}

// Everything below goes through the controls' events, as the user's clicks do.

// A new character: Human/male with the "Bookworm" background, level 1, 5 CPs.
void new_character(Form1& form)
{
    form.Race_Selection.user_double_click(human_male);
    form.Background_Selection.user_double_click(bookworm);
}

void buy_spell(Form1& form, int college, int rank)
{
    form.Magick_select.click();
    form.Magick_list.user_click(college);
    form.Spell_list.user_double_click(rank);
}

void buy_schematic(Form1& form, int discipline, int position)
{
    form.Tech_select.click();
    form.Tech_list.user_click(discipline);
    form.Schematic_list.user_double_click(position);
}

// A character in play: one ST point, a rank of bow and a spell bought.
void character_in_play(Form1& form)
{
    new_character(form);
    form.ST_plus.click();
    form.bow_plus.click();
    buy_spell(form, fire, 0);
}

// Times `event` once on each window of a batch, every window first brought to
// the starting sheet by `prepare` with the clock stopped. A dry run first makes
// sure that `prepare` gives the sheet meant (`ready`) and that the event then
// does its work (`did_it`), so that a refusal or a no-op is never what is timed.
template <class Prepare, class Ready, class Event, class Check>
void time_event(benchmark::State& state, Prepare prepare, Ready ready, Event event, Check did_it)
{
    {
        auto form = loaded_form();
        prepare(*form);
        if (!ready(*form)) {
            state.SkipWithError("the preparation did not give the starting sheet");
            return;
        }
        event(*form);
        if (!did_it(*form)) {
            state.SkipWithError("the event did not do its work from the prepared sheet");
            return;
        }
    }
    std::vector<std::unique_ptr<Form1>> forms;
    for (int i = 0; i < batch; ++i) forms.push_back(loaded_form());
    while (state.KeepRunningBatch(batch)) {
        state.PauseTiming();
        for (auto& form : forms) prepare(*form);
        state.ResumeTiming();
        for (auto& form : forms) event(*form);
    }
}

bool is_new_character(const Form1& form)
{
    return form.Current_race.caption == "Human/male" && form.Current_background.caption == "Bookworm" &&
           form.cpsleft == 5;
}

bool is_in_play(const Form1& form)
{
    return form.cpST == 1 && form.bowCPspent == 1 && form.spellcount == 1 && form.cpsleft == 2;
}

void BM_Form1_build_and_load(benchmark::State& state)
{
    std::vector<std::unique_ptr<Form1>> forms(batch);
    while (state.KeepRunningBatch(batch)) {
        state.PauseTiming();
        for (auto& form : forms) form.reset();
        state.ResumeTiming();
        for (auto& form : forms) {
            form = std::make_unique<Form1>(save_dialog, program_end);
            form->Form_Load();
        }
    }
}

void BM_ST_plus_Click(benchmark::State& state)
{
    time_event(
        state, new_character, is_new_character, [](Form1& form) { form.ST_plus.click(); },
        [](Form1& form) { return form.Strength.text == "9" && form.cpsleft == 4; });
}

void BM_bow_plus_Click(benchmark::State& state)
{
    time_event(
        state, new_character, is_new_character, [](Form1& form) { form.bow_plus.click(); },
        [](Form1& form) { return form.bowCPspent == 1 && form.cpsleft == 4; });
}

// Selling the ST point first refunds the two skill ranks.
void BM_ST_minus_Click_refunding_skills(benchmark::State& state)
{
    time_event(
        state,
        [](Form1& form) {
            new_character(form);
            form.ST_plus.click();
            form.bow_plus.click();
            form.dodge_plus.click();
        },
        [](const Form1& form) { return form.cpST == 1 && form.bowCPspent == 1 && form.dodgeCPspent == 1; },
        [](Form1& form) { form.ST_minus.click(); },
        [](Form1& form) {
            return form.cpST == 0 && form.bowCPspent == 0 && form.dodgeCPspent == 0 && form.cpsleft == 5;
        });
}

void BM_Race_Selection_DblClick(benchmark::State& state)
{
    time_event(
        state, character_in_play, is_in_play, [](Form1& form) { form.Race_Selection.user_double_click(dwarf); },
        [](Form1& form) { return form.Current_race.caption == "Dwarf" && form.purchased.count() == 0; });
}

void BM_Background_Selection_DblClick(benchmark::State& state)
{
    time_event(
        state, character_in_play, is_in_play,
        [](Form1& form) { form.Background_Selection.user_double_click(raised_by_monks); },
        [](Form1& form) { return form.Current_background.caption == "Raised by Monks"; });
}

void BM_Spell_list_DblClick(benchmark::State& state)
{
    time_event(
        state,
        [](Form1& form) {
            new_character(form);
            form.Magick_select.click();
            form.Magick_list.user_click(fire);
        },
        is_new_character,
        [](Form1& form) { form.Spell_list.user_double_click(0); },
        [](Form1& form) { return form.spellcount == 1 && form.purchased.count() == 1; });
}

void BM_Schematic_list_DblClick(benchmark::State& state)
{
    time_event(
        state,
        [](Form1& form) {
            new_character(form);
            form.Tech_select.click();
            form.Tech_list.user_click(smithy);
        },
        is_new_character,
        [](Form1& form) { form.Schematic_list.user_double_click(0); },
        [](Form1& form) { return form.techcount == 1 && form.purchased.count() == 1; });
}

// Clearing five purchases: three spells and two schematics.
void BM_Clear_Click(benchmark::State& state)
{
    time_event(
        state,
        [](Form1& form) {
            new_character(form);
            for (int college = 0; college < 3; ++college) buy_spell(form, college, 0);
            for (int discipline = 0; discipline < 2; ++discipline) buy_schematic(form, discipline, 0);
        },
        [](const Form1& form) { return form.purchased.count() == 5; },
        [](Form1& form) { form.Clear.click(); },
        [](Form1& form) { return form.purchased.count() == 0 && form.cpsleft == 5; });
}

// A named character raised to level 14 (20 CPs) who spends them all on the
// first spell of all sixteen colleges and the first schematic of four disciplines.
void sheet_with_20_items(Form1& form)
{
    new_character(form);
    form.PCname.type("Aldric Venn");
    form.alternativebackground.type("Grew up over a lamp-maker's shop.");
    for (int level = 1; level < 50 && form.cpsleft < 20; ++level) form.levelup.click();
    for (int college = 0; college < college_count; ++college) buy_spell(form, college, 0);
    for (int discipline = 0; discipline < 4; ++discipline) buy_schematic(form, discipline, 0);
}

void BM_compose_character_sheet(benchmark::State& state)
{
    auto form = loaded_form();
    sheet_with_20_items(*form);
    if (form->purchased.count() != 20) {
        state.SkipWithError("the sheet did not get its 20 purchased items");
        return;
    }
    for (auto _ : state) {
        std::string text = compose_character_sheet(*form, aptitude_bias_word(form->aptitude));
        benchmark::DoNotOptimize(text);
    }
}

BENCHMARK(BM_Form1_build_and_load)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ST_plus_Click)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_bow_plus_Click)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ST_minus_Click_refunding_skills)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Race_Selection_DblClick)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Background_Selection_DblClick)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Spell_list_DblClick)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Schematic_list_DblClick)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Clear_Click)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_compose_character_sheet)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tessmar

// Google Benchmark's main, with a shorter timed run per benchmark by default
// (the untimed preparations take several times longer than the events); a
// --benchmark_min_time on the command line still wins.
int main(int argc, char** argv)
{
    static char default_min_time[] = "--benchmark_min_time=0.05";
    std::vector<char*> args{argv[0], default_min_time};
    args.insert(args.end(), argv + 1, argv + argc);
    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());
    if (benchmark::ReportUnrecognizedArguments(count, args.data())) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
