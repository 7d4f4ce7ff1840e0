// Building controls from the window description.
#include "window/control_set.h"

namespace tessmar {

namespace {

Color or_default(Color given, Color fallback) { return given == default_color ? fallback : given; }

std::unique_ptr<Control> build(const ControlDescription& described)
{
    std::unique_ptr<Control> control;
    switch (described.kind) {
    case ControlKind::TextBox: {
        auto box = std::make_unique<TextBox>(std::string(described.name));
        box->text = described.text;
        box->back_color = or_default(described.back_color, system_color::window_background);
        box->fore_color = or_default(described.fore_color, system_color::window_text);
        box->read_only = described.read_only;
        box->multi_line = described.multi_line;
        box->max_length = described.max_length;
        box->live = described.live;
        control = std::move(box);
        break;
    }
    case ControlKind::Label: {
        auto label = std::make_unique<Label>(std::string(described.name));
        label->caption = described.text;
        label->fore_color = or_default(described.fore_color, system_color::button_text);
        control = std::move(label);
        break;
    }
    case ControlKind::Button: {
        auto button = std::make_unique<Button>(std::string(described.name));
        button->caption = described.text;
        button->back_color = or_default(described.back_color, system_color::button_face);
        control = std::move(button);
        break;
    }
    case ControlKind::ListBox: {
        auto list = std::make_unique<ListBox>(std::string(described.name));
        list->sorted = described.sorted;
        list->back_color = or_default(described.back_color, system_color::window_background);
        list->fore_color = or_default(described.fore_color, system_color::window_text);
        control = std::move(list);
        break;
    }
    case ControlKind::FileDialog:
        control = std::make_unique<FileDialog>(std::string(described.name));
        break;
    }
    control->place = described.place;
    control->font = described.font;
    control->tooltip = described.tooltip;
    control->visible = described.visible;
    control->accessible_name = described.accessible_name;
    control->labelled_by = described.labelled_by;
    for (std::string_view report : described.reports)
        if (!report.empty()) control->reports.emplace_back(report);
    return control;
}

}  // namespace

ControlSet::ControlSet(std::span<const ControlDescription> description)
{
    owned_.reserve(description.size());
    order_.reserve(description.size());
    by_name_.reserve(description.size());
    for (const ControlDescription& described : description) {
        owned_.push_back(build(described));
        Control* control = owned_.back().get();
        order_.push_back(control);
        if (!by_name_.emplace(control->name(), control).second)
            throw std::logic_error("window description names " + control->name() + " twice");
    }
}

Control* ControlSet::find(std::string_view name) const
{
    auto it = by_name_.find(name);
    return it == by_name_.end() ? nullptr : it->second;
}

}  // namespace tessmar
