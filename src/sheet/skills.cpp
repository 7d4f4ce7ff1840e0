// Skills: buying ranks under the CP pool, the cap of five purchased ranks and
// the attribute ladder (prerequisite_check), selling them back, refunding all
// of them when a stat point is sold (reset_skills), and the 32 button handlers.
#include <array>
#include <cmath>
#include <utility>

#include "platform/box_value.h"
#include "sheet/skill_lines.h"
#include "window/form1.h"

namespace tessmar {

void Form1::plus_skill_adjustment(TextBox& Sname, TextBox& prerequisite, float& CPspent)
{
    if (cpsleft < 1) {
        message_window.text = "No CPs left";
        return;
    }
    message_window.text.clear();
    if (CPspent >= 5) {
        message_window.text = "you can't raise this skill any higher";
        return;
    }
    okflag = flag_false;
    prerequisite_check(prerequisite.text, Sname.text, okflag, prerequisite);
    if (okflag == flag_false) return;  // the check has written its message

    CPspent += 1;
    Sname.back_color = greencolor;
    --cpsleft;
    CPs_remaining.set_value(CPs_remaining.value() - 1);
    Sname.set_value(Sname.value() + 1);
    displayaptitude();
}

void Form1::minus_skill_adjustment(TextBox& Sname, float& CPspent)
{
    message_window.text.clear();
    if (CPspent < 1) {
        Sname.back_color = neutralcolor;
        return;
    }
    CPspent -= 1;
    if (CPspent == 0) Sname.back_color = neutralcolor;
    Sname.set_value(Sname.value() - 1);
    ++cpsleft;
    CPs_remaining.set_value(CPs_remaining.value() + 1);
    displayaptitude();
}

// The next rank needs an Adjusted attribute that grows with the skill's current
// value, bonuses included: below 1 needs 6, below 2 needs 9, below 3 needs 12,
// below 4 needs 15, and 18 allows every rank.
void Form1::prerequisite_check(std::string_view currentstatlevel, std::string_view currentskill_level,
                               std::int16_t& ok, const TextBox& prerequisite)
{
    const double a = box_number(currentstatlevel);
    const double s = box_number(currentskill_level);
    if (a >= 18) {
        ok = flag_true;
    } else if (a < 6) {
        ok = flag_false;
    } else if (a >= 15 && s < 4) {
        ok = flag_true;
    } else if (a >= 12 && s < 3) {
        ok = flag_true;
    } else if (a >= 9 && s < 2) {
        ok = flag_true;
    } else if (a >= 6 && s < 1) {
        ok = flag_true;
    }

    std::string word;
    const std::string& box = prerequisite.name();
    if (box == "Adjdexterity") word = "Dexterity";
    if (box == "Adjintelligence") word = "Intelligence";
    if (box == "Adjwillpower") word = "Willpower";
    if (box == "Adjperception") word = "Perception";
    if (box == "Adjcharisma") word = "Charisma";
    if (ok == flag_false) message_window.text = "You must raise your " + word + " first";
}

void Form1::reset_skills()
{
    // Boxes and their counters, in the order the boxes are set back.
    const std::array<std::pair<TextBox*, float*>, 16> skills{{
        {&bow, &bowCPspent},
        {&melee, &meleeCPspent},
        {&dodge, &dodgeCPspent},
        {&throwing, &throwingCPspent},
        {&gambling, &gamblingCPspent},
        {&haggle, &haggleCPspent},
        {&heal, &healCPspent},
        {&persuasion, &persuasionCPspent},
        {&repair, &repairCPspent},
        {&firearms, &firearmsCPspent},
        {&picklocks, &picklocksCPspent},
        {&adtraps, &adtrapsCPspent},
        {&pickpocket, &pickpocketCPspent},
        {&backstab, &backstabCPspent},
        {&prowling, &prowlingCPspent},
        {&spottrap, &spottrapCPspent},
    }};
    for (auto [box, spent] : skills) box->set_value(box->value() - *spent);
    for (const auto& skill : skills) skill.first->back_color = neutralcolor;
    // The refund goes in the skills' group order.
    for (const auto& line : skill_lines(*this))
        cpsleft = static_cast<std::int16_t>(std::nearbyint(cpsleft + line.counter));
    for (const auto& line : skill_lines(*this)) CPs_remaining.set_value(CPs_remaining.value() + line.counter);
    for (const auto& line : skill_lines(*this)) line.counter = 0;

    displayaptitude();
}

void Form1::bow_plus_Click() { plus_skill_adjustment(bow, Adjdexterity, bowCPspent); }
void Form1::bow_minus_Click() { minus_skill_adjustment(bow, bowCPspent); }
void Form1::dodge_plus_Click() { plus_skill_adjustment(dodge, Adjdexterity, dodgeCPspent); }
void Form1::dodge_minus_Click() { minus_skill_adjustment(dodge, dodgeCPspent); }
void Form1::melee_plus_Click() { plus_skill_adjustment(melee, Adjdexterity, meleeCPspent); }
void Form1::melee_minus_Click() { minus_skill_adjustment(melee, meleeCPspent); }
void Form1::throwing_plus_Click() { plus_skill_adjustment(throwing, Adjdexterity, throwingCPspent); }
void Form1::throwing_minus_Click() { minus_skill_adjustment(throwing, throwingCPspent); }
void Form1::backstab_plus_Click() { plus_skill_adjustment(backstab, Adjdexterity, backstabCPspent); }
void Form1::backstab_minus_Click() { minus_skill_adjustment(backstab, backstabCPspent); }
void Form1::pickpocket_plus_Click() { plus_skill_adjustment(pickpocket, Adjdexterity, pickpocketCPspent); }
void Form1::pickpocket_minus_Click() { minus_skill_adjustment(pickpocket, pickpocketCPspent); }
void Form1::prowling_plus_Click() { plus_skill_adjustment(prowling, Adjperception, prowlingCPspent); }
void Form1::prowling_minus_Click() { minus_skill_adjustment(prowling, prowlingCPspent); }
void Form1::spottrap_plus_Click() { plus_skill_adjustment(spottrap, Adjperception, spottrapCPspent); }
void Form1::spottrap_minus_Click() { minus_skill_adjustment(spottrap, spottrapCPspent); }
void Form1::Gambling_plus_Click() { plus_skill_adjustment(gambling, Adjintelligence, gamblingCPspent); }
void Form1::Gambling_minus_Click() { minus_skill_adjustment(gambling, gamblingCPspent); }
void Form1::Haggle_plus_Click() { plus_skill_adjustment(haggle, Adjwillpower, haggleCPspent); }
void Form1::Haggle_minus_Click() { minus_skill_adjustment(haggle, haggleCPspent); }
void Form1::Heal_plus_Click() { plus_skill_adjustment(heal, Adjintelligence, healCPspent); }
void Form1::Heal_minus_Click() { minus_skill_adjustment(heal, healCPspent); }
void Form1::Persausion_plus_Click() { plus_skill_adjustment(persuasion, Adjcharisma, persuasionCPspent); }
void Form1::Persausion_minus_Click() { minus_skill_adjustment(persuasion, persuasionCPspent); }
void Form1::Repair_plus_Click() { plus_skill_adjustment(repair, Adjintelligence, repairCPspent); }
void Form1::Repair_minus_Click() { minus_skill_adjustment(repair, repairCPspent); }
void Form1::Firearms_plus_Click() { plus_skill_adjustment(firearms, Adjdexterity, firearmsCPspent); }
void Form1::Firearms_minus_Click() { minus_skill_adjustment(firearms, firearmsCPspent); }
void Form1::Picklocks_plus_Click() { plus_skill_adjustment(picklocks, Adjdexterity, picklocksCPspent); }
void Form1::Picklocks_minus_Click() { minus_skill_adjustment(picklocks, picklocksCPspent); }
void Form1::ADTraps_plus_Click() { plus_skill_adjustment(adtraps, Adjperception, adtrapsCPspent); }
void Form1::ADTraps_minus_Click() { minus_skill_adjustment(adtraps, adtrapsCPspent); }

}  // namespace tessmar
