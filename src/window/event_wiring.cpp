// The wiring of the window's events to the handlers of Form1.
#include "window/event_wiring.h"

#include <array>

namespace tessmar {

namespace {

constexpr auto Click = WindowEvent::Click;
constexpr auto DblClick = WindowEvent::DblClick;

const std::array event_table{
    EventBinding{"ST_plus", Click, &Form1::ST_plus_Click},
    EventBinding{"ST_minus", Click, &Form1::ST_minus_Click},
    EventBinding{"DX_plus", Click, &Form1::DX_plus_Click},
    EventBinding{"DX_minus", Click, &Form1::DX_minus_Click},
    EventBinding{"CN_plus", Click, &Form1::CN_plus_Click},
    EventBinding{"CN_minus", Click, &Form1::CN_minus_Click},
    EventBinding{"BE_plus", Click, &Form1::BE_plus_Click},
    EventBinding{"BE_minus", Click, &Form1::BE_minus_Click},
    EventBinding{"IN_plus", Click, &Form1::IN_plus_Click},
    EventBinding{"IN_minus", Click, &Form1::IN_minus_Click},
    EventBinding{"WP_plus", Click, &Form1::WP_plus_Click},
    EventBinding{"WP_minus", Click, &Form1::WP_minus_Click},
    EventBinding{"PE_plus", Click, &Form1::PE_plus_Click},
    EventBinding{"PE_minus", Click, &Form1::PE_minus_Click},
    EventBinding{"CH_plus", Click, &Form1::CH_plus_Click},
    EventBinding{"CH_minus", Click, &Form1::CH_minus_Click},
    EventBinding{"Hitpoints_plus", Click, &Form1::Hitpoints_plus_Click},
    EventBinding{"Hitpoints_minus", Click, &Form1::Hitpoints_minus_Click},
    EventBinding{"Fatigue_plus", Click, &Form1::Fatigue_plus_Click},
    EventBinding{"Fatigue_minus", Click, &Form1::Fatigue_minus_Click},
    EventBinding{"bow_plus", Click, &Form1::bow_plus_Click},
    EventBinding{"bow_minus", Click, &Form1::bow_minus_Click},
    EventBinding{"dodge_plus", Click, &Form1::dodge_plus_Click},
    EventBinding{"dodge_minus", Click, &Form1::dodge_minus_Click},
    EventBinding{"melee_plus", Click, &Form1::melee_plus_Click},
    EventBinding{"melee_minus", Click, &Form1::melee_minus_Click},
    EventBinding{"throwing_plus", Click, &Form1::throwing_plus_Click},
    EventBinding{"throwing_minus", Click, &Form1::throwing_minus_Click},
    EventBinding{"backstab_plus", Click, &Form1::backstab_plus_Click},
    EventBinding{"backstab_minus", Click, &Form1::backstab_minus_Click},
    EventBinding{"pickpocket_plus", Click, &Form1::pickpocket_plus_Click},
    EventBinding{"pickpocket_minus", Click, &Form1::pickpocket_minus_Click},
    EventBinding{"prowling_plus", Click, &Form1::prowling_plus_Click},
    EventBinding{"prowling_minus", Click, &Form1::prowling_minus_Click},
    EventBinding{"spottrap_plus", Click, &Form1::spottrap_plus_Click},
    EventBinding{"spottrap_minus", Click, &Form1::spottrap_minus_Click},
    EventBinding{"Gambling_plus", Click, &Form1::Gambling_plus_Click},
    EventBinding{"Gambling_minus", Click, &Form1::Gambling_minus_Click},
    EventBinding{"Haggle_plus", Click, &Form1::Haggle_plus_Click},
    EventBinding{"Haggle_minus", Click, &Form1::Haggle_minus_Click},
    EventBinding{"Heal_plus", Click, &Form1::Heal_plus_Click},
    EventBinding{"Heal_minus", Click, &Form1::Heal_minus_Click},
    EventBinding{"Persausion_plus", Click, &Form1::Persausion_plus_Click},
    EventBinding{"Persausion_minus", Click, &Form1::Persausion_minus_Click},
    EventBinding{"Repair_plus", Click, &Form1::Repair_plus_Click},
    EventBinding{"Repair_minus", Click, &Form1::Repair_minus_Click},
    EventBinding{"Firearms_plus", Click, &Form1::Firearms_plus_Click},
    EventBinding{"Firearms_minus", Click, &Form1::Firearms_minus_Click},
    EventBinding{"Picklocks_plus", Click, &Form1::Picklocks_plus_Click},
    EventBinding{"Picklocks_minus", Click, &Form1::Picklocks_minus_Click},
    EventBinding{"ADTraps_plus", Click, &Form1::ADTraps_plus_Click},
    EventBinding{"ADTraps_minus", Click, &Form1::ADTraps_minus_Click},
    EventBinding{"levelup", Click, &Form1::levelup_Click},
    EventBinding{"Quit", Click, &Form1::Quit_Click},
    EventBinding{"Race_Selection", Click, &Form1::Race_Selection_Click},
    EventBinding{"Race_Selection", DblClick, &Form1::Race_Selection_DblClick},
    EventBinding{"Background_Selection", Click, &Form1::Background_Selection_Click},
    EventBinding{"Background_Selection", DblClick, &Form1::Background_Selection_DblClick},
    EventBinding{"Magick_select", Click, &Form1::Magick_select_Click},
    EventBinding{"Magick_list", Click, &Form1::Magick_list_Click},
    EventBinding{"Spell_list", Click, &Form1::Spell_list_Click},
    EventBinding{"Spell_list", DblClick, &Form1::Spell_list_DblClick},
    EventBinding{"Tech_select", Click, &Form1::Tech_select_Click},
    EventBinding{"Tech_list", Click, &Form1::Tech_list_Click},
    EventBinding{"Schematic_list", Click, &Form1::Schematic_list_Click},
    EventBinding{"Schematic_list", DblClick, &Form1::Schematic_list_DblClick},
    EventBinding{"Clear", Click, &Form1::Clear_Click},
    EventBinding{"SAVE", Click, &Form1::SAVE_Click},
};

}  // namespace

std::span<const EventBinding> form1_events() { return event_table; }

void Form1::wire_events()
{
    for (const EventBinding& binding : event_table) {
        Control* control = controls_.find(binding.control);
        Handler run = [this, handler = binding.handler] { (this->*handler)(); };
        if (auto* button = dynamic_cast<Button*>(control)) {
            button->on_click = std::move(run);
        } else if (auto* list = dynamic_cast<ListBox*>(control)) {
            (binding.event == WindowEvent::Click ? list->on_click : list->on_double_click) = std::move(run);
        } else {
            throw std::logic_error("no button or list named " + std::string(binding.control));
        }
    }
}

}  // namespace tessmar
