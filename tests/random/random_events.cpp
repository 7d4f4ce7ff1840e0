// The user events of the random sequences: how each is chosen, what it does to
// a window, its script line, and the checks made after it on the window under
// test.
#include "random_events.h"

#include <algorithm>
#include <array>
#include <map>
#include <span>
#include <string_view>
#include <tuple>
#include <utility>

#include "event_run.h"
#include "scenario.h"
#include "sheet_file_shape.h"
#include "temp_folder.h"
#include "window/event_table.h"

namespace tessmar {

namespace {

using Kind = UserEvent::Kind;
using EventPtr = std::shared_ptr<const EventCommand>;

EventPtr make_event(Kind kind, std::string control, int index = -1, std::string text = {})
{
    return std::make_shared<const UserEvent>(kind, std::move(control), index, std::move(text));
}

// One button of each of the ten stat lines: the attribute lines in the order
// of their table, then hit points and fatigue.
std::vector<std::string> stat_buttons(std::string_view LineButtons::*button, std::string hitpoints,
                                      std::string fatigue)
{
    std::vector<std::string> buttons;
    for (const LineButtons& line : attribute_line_buttons) buttons.emplace_back(line.*button);
    buttons.push_back(std::move(hitpoints));
    buttons.push_back(std::move(fatigue));
    return buttons;
}
const std::vector<std::string> stat_plus_buttons = stat_buttons(&LineButtons::plus, "Hitpoints_plus",
                                                                "Fatigue_plus");
const std::vector<std::string> stat_minus_buttons = stat_buttons(&LineButtons::minus, "Hitpoints_minus",
                                                                 "Fatigue_minus");

// The skills' buttons in the order of their table, in pairs, "+" before "-".
const std::vector<std::string> skill_buttons = [] {
    std::vector<std::string> buttons;
    for (const LineButtons& line : skill_line_buttons) {
        buttons.emplace_back(line.plus);
        buttons.emplace_back(line.minus);
    }
    return buttons;
}();

// Controls that raise no event when clicked.
const std::array<std::string, 6> quiet_controls{"Strength", "aptitude", "message_window",
                                                "Label1",   "Current_race", "PCname"};

// Where a save goes, relative to the working folder: two sheets, the folder
// itself and a folder that does not exist (neither can be written), and the
// empty answer of a cancelled dialog.
const std::array<std::string, 6> save_answers{"sheet-1.txt", "sheet-2.txt", "", "", ".",
                                              "missing-folder/sheet.txt"};

// Any event may shrink to a click on a box, which raises no event: the events
// that a failure does not need then drop out of a shrunk sequence, also where
// removing one alone would change what the events after it do.
rc::Gen<EventPtr> or_nothing(rc::Gen<EventPtr> gen)
{
    return rc::Gen<EventPtr>([gen = std::move(gen)](const rc::Random& random, int size) {
        rc::Shrinkable<EventPtr> event = gen(random, size);
        const EventPtr value = event.value();
        const auto* chosen = static_cast<const UserEvent*>(value.get());
        if (chosen->kind == Kind::click && chosen->control == quiet_controls[0]) return event;
        return rc::shrinkable::mapShrinks(std::move(event), [](rc::Seq<rc::Shrinkable<EventPtr>>&& shrinks) {
            return rc::seq::concat(rc::seq::just(rc::shrinkable::just(make_event(Kind::click, quiet_controls[0]))),
                                   std::move(shrinks));
        });
    });
}

rc::Gen<EventPtr> clicks_on(std::span<const std::string> controls)
{
    return rc::gen::map(rc::gen::elementOf(std::vector<std::string>(controls.begin(), controls.end())),
                        [](const std::string& control) { return make_event(Kind::click, control); });
}

rc::Gen<EventPtr> clicks_on(std::string control)
{
    return rc::gen::just(make_event(Kind::click, std::move(control)));
}

rc::Gen<EventPtr> entries_of(const ListBox& list, Kind kind)
{
    return rc::gen::map(rc::gen::inRange(0, std::max(1, list.count())),
                        [kind, name = list.name()](int index) { return make_event(kind, name, index); });
}

// Pieces of typed text: names and words in several scripts, emoji (one code
// point, with a variation selector, joined, a flag), tabs, line breaks, a
// backslash and quotation marks.
const std::vector<std::string>& text_pieces()
{
    static const std::vector<std::string> pieces{
        "Aldric", "Brenna", " ", "of the Vale", "-", "'", "42", "\"", "\\", "\t", "\n",
        "é", "Ærin", "Þórunn", "ñ", "Ünal",
        "Владимир", "Ἀθηνᾶ", "山田太郎", "كريم", "देवी",
        "🧙", "🐉", "⚔️", "👩‍🔬", "🇫🇷"};
    return pieces;
}

}  // namespace

rc::Gen<std::string> typed_text(int max_length)
{
    auto short_text = rc::gen::map(
        rc::gen::resize(12, rc::gen::container<std::vector<std::size_t>>(
                                rc::gen::inRange<std::size_t>(0, text_pieces().size()))),
        [](const std::vector<std::size_t>& picks) {
            std::string text;
            for (std::size_t pick : picks) text += text_pieces()[pick];
            return text;
        });
    // Just under, at and over the limit, ending in a piece that may not fit.
    const std::vector<std::string> units{"a", "é", "Ж", "山", "🐉", "\t", " "};
    const std::vector<std::string> endings{"", "\n", "👩‍🔬", "é"};
    auto long_text = rc::gen::map(
        rc::gen::tuple(rc::gen::elementOf(units), rc::gen::inRange(-3, 2), rc::gen::elementOf(endings)),
        [max_length](const std::tuple<std::string, int, std::string>& parts) {
            const auto& [unit, extra, ending] = parts;
            std::string text;
            for (int i = 0; i < max_length + extra; ++i) text += unit;
            return text + ending;
        });
    return rc::gen::weightedOneOf<std::string>(
        {{5, std::move(short_text)}, {2, std::move(long_text)}, {1, rc::gen::just(std::string())}});
}

std::string kept_of_typing(const TextBox& box, std::string_view typed)
{
    std::string kept;
    int used = 0;
    for (std::size_t i = 0; i < typed.size();) {
        std::string unit;
        int width = 1;
        if (typed[i] == '\n') {
            ++i;
            if (!box.multi_line) continue;
            unit = "\r\n";
            width = 2;
        } else {
            std::size_t end = i + 1;
            while (end < typed.size() && (static_cast<unsigned char>(typed[end]) & 0xC0) == 0x80) ++end;
            unit = typed.substr(i, end - i);
            i = end;
        }
        if (used + width > box.max_length) continue;  // not taken; a later, narrower one may be
        kept += unit;
        used += width;
    }
    return kept;
}

namespace {

// The lowest position of the highlighted college or discipline not owned yet,
// the one a user buying in order goes for; -1 when all are owned.
int next_in_order(const Form1& form, bool magick)
{
    const int selected = magick ? form.Magick_list.list_index() : form.Tech_list.list_index();
    if (selected < 0) return -1;
    if (magick) {
        const auto& college = form.spells[static_cast<std::size_t>(selected)];
        const auto owned = std::find(college.begin(), college.end(), flag_false);
        return owned == college.end() ? -1 : static_cast<int>(owned - college.begin());
    }
    const auto& discipline = form.techpurchased[static_cast<std::size_t>(selected)];
    const auto owned = std::find(discipline.begin(), discipline.end(), flag_false);
    return owned == discipline.end() ? -1 : static_cast<int>(owned - discipline.begin());
}

}  // namespace

rc::Gen<EventPtr> next_event(const EventModel& model)
{
    const Form1& form = model.form();
    const bool magick = form.Magick_list.visible;
    const ListBox& catalogue = magick ? form.Magick_list : form.Tech_list;
    const ListBox& items = magick ? form.Spell_list : form.Schematic_list;
    // Each character leans on one stat line and one skill, so that they reach
    // their caps, and every third one levels up often, sells less and is rarely
    // replaced, so that levels, CPs and purchases pile up.
    const auto leaning = static_cast<std::size_t>(model.leaning);  // an entry's index, never negative
    const std::string& leaning_line = stat_plus_buttons[leaning % stat_plus_buttons.size()];
    const std::string& leaning_skill = skill_buttons[leaning % skill_count * 2];
    const bool lasting = model.characters % 3 == 1;
    const std::size_t new_character = lasting ? 1 : 10;
    const std::size_t level_ups = lasting ? 200 : 70;
    const std::size_t sales = lasting ? 15 : 60;
    const int in_order = next_in_order(form, magick);
    const std::size_t on_purchased = form.purchased.count() > 0 ? 10 : 0;

    // Generators keep no reference to the model: shrinking runs them again later.
    auto typing = rc::gen::mapcat(
        rc::gen::elementOf(std::vector<std::pair<std::string, int>>{
            {"PCname", form.PCname.max_length}, {"alternativebackground", form.alternativebackground.max_length}}),
        [](const std::pair<std::string, int>& box) {
            return rc::gen::map(typed_text(box.second), [name = box.first](std::string text) {
                return make_event(Kind::type, name, -1, std::move(text));
            });
        });
    auto saving = rc::gen::map(rc::gen::elementOf(save_answers), [](const std::string& answer) {
        return make_event(Kind::save, "SAVE", -1, answer);
    });

    return or_nothing(rc::gen::weightedOneOf<EventPtr>({
        {80, clicks_on(stat_plus_buttons)},
        {sales, clicks_on(stat_minus_buttons)},
        {60, clicks_on(leaning_line)},
        {40, clicks_on(leaning_skill)},
        {140, clicks_on(skill_buttons)},
        {level_ups, clicks_on("levelup")},
        {10, clicks_on("Clear")},
        {30, clicks_on(std::array<std::string, 2>{"Magick_select", "Tech_select"})},
        {10, clicks_on(quiet_controls)},
        {20, entries_of(form.Race_Selection, Kind::click)},
        {new_character, entries_of(form.Race_Selection, Kind::double_click)},
        {20, entries_of(form.Background_Selection, Kind::click)},
        {new_character, entries_of(form.Background_Selection, Kind::double_click)},
        {40, entries_of(catalogue, Kind::click)},
        {10, entries_of(catalogue, Kind::double_click)},
        {20, entries_of(items, Kind::click)},
        {120, entries_of(items, Kind::double_click)},
        {in_order < 0 ? 0u : 60u, rc::gen::just(make_event(Kind::double_click, items.name(), std::max(0, in_order)))},
        {on_purchased, entries_of(form.purchased, Kind::click)},
        {on_purchased, entries_of(form.purchased, Kind::double_click)},
        {20, std::move(typing)},
        {10, std::move(saving)},
    }));
}

bool UserEvent::starts_new_character() const
{
    return kind == Kind::double_click && line_starts_new_character(script_line());
}

std::string UserEvent::script_line() const
{
    switch (kind) {
    case Kind::click: return "click " + control + (index < 0 ? "" : " " + std::to_string(index));
    case Kind::double_click: return "dblclick " + control + " " + std::to_string(index);
    case Kind::type: return "type " + control + " " + escape_value(text);
    case Kind::save: return text.empty() ? "save" : "save " + text;
    }
    return {};
}

bool UserEvent::changes_lists() const { return kind != Kind::type && kind != Kind::save; }

void UserEvent::perform(Window& window) const
{
    perform_event(window, {.kind = kind, .control = control, .index = index, .text = text});
}

void UserEvent::checkPreconditions(const EventModel& model) const
{
    // What sheet-driver accepts: a shown control, and an entry inside its list.
    const Control* target = model.form().controls().find(control);
    RC_PRE(target != nullptr && target->visible);
    if (const auto* list = dynamic_cast<const ListBox*>(target)) RC_PRE(index >= 0 && index < list->count());
}

void UserEvent::apply(EventModel& model) const
{
    // The model's window skips typing and saving: they change no list, and the
    // model writes no file.
    if (model.window.use_count() > 1) {
        std::vector<const UserEvent*> events;
        for (const EventModel::History* step = model.history.get(); step; step = step->earlier.get())
            events.push_back(step->event.get());
        model.window = std::make_shared<Window>();
        for (auto event = events.rbegin(); event != events.rend(); ++event)
            if ((*event)->changes_lists()) (*event)->perform(*model.window);
    }
    if (changes_lists()) perform(*model.window);
    model.history = std::make_shared<const EventModel::History>(EventModel::History{model.history, shared_from_this()});
    if (starts_new_character()) {
        ++model.characters;
        model.leaning = index;
    }
}

void UserEvent::run(const EventModel&, EventRun& sut) const
{
    const Form1& form = sut.window.form;
    std::string before, before_apart_from_message, before_message;
    std::map<std::string, std::string> folder_before;
    if (kind == Kind::save) {
        before = window_dump(form);
        before_apart_from_message = window_dump(form, "message_window");
        before_message = form.message_window.text;
        folder_before = folder_record(".");
    }
    perform(sut.window);
    sut.script.push_back(script_line());
    RunFigures& figures = run_figures();
    ++figures.events;

    const auto broken = [&](const std::string& what) {
        sut.broken = "after event " + std::to_string(sut.script.size()) + " (" + script_line() + "): " + what;
        RC_FAIL(sut.broken);
    };
    if (auto fault = sut.tracker.after_event(form, starts_new_character())) broken(*fault);

    if (kind == Kind::type) {
        ++figures.extra_checks;
        const TextBox& box = dynamic_cast<const TextBox&>(*form.controls().find(control));
        if (box.text != kept_of_typing(box, text))
            broken("typing: " + control + " holds \"" + escape_value(box.text) + "\"");
    }
    if (kind == Kind::save) {
        ++figures.extra_checks;
        const bool writable = text.starts_with("sheet-");
        const std::map<std::string, std::string> folder = folder_record(".");
        if (text.empty()) {
            ++figures.saves_cancelled;
            if (window_dump(form) != before || folder != folder_before)
                broken("cancelled save: the window or the folder changed");
        } else if (!writable) {
            ++figures.saves_refused;
            if (!is_save_failure(form.message_window.text))
                broken("failed save: message_window holds \"" + form.message_window.text + "\"");
            if (window_dump(form, "message_window") != before_apart_from_message || folder != folder_before)
                broken("failed save: the window or the folder changed");
        } else {
            ++figures.sheets_saved;
            std::map<std::string, std::string> others = folder;
            others.erase(text);
            folder_before.erase(text);
            // A save that works takes back the message of one that failed.
            const bool after_failure = is_save_failure(before_message);
            if (after_failure && !form.message_window.text.empty())
                broken("save: the failed save's message stays: \"" + form.message_window.text + "\"");
            if ((after_failure ? window_dump(form, "message_window") : window_dump(form)) !=
                (after_failure ? before_apart_from_message : before))
                broken("save: the window changed");
            if (others != folder_before) broken("save: a file other than " + text + " changed");
            if (auto shape = sheet_file_matches(read_bytes(text), form); !shape)
                broken("saved sheet " + text + ": " + shape.message());
        }
    }
    figures.note(form);
}

}  // namespace tessmar
