// Skills: buying ranks under the CP pool, the cap of five purchased ranks and
// the attribute ladder (prerequisite_check), selling them back, refunding all
// of them when a stat point is sold (reset_skills), and the 32 button handlers,
// which read their line from the skill table.
#include <cmath>
#include <cstddef>
#include <string>
#include <string_view>

#include "platform/box_value.h"
#include "sheet/attribute_lines.h"
#include "sheet/skill_lines.h"
#include "window/form1.h"

namespace tessmar {

void Form1::plus_skill_adjustment(TextBox& Sname, TextBox& prerequisite, float& CPspent)
{
    if (cpsleft < 1) {
        message_window.say("No CPs left");
        return;
    }
    message_window.text.clear();
    if (CPspent >= 5) {
        message_window.say("you can't raise this skill any higher");
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

    // The attribute's word is its Base box's name, on the row of its Adjusted box.
    std::string_view word;
    for (const AttributeRow& row : attribute_rows)
        if (row.adjusted == prerequisite.name()) word = row.base;
    if (ok == flag_false) message_window.say("You must raise your " + std::string(word) + " first");
}

void Form1::reset_skills()
{
    // Line by line: the box loses its purchased ranks and takes the neutral
    // colour, the ranks go back into the pool and the counter to 0.
    for (const SkillLine& line : skill_lines_) {
        line.box.set_value(line.box.value() - line.counter);
        line.box.back_color = neutralcolor;
        cpsleft = static_cast<std::int16_t>(std::nearbyint(cpsleft + line.counter));
        CPs_remaining.set_value(CPs_remaining.value() + line.counter);
        line.counter = 0;
    }
    displayaptitude();
}

namespace {

// A click on a skill line's plus or minus button.
void buy_rank(Form1& form, std::size_t index)
{
    const SkillLine& line = form.skill_lines()[index];
    form.plus_skill_adjustment(line.box, line.governing, line.counter);
}

void sell_rank(Form1& form, std::size_t index)
{
    const SkillLine& line = form.skill_lines()[index];
    form.minus_skill_adjustment(line.box, line.counter);
}

}  // namespace

void Form1::bow_plus_Click() { buy_rank(*this, skill_index("bow")); }
void Form1::bow_minus_Click() { sell_rank(*this, skill_index("bow")); }
void Form1::dodge_plus_Click() { buy_rank(*this, skill_index("dodge")); }
void Form1::dodge_minus_Click() { sell_rank(*this, skill_index("dodge")); }
void Form1::melee_plus_Click() { buy_rank(*this, skill_index("melee")); }
void Form1::melee_minus_Click() { sell_rank(*this, skill_index("melee")); }
void Form1::throwing_plus_Click() { buy_rank(*this, skill_index("throwing")); }
void Form1::throwing_minus_Click() { sell_rank(*this, skill_index("throwing")); }
void Form1::backstab_plus_Click() { buy_rank(*this, skill_index("backstab")); }
void Form1::backstab_minus_Click() { sell_rank(*this, skill_index("backstab")); }
void Form1::pickpocket_plus_Click() { buy_rank(*this, skill_index("pickpocket")); }
void Form1::pickpocket_minus_Click() { sell_rank(*this, skill_index("pickpocket")); }
void Form1::prowling_plus_Click() { buy_rank(*this, skill_index("prowling")); }
void Form1::prowling_minus_Click() { sell_rank(*this, skill_index("prowling")); }
void Form1::spottrap_plus_Click() { buy_rank(*this, skill_index("spottrap")); }
void Form1::spottrap_minus_Click() { sell_rank(*this, skill_index("spottrap")); }
void Form1::Gambling_plus_Click() { buy_rank(*this, skill_index("gambling")); }
void Form1::Gambling_minus_Click() { sell_rank(*this, skill_index("gambling")); }
void Form1::Haggle_plus_Click() { buy_rank(*this, skill_index("haggle")); }
void Form1::Haggle_minus_Click() { sell_rank(*this, skill_index("haggle")); }
void Form1::Heal_plus_Click() { buy_rank(*this, skill_index("heal")); }
void Form1::Heal_minus_Click() { sell_rank(*this, skill_index("heal")); }
void Form1::Persausion_plus_Click() { buy_rank(*this, skill_index("persuasion")); }
void Form1::Persausion_minus_Click() { sell_rank(*this, skill_index("persuasion")); }
void Form1::Repair_plus_Click() { buy_rank(*this, skill_index("repair")); }
void Form1::Repair_minus_Click() { sell_rank(*this, skill_index("repair")); }
void Form1::Firearms_plus_Click() { buy_rank(*this, skill_index("firearms")); }
void Form1::Firearms_minus_Click() { sell_rank(*this, skill_index("firearms")); }
void Form1::Picklocks_plus_Click() { buy_rank(*this, skill_index("picklocks")); }
void Form1::Picklocks_minus_Click() { sell_rank(*this, skill_index("picklocks")); }
void Form1::ADTraps_plus_Click() { buy_rank(*this, skill_index("adtraps")); }
void Form1::ADTraps_minus_Click() { sell_rank(*this, skill_index("adtraps")); }

}  // namespace tessmar
