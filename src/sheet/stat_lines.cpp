// Stat lines: buying and selling single points on the eight attributes, hit
// points and fatigue (plus_stats, minus_stats), and the twenty button handlers,
// each of which then refreshes the derived statistics that its line feeds.
#include "window/form1.h"

namespace tessmar {

namespace {

// The side effects that a line's name has on hitpoints and fatigue, in the order
// the tests run; sign is +1 for a purchase and -1 for a sale.
void step_by_name(std::string_view name, double sign, TextBox& hitpoints, TextBox& fatigue)
{
    if (name == "Willpower") fatigue.set_value(fatigue.value() + sign * 1);
    if (name == "Willpower") hitpoints.set_value(hitpoints.value() + sign * 1);
    if (name == "Strength") hitpoints.set_value(hitpoints.value() + sign * 2);
    if (name == "Constitution") fatigue.set_value(fatigue.value() + sign * 2);
    if (name == "hitpoints") hitpoints.set_value(hitpoints.value() + sign * 3);
    if (name == "fatigue") fatigue.set_value(fatigue.value() + sign * 3);
}

}  // namespace

void Form1::plus_stats(TextBox& stat, std::int16_t& cpstat, std::int16_t& CPs, std::string_view name, TextBox& adj)
{
    if (CPs < 1) {
        message_window.text = "No CPs left";
        return;
    }
    // Attributes stop at a Base of 20; hit points and fatigue have no cap.
    if (name != "fatigue" && name != "hitpoints" && stat.value() == 20) return;
    message_window.text.clear();
    ++cpstat;
    --CPs;
    CPs_remaining.set_value(CPs_remaining.value() - 1);
    stat.set_value(stat.value() + 1);
    adj.set_value(adj.value() + 1);
    step_by_name(name, +1, hitpoints, fatigue);
}

void Form1::minus_stats(TextBox& stat, std::int16_t& cpstat, std::int16_t& CPs, std::string_view name, TextBox& adj)
{
    message_window.text.clear();
    if (cpstat < 1) return;  // nothing bought on this line
    reset_skills();          // every sale refunds all purchased skill ranks first
    --cpstat;
    ++CPs;
    CPs_remaining.set_value(CPs_remaining.value() + 1);
    stat.set_value(stat.value() - 1);
    adj.set_value(adj.value() - 1);
    step_by_name(name, -1, hitpoints, fatigue);
}

void Form1::ST_plus_Click()
{
    plus_stats(Strength, cpST, cpsleft, "Strength", Adjstrength);
    Carryweight.set_value(Adjstrength.value() * 500);
    damageadj();
}

void Form1::ST_minus_Click()
{
    minus_stats(Strength, cpST, cpsleft, "Strength", Adjstrength);
    Carryweight.set_value(Adjstrength.value() * 500);
    damageadj();
}

void Form1::DX_plus_Click()
{
    plus_stats(Dexterity, cpDX, cpsleft, "", Adjdexterity);
    Armoradj();
    Speeddisplay();
}

void Form1::DX_minus_Click()
{
    minus_stats(Dexterity, cpDX, cpsleft, "", Adjdexterity);
    Armoradj();
    Speeddisplay();
}

void Form1::CN_plus_Click() { plus_stats(Constitution, cpCN, cpsleft, "Constitution", Adjconstitution); }
void Form1::CN_minus_Click() { minus_stats(Constitution, cpCN, cpsleft, "Constitution", Adjconstitution); }
void Form1::BE_plus_Click() { plus_stats(Beauty, cpBE, cpsleft, "", Adjbeauty); }
void Form1::BE_minus_Click() { minus_stats(Beauty, cpBE, cpsleft, "", Adjbeauty); }
void Form1::IN_plus_Click() { plus_stats(Intelligence, cpIN, cpsleft, "", Adjintelligence); }

// Intelligence may not drop below what an owned schematic needs.
void Form1::IN_minus_Click()
{
    okflag = flag_false;
    techprecheck(Intelligence.text, okflag);
    if (okflag == flag_false) {
        message_window.text = "can't lower due to tech purchased";
        return;
    }
    minus_stats(Intelligence, cpIN, cpsleft, "", Adjintelligence);
}

void Form1::WP_plus_Click() { plus_stats(Willpower, cpWP, cpsleft, "Willpower", Adjwillpower); }

// Willpower may not drop below what an owned spell needs.
void Form1::WP_minus_Click()
{
    okflag = flag_false;
    spellprecheck(Willpower.text, okflag);
    if (okflag == flag_false) {
        message_window.text = "can't lower due to spells purchased";
        return;
    }
    minus_stats(Willpower, cpWP, cpsleft, "Willpower", Adjwillpower);
}

void Form1::PE_plus_Click() { plus_stats(Perception, cpPE, cpsleft, "", Adjperception); }
void Form1::PE_minus_Click() { minus_stats(Perception, cpPE, cpsleft, "", Adjperception); }
void Form1::CH_plus_Click() { plus_stats(Charisma, cpCH, cpsleft, "", Adjcharisma); }
void Form1::CH_minus_Click() { minus_stats(Charisma, cpCH, cpsleft, "", Adjcharisma); }

// The hit point and fatigue lines have no Adjusted box of their own: dummy
// takes that side.
void Form1::Hitpoints_plus_Click() { plus_stats(hitpoints, cphitpoints, cpsleft, "hitpoints", dummy); }
void Form1::Hitpoints_minus_Click() { minus_stats(hitpoints, cphitpoints, cpsleft, "hitpoints", dummy); }
void Form1::Fatigue_plus_Click() { plus_stats(fatigue, cpfatigue, cpsleft, "fatigue", dummy); }
void Form1::Fatigue_minus_Click() { minus_stats(fatigue, cpfatigue, cpsleft, "fatigue", dummy); }

}  // namespace tessmar
