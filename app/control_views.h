// What the window asks of the view of each control: its widget and showing the
// control's state on it; and making the view that fits a control's kind.
#pragma once

#include <QWidget>

#include <functional>
#include <memory>

#include "platform/controls.h"

namespace tessmar {

// Runs one user event on the model, then shows the whole window again.
using RunEvent = std::function<void(const std::function<void()>& event)>;

class ControlView {
public:
    virtual ~ControlView() = default;
    virtual QWidget* widget() const = 0;
    // Shows the control's current state; changes only what differs, raises no event.
    virtual void mirror() = 0;
};

// The view of a control of kind C shown by a widget of type W: it keeps both.
template <class C, class W>
class ControlViewOf : public ControlView {
public:
    QWidget* widget() const final { return widget_; }

protected:
    ControlViewOf(C& control, W* widget) : control_(control), widget_(widget) {}

    C& control_;
    W* const widget_;
};

// The view of a control, with its widget made a child of parent; none for the
// file dialog component, which shows only as the Save As dialog.
std::unique_ptr<ControlView> make_view(Control& control, QWidget* parent, RunEvent run_event);

}  // namespace tessmar
