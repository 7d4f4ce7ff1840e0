// One user event of a script line (a click or double click, typing, a save),
// done to a window as the user does it. sheet-driver and the random event
// sequences both go through it.
#pragma once

#include <cstdint>
#include <string_view>

#include "stand_ins.h"

namespace tessmar {

struct ScriptEvent {
    enum class Kind : std::uint8_t { click, double_click, type, save };
    Kind kind;
    std::string_view control = {};  // the button, list or box; SAVE for a save
    int index = -1;                 // the list entry; -1 for anything but a list
    std::string_view text = {};     // what is typed, or what the Save As dialog answers ("" cancels it)
};

// A click or double click on entry `index` of a list, a click on a button (on
// a label or a text box nothing happens), typing into a box, or a click on
// SAVE with the dialog answering `text`. The event is one that the window
// takes: its control exists and is shown, an index lies inside its list, and
// a typed-into box takes typing; the script reader checks all that first.
void perform_event(LoadedWindow& window, const ScriptEvent& event);

}  // namespace tessmar
