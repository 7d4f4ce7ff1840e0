// The wiring of the window's events to the handlers of Form1: the plus and
// minus buttons of the attribute and skill lines from their tables, every other
// event from the table below. Controls not named raise nothing.
#include <array>
#include <stdexcept>
#include <string>
#include <string_view>

#include "sheet/attribute_lines.h"
#include "sheet/skill_lines.h"
#include "window/form1.h"

namespace tessmar {

namespace {

enum class WindowEvent { Click, DblClick };

struct EventBinding {
    std::string_view control;
    WindowEvent event;
    void (Form1::*handler)();
};

constexpr auto Click = WindowEvent::Click;
constexpr auto DblClick = WindowEvent::DblClick;

constexpr EventBinding other_events[] = {
    {"Hitpoints_plus", Click, &Form1::Hitpoints_plus_Click},
    {"Hitpoints_minus", Click, &Form1::Hitpoints_minus_Click},
    {"Fatigue_plus", Click, &Form1::Fatigue_plus_Click},
    {"Fatigue_minus", Click, &Form1::Fatigue_minus_Click},
    {"levelup", Click, &Form1::levelup_Click},
    {"Quit", Click, &Form1::Quit_Click},
    {"Race_Selection", Click, &Form1::Race_Selection_Click},
    {"Race_Selection", DblClick, &Form1::Race_Selection_DblClick},
    {"Background_Selection", Click, &Form1::Background_Selection_Click},
    {"Background_Selection", DblClick, &Form1::Background_Selection_DblClick},
    {"Magick_select", Click, &Form1::Magick_select_Click},
    {"Magick_list", Click, &Form1::Magick_list_Click},
    {"Spell_list", Click, &Form1::Spell_list_Click},
    {"Spell_list", DblClick, &Form1::Spell_list_DblClick},
    {"Tech_select", Click, &Form1::Tech_select_Click},
    {"Tech_list", Click, &Form1::Tech_list_Click},
    {"Schematic_list", Click, &Form1::Schematic_list_Click},
    {"Schematic_list", DblClick, &Form1::Schematic_list_DblClick},
    {"Clear", Click, &Form1::Clear_Click},
    {"SAVE", Click, &Form1::SAVE_Click},
};

}  // namespace

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
    for (const AttributeRow& row : attribute_rows) {
        wire({row.plus_button, Click, row.plus_click});
        wire({row.minus_button, Click, row.minus_click});
    }
    for (const SkillRow& row : skill_rows) {
        wire({row.plus_button, Click, row.plus_click});
        wire({row.minus_button, Click, row.minus_click});
    }
    for (const EventBinding& binding : other_events) wire(binding);
}

}  // namespace tessmar
