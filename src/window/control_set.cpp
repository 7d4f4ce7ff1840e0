// Building controls from the window description.
#include "window/control_set.h"

namespace tessmar {

namespace {

Color or_default(Color given, Color fallback) { return given == default_color ? fallback : given; }

std::unique_ptr<Control> build(const ControlSpec& spec)
{
    std::unique_ptr<Control> control;
    switch (spec.kind) {
    case ControlKind::TextBox: {
        auto box = std::make_unique<TextBox>(std::string(spec.name));
        box->text = spec.text;
        box->back_color = or_default(spec.back_color, system_color::window_background);
        box->fore_color = or_default(spec.fore_color, system_color::window_text);
        box->read_only = spec.read_only;
        box->multi_line = spec.multi_line;
        box->max_length = spec.max_length;
        control = std::move(box);
        break;
    }
    case ControlKind::Label: {
        auto label = std::make_unique<Label>(std::string(spec.name));
        label->caption = spec.text;
        label->fore_color = or_default(spec.fore_color, system_color::button_text);
        control = std::move(label);
        break;
    }
    case ControlKind::Button: {
        auto button = std::make_unique<Button>(std::string(spec.name));
        button->caption = spec.text;
        button->back_color = or_default(spec.back_color, system_color::button_face);
        control = std::move(button);
        break;
    }
    case ControlKind::ListBox: {
        auto list = std::make_unique<ListBox>(std::string(spec.name));
        list->sorted = spec.sorted;
        list->back_color = or_default(spec.back_color, system_color::window_background);
        list->fore_color = or_default(spec.fore_color, system_color::window_text);
        control = std::move(list);
        break;
    }
    case ControlKind::FileDialog:
        control = std::make_unique<FileDialog>(std::string(spec.name));
        break;
    }
    control->place = spec.place;
    control->font = spec.font;
    control->tooltip = spec.tooltip;
    control->visible = spec.visible;
    return control;
}

}  // namespace

ControlSet::ControlSet(std::span<const ControlSpec> description)
{
    owned_.reserve(description.size());
    order_.reserve(description.size());
    by_name_.reserve(description.size());
    for (const ControlSpec& spec : description) {
        owned_.push_back(build(spec));
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
