// Comparing the live boxes' messages and the reported values before and after an action.
#include "window/spoken_result.h"

#include <algorithm>

namespace tessmar {

namespace {

// What a control shows as its value: a box's text, a label's caption.
std::string shown_value(const Control& control)
{
    switch (control.kind()) {
    case ControlKind::TextBox: return static_cast<const TextBox&>(control).text;
    case ControlKind::Label: return static_cast<const Label&>(control).caption;
    case ControlKind::Button: return static_cast<const Button&>(control).caption;
    case ControlKind::ListBox:
    case ControlKind::FileDialog: break;
    }
    return {};
}

}  // namespace

std::string spoken_name(const ControlSet& controls, const Control& control)
{
    if (!control.accessible_name.empty()) return control.accessible_name;
    if (const auto* label = dynamic_cast<const Label*>(controls.find(control.labelled_by))) {
        std::string caption = label->caption;
        if (caption.ends_with(':')) caption.pop_back();
        return caption;
    }
    return shown_value(control);
}

SpokenResult::SpokenResult(const ControlSet& controls, const Control& source)
    : controls_(controls), source_kind_(source.kind())
{
    for (const Control* control : controls.in_order())
        if (control->kind() == ControlKind::TextBox) {
            const auto* box = static_cast<const TextBox*>(control);
            if (box->live) live_.push_back({box, box->times_said()});
        }
    for (const std::string& name : source.reports)
        if (const Control* control = controls.find(name)) reported_.push_back({control, shown_value(*control)});
}

std::string SpokenResult::told() const
{
    for (const Said& said : live_)
        if (said.box->times_said() != said.times && !said.box->text.empty()) return said.box->text;
    // A button press is told whatever it changed, so that one that changed
    // nothing is heard too; a list tells only a change, as its clicks move the highlight.
    const bool changed = std::any_of(reported_.begin(), reported_.end(),
                                     [](const Reported& r) { return shown_value(*r.control) != r.value; });
    if (!changed && source_kind_ != ControlKind::Button) return {};
    std::string told;
    for (const Reported& r : reported_) {
        if (!told.empty()) told += ", ";
        told += spoken_name(controls_, *r.control) + " " + shown_value(*r.control);
    }
    return told;
}

}  // namespace tessmar
