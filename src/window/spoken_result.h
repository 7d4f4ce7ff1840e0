// What a screen reader is told after a user's action, beside what the focused
// control says of itself: the message said anew, or else the new values that
// the control acted on reports.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/controls.h"
#include "window/control_set.h"

namespace tessmar {

// The name by which the window tells a control: its accessible name, else the
// caption of the label that names it (without its colon), else its caption.
std::string spoken_name(const ControlSet& controls, const Control& control);

// Taken before a user's action on `source`; told() afterwards gives what to say.
class SpokenResult {
public:
    SpokenResult(const ControlSet& controls, const Control& source);

    // A non-empty message written into a live box during the action (also one
    // that repeats the last); else "Name value" for each reported control, joined
    // by ", ", after a button press or when one of their values changed; else nothing.
    std::string told() const;

private:
    struct Said {
        const TextBox* box;
        std::uint32_t times;
    };
    struct Reported {
        const Control* control;
        std::string value;
    };

    const ControlSet& controls_;
    ControlKind source_kind_;
    std::vector<Said> live_;
    std::vector<Reported> reported_;
};

}  // namespace tessmar
