// The planner's window on screen: Form1 drawn as Qt widgets over its wood
// picture. It holds no rule: user input goes to the model's control events,
// and after each event every widget shows its control's state again.
#pragma once

#include <QImage>
#include <QWidget>

#include <functional>
#include <string_view>
#include <vector>

#include "control_widget.h"
#include "platform/platform.h"
#include "window/form1.h"

namespace tessmar {

class Announcer;
class FocusFrame;

// Holds the model ahead of the window's QWidget base, so that Form1 is built
// before the widgets and outlives them: Qt deletes a window's child widgets
// only in its own destructor, and a widget keeps its control to the end.
class FormHolder {
protected:
    FormHolder(SaveAsDialog& save_dialog, ProgramEnd& program_end) : form_(save_dialog, program_end) {}
    Form1 form_;
};

class PlannerWindow : private FormHolder, public QWidget {
public:
    // Builds the widgets from Form1's controls and raises its load event.
    PlannerWindow(SaveAsDialog& save_dialog, ProgramEnd& program_end, QWidget* parent = nullptr);
    ~PlannerWindow() override;

    Form1& form() { return form_; }
    // The frame that marks the control with the keyboard focus.
    const FocusFrame& focus_frame() const { return *focus_frame_; }
    // The widget that shows the named control; nullptr for none.
    QWidget* widget_of(std::string_view name) const;
    // What tells a screen reader the result of each action.
    const Announcer& announcer() const { return *announcer_; }
    // Shows the whole model on the widgets.
    void mirror();

protected:
    void paintEvent(QPaintEvent* event) override;
    // The window's close control ends the program, as Quit does.
    void closeEvent(QCloseEvent* event) override;

private:
    // Runs a user's event on `source`, shows the window again and tells its result.
    void run_event(const Control& source, const std::function<void()>& event);
    // Tab follows the window's tab order (read-only boxes in it included) and
    // the first control in it has the focus; every other control takes the
    // focus only from a click.
    void apply_tab_order();

    ProgramEnd& program_end_;
    QImage picture_;  // over the pixels built into the program
    std::vector<ControlWidget*> widgets_;  // every control's widget; owned by the window as its children
    FocusFrame* focus_frame_ = nullptr;  // a child widget, owned by the window
    Announcer* announcer_ = nullptr;     // a child widget, owned by the window
};

}  // namespace tessmar
