// Which handler of Form1 each of the window's events runs: the "+" and "-"
// buttons of the attribute and skill lines row by row, then every other event.
// Form1's constructor wires them (window/event_wiring.cpp); controls not named
// here raise nothing.
#pragma once

#include <array>
#include <string_view>

#include "window/form1.h"

namespace tessmar {

enum class WindowEvent { Click, DblClick };

struct EventBinding {
    std::string_view control;
    WindowEvent event;
    void (Form1::*handler)();
};

// A line's two buttons, both raising Click.
struct LineButtons {
    std::string_view plus;
    std::string_view minus;
    void (Form1::*plus_click)();
    void (Form1::*minus_click)();
};

// In the order of the attribute rows (sheet/attribute_lines.h).
inline constexpr std::array<LineButtons, attribute_count> attribute_line_buttons{{
    {"ST_plus", "ST_minus", &Form1::ST_plus_Click, &Form1::ST_minus_Click},
    {"CN_plus", "CN_minus", &Form1::CN_plus_Click, &Form1::CN_minus_Click},
    {"DX_plus", "DX_minus", &Form1::DX_plus_Click, &Form1::DX_minus_Click},
    {"BE_plus", "BE_minus", &Form1::BE_plus_Click, &Form1::BE_minus_Click},
    {"IN_plus", "IN_minus", &Form1::IN_plus_Click, &Form1::IN_minus_Click},
    {"WP_plus", "WP_minus", &Form1::WP_plus_Click, &Form1::WP_minus_Click},
    {"PE_plus", "PE_minus", &Form1::PE_plus_Click, &Form1::PE_minus_Click},
    {"CH_plus", "CH_minus", &Form1::CH_plus_Click, &Form1::CH_minus_Click},
}};

// In the order of the skill rows (sheet/skill_lines.h).
inline constexpr std::array<LineButtons, skill_count> skill_line_buttons{{
    {"bow_plus", "bow_minus", &Form1::bow_plus_Click, &Form1::bow_minus_Click},
    {"dodge_plus", "dodge_minus", &Form1::dodge_plus_Click, &Form1::dodge_minus_Click},
    {"melee_plus", "melee_minus", &Form1::melee_plus_Click, &Form1::melee_minus_Click},
    {"throwing_plus", "throwing_minus", &Form1::throwing_plus_Click, &Form1::throwing_minus_Click},
    {"backstab_plus", "backstab_minus", &Form1::backstab_plus_Click, &Form1::backstab_minus_Click},
    {"pickpocket_plus", "pickpocket_minus", &Form1::pickpocket_plus_Click, &Form1::pickpocket_minus_Click},
    {"prowling_plus", "prowling_minus", &Form1::prowling_plus_Click, &Form1::prowling_minus_Click},
    {"spottrap_plus", "spottrap_minus", &Form1::spottrap_plus_Click, &Form1::spottrap_minus_Click},
    {"Gambling_plus", "Gambling_minus", &Form1::Gambling_plus_Click, &Form1::Gambling_minus_Click},
    {"Haggle_plus", "Haggle_minus", &Form1::Haggle_plus_Click, &Form1::Haggle_minus_Click},
    {"Heal_plus", "Heal_minus", &Form1::Heal_plus_Click, &Form1::Heal_minus_Click},
    {"Persausion_plus", "Persausion_minus", &Form1::Persausion_plus_Click, &Form1::Persausion_minus_Click},
    {"Repair_plus", "Repair_minus", &Form1::Repair_plus_Click, &Form1::Repair_minus_Click},
    {"Firearms_plus", "Firearms_minus", &Form1::Firearms_plus_Click, &Form1::Firearms_minus_Click},
    {"Picklocks_plus", "Picklocks_minus", &Form1::Picklocks_plus_Click, &Form1::Picklocks_minus_Click},
    {"ADTraps_plus", "ADTraps_minus", &Form1::ADTraps_plus_Click, &Form1::ADTraps_minus_Click},
}};

inline constexpr EventBinding other_events[] = {
    {"Hitpoints_plus", WindowEvent::Click, &Form1::Hitpoints_plus_Click},
    {"Hitpoints_minus", WindowEvent::Click, &Form1::Hitpoints_minus_Click},
    {"Fatigue_plus", WindowEvent::Click, &Form1::Fatigue_plus_Click},
    {"Fatigue_minus", WindowEvent::Click, &Form1::Fatigue_minus_Click},
    {"levelup", WindowEvent::Click, &Form1::levelup_Click},
    {"Quit", WindowEvent::Click, &Form1::Quit_Click},
    {"Race_Selection", WindowEvent::Click, &Form1::Race_Selection_Click},
    {"Race_Selection", WindowEvent::DblClick, &Form1::Race_Selection_DblClick},
    {"Background_Selection", WindowEvent::Click, &Form1::Background_Selection_Click},
    {"Background_Selection", WindowEvent::DblClick, &Form1::Background_Selection_DblClick},
    {"Magick_select", WindowEvent::Click, &Form1::Magick_select_Click},
    {"Magick_list", WindowEvent::Click, &Form1::Magick_list_Click},
    {"Spell_list", WindowEvent::Click, &Form1::Spell_list_Click},
    {"Spell_list", WindowEvent::DblClick, &Form1::Spell_list_DblClick},
    {"Tech_select", WindowEvent::Click, &Form1::Tech_select_Click},
    {"Tech_list", WindowEvent::Click, &Form1::Tech_list_Click},
    {"Schematic_list", WindowEvent::Click, &Form1::Schematic_list_Click},
    {"Schematic_list", WindowEvent::DblClick, &Form1::Schematic_list_DblClick},
    {"Clear", WindowEvent::Click, &Form1::Clear_Click},
    {"SAVE", WindowEvent::Click, &Form1::SAVE_Click},
};

}  // namespace tessmar
