// User events for the random sequences: each is one line of a scenario script
// and is done to a window by sheet-driver's own routine for that line. The
// model that chooses the next event keeps a window of its own, which it runs
// the same events on, so that it knows which lists are shown and how many entries
// each holds (how many entries purchased gains depends on every rule).
#pragma once

#include <rapidcheck.h>
#include <rapidcheck/state.h>

#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "script_event.h"
#include "stand_ins.h"
#include "window/form1.h"

namespace tessmar {

// A window as the program starts it, with stand-ins for the Save As dialog and
// the end of the program.
using Window = LoadedWindow;

class UserEvent;
struct EventRun;

// What choosing the next event needs to know.
struct EventModel {
    // The model's window; copies of the model share it until one moves on.
    std::shared_ptr<Window> window = std::make_shared<Window>();
    // The events so far, newest first, to rebuild a shared window from.
    struct History {
        std::shared_ptr<const History> earlier;
        std::shared_ptr<const UserEvent> event;
    };
    std::shared_ptr<const History> history;
    int characters = 0;  // races and backgrounds applied so far
    int leaning = 0;     // picks the stat line and the skill that the current character leans on

    const Form1& form() const { return window->form; }
};

using EventCommand = rc::state::Command<EventModel, EventRun>;

class UserEvent : public EventCommand, public std::enable_shared_from_this<UserEvent> {
public:
    using Kind = ScriptEvent::Kind;

    UserEvent(Kind event_kind, std::string event_control, int event_index, std::string event_text)
        : kind(event_kind), control(std::move(event_control)), index(event_index), text(std::move(event_text))
    {
    }

    const Kind kind;
    const std::string control;  // the button, list or box; SAVE for saves
    const int index;            // the list entry; -1 for a button
    const std::string text;     // what is typed, or the path the dialog answers

    // A double click on the race or the background list starts a new character.
    bool starts_new_character() const;
    // The script line, as sheet-driver reads it.
    std::string script_line() const;
    // Does to the window what the user does, through sheet-driver's routine.
    void perform(Window& window) const;
    // Every event but typing and saving may change what the lists show.
    bool changes_lists() const;

    void checkPreconditions(const EventModel& model) const override;
    void apply(EventModel& model) const override;
    void run(const EventModel& model, EventRun& sut) const override;
    void show(std::ostream& os) const override { os << script_line(); }
};

// The next event, chosen from what the model's window shows.
rc::Gen<std::shared_ptr<const EventCommand>> next_event(const EventModel& model);

// Texts to type: names and free text in many scripts, tabs, line breaks and
// lengths around the box's limit.
rc::Gen<std::string> typed_text(int max_length);

// What a box keeps of typing: line breaks as CR LF in a multi-line box and none
// in a one-line box, and of the characters in turn each one that still fits the
// maximum length in code points, a line break counting two.
std::string kept_of_typing(const TextBox& box, std::string_view typed);

}  // namespace tessmar
