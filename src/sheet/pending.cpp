// Stat lines, skills and level-up: not built yet.
#include "window/form1.h"

namespace tessmar {

void Form1::ST_plus_Click() {}
void Form1::ST_minus_Click() {}
void Form1::DX_plus_Click() {}
void Form1::DX_minus_Click() {}
void Form1::CN_plus_Click() {}
void Form1::CN_minus_Click() {}
void Form1::BE_plus_Click() {}
void Form1::BE_minus_Click() {}
void Form1::IN_plus_Click() {}
void Form1::IN_minus_Click() {}
void Form1::WP_plus_Click() {}
void Form1::WP_minus_Click() {}
void Form1::PE_plus_Click() {}
void Form1::PE_minus_Click() {}
void Form1::CH_plus_Click() {}
void Form1::CH_minus_Click() {}
void Form1::Hitpoints_plus_Click() {}
void Form1::Hitpoints_minus_Click() {}
void Form1::Fatigue_plus_Click() {}
void Form1::Fatigue_minus_Click() {}
void Form1::bow_plus_Click() {}
void Form1::bow_minus_Click() {}
void Form1::dodge_plus_Click() {}
void Form1::dodge_minus_Click() {}
void Form1::melee_plus_Click() {}
void Form1::melee_minus_Click() {}
void Form1::throwing_plus_Click() {}
void Form1::throwing_minus_Click() {}
void Form1::backstab_plus_Click() {}
void Form1::backstab_minus_Click() {}
void Form1::pickpocket_plus_Click() {}
void Form1::pickpocket_minus_Click() {}
void Form1::prowling_plus_Click() {}
void Form1::prowling_minus_Click() {}
void Form1::spottrap_plus_Click() {}
void Form1::spottrap_minus_Click() {}
void Form1::Gambling_plus_Click() {}
void Form1::Gambling_minus_Click() {}
void Form1::Haggle_plus_Click() {}
void Form1::Haggle_minus_Click() {}
void Form1::Heal_plus_Click() {}
void Form1::Heal_minus_Click() {}
void Form1::Persausion_plus_Click() {}
void Form1::Persausion_minus_Click() {}
void Form1::Repair_plus_Click() {}
void Form1::Repair_minus_Click() {}
void Form1::Firearms_plus_Click() {}
void Form1::Firearms_minus_Click() {}
void Form1::Picklocks_plus_Click() {}
void Form1::Picklocks_minus_Click() {}
void Form1::ADTraps_plus_Click() {}
void Form1::ADTraps_minus_Click() {}
void Form1::levelup_Click() {}
void Form1::plus_stats(TextBox&, std::int16_t&, std::int16_t&, std::string_view, TextBox&) {}
void Form1::minus_stats(TextBox&, std::int16_t&, std::int16_t&, std::string_view, TextBox&) {}
void Form1::plus_skill_adjustment(TextBox&, TextBox&, float&) {}
void Form1::minus_skill_adjustment(TextBox&, float&) {}
void Form1::prerequisite_check(std::string_view, std::string_view, std::int16_t&, const TextBox&) {}
void Form1::reset_skills() {}

}  // namespace tessmar
