// The snapshot of a window: every control's texts, colours, visibility and list
// contents, every window-level variable and every ownership cell.
#include "window_snapshot.h"

#include <sstream>

#include "platform/box_value.h"
#include "window/state_variables.h"

namespace tessmar {

std::string window_snapshot(const Form1& form, std::string_view skip)
{
    std::ostringstream out;
    for (const Control* control : form.controls().in_order()) {
        if (control->name() == skip) continue;
        out << control->name() << (control->visible ? " shown" : " hidden");
        if (const auto* box = dynamic_cast<const TextBox*>(control)) {
            out << " text=" << box->text << " back=" << color_text(box->back_color)
                << " fore=" << color_text(box->fore_color);
        } else if (const auto* label = dynamic_cast<const Label*>(control)) {
            out << " caption=" << label->caption << " fore=" << color_text(label->fore_color);
        } else if (const auto* button = dynamic_cast<const Button*>(control)) {
            out << " caption=" << button->caption << " back=" << color_text(button->back_color);
        } else if (const auto* list = dynamic_cast<const ListBox*>(control)) {
            out << " selected=" << list->list_index() << " items=";
            for (const std::string& item : list->items()) out << item << '|';
            out << " back=" << color_text(list->back_color) << " fore=" << color_text(list->fore_color);
        }
        out << '\n';
    }
    for (const StateVariable& variable : form1_state_variables())
        out << variable.name << '=' << state_variable_text(form, variable) << '\n';
    for (const auto& college : form.spells)
        for (std::int16_t cell : college) out << box_text(cell) << ' ';
    out << '\n';
    for (const auto& discipline : form.techpurchased)
        for (std::int16_t cell : discipline) out << box_text(cell) << ' ';
    out << '\n';
    return out.str();
}

}  // namespace tessmar
