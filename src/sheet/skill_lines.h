// The sixteen skill lines in their group order (Combat, Thief, Social, Tech):
// each skill's box, its counter of purchased ranks and the Adjusted box of its
// governing attribute.
#pragma once

#include <array>
#include <type_traits>

#include "window/form1.h"

namespace tessmar {

template <class Form>  // Form1 or const Form1
struct SkillLine {
    using Box = std::conditional_t<std::is_const_v<Form>, const TextBox, TextBox>;
    using Counter = std::conditional_t<std::is_const_v<Form>, const float, float>;
    Box& box;
    Counter& counter;
    Box& governing;
};

template <class Form>
std::array<SkillLine<Form>, 16> skill_lines(Form& form)
{
    return {{
        {form.bow, form.bowCPspent, form.Adjdexterity},
        {form.dodge, form.dodgeCPspent, form.Adjdexterity},
        {form.melee, form.meleeCPspent, form.Adjdexterity},
        {form.throwing, form.throwingCPspent, form.Adjdexterity},
        {form.backstab, form.backstabCPspent, form.Adjdexterity},
        {form.pickpocket, form.pickpocketCPspent, form.Adjdexterity},
        {form.prowling, form.prowlingCPspent, form.Adjperception},
        {form.spottrap, form.spottrapCPspent, form.Adjperception},
        {form.gambling, form.gamblingCPspent, form.Adjintelligence},
        {form.haggle, form.haggleCPspent, form.Adjwillpower},
        {form.heal, form.healCPspent, form.Adjintelligence},
        {form.persuasion, form.persuasionCPspent, form.Adjcharisma},
        {form.repair, form.repairCPspent, form.Adjintelligence},
        {form.firearms, form.firearmsCPspent, form.Adjdexterity},
        {form.picklocks, form.picklocksCPspent, form.Adjdexterity},
        {form.adtraps, form.adtrapsCPspent, form.Adjperception},
    }};
}

}  // namespace tessmar
