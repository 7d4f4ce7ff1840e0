// What the window asks of the widget of each control: showing the control's
// state again after an event; and making the widget that fits a control's kind.
#pragma once

#include <QWidget>

#include <functional>

#include "platform/controls.h"

namespace tessmar {

// Runs one user event on the model, then shows the whole window again.
using RunEvent = std::function<void(const std::function<void()>& event)>;

// Implemented by the widget of every kind of control, beside its Qt base class.
class ControlWidget {
public:
    virtual ~ControlWidget() = default;
    // Shows the control's current state; changes only what differs, raises no event.
    virtual void mirror() = 0;
};

// The widget of a control, a child of parent (which owns it) and named after
// the control; none for the file dialog component, which shows only as the
// Save As dialog.
ControlWidget* make_control_widget(Control& control, QWidget* parent, const RunEvent& run_event);

}  // namespace tessmar
