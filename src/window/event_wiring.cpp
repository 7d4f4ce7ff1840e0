// Wiring the window's events to the handlers of Form1 that the event table names.
#include <stdexcept>
#include <string>
#include <utility>

#include "window/event_table.h"
#include "window/form1.h"

namespace tessmar {

void Form1::wire_events()
{
    const auto wire = [this](const EventBinding& binding) {
        Control* control = controls_.find(binding.control);
        Handler run = [this, handler = binding.handler] { (this->*handler)(); };
        if (auto* button = dynamic_cast<Button*>(control)) {
            button->on_click = std::move(run);
        } else if (auto* list = dynamic_cast<ListBox*>(control)) {
            (binding.event == WindowEvent::Click ? list->on_click : list->on_double_click) = std::move(run);
        } else {
            throw std::logic_error("no button or list named " + std::string(binding.control));
        }
    };
    const auto wire_line = [&wire](const LineButtons& line) {
        wire({line.plus, WindowEvent::Click, line.plus_click});
        wire({line.minus, WindowEvent::Click, line.minus_click});
    };
    for (const LineButtons& line : attribute_line_buttons) wire_line(line);
    for (const LineButtons& line : skill_line_buttons) wire_line(line);
    for (const EventBinding& binding : other_events) wire(binding);
}

}  // namespace tessmar
