// Stat lines: buying and selling single points on the eight attributes, hit
// points and fatigue (plus_stats, minus_stats), and the twenty button handlers;
// an attribute line's handlers read the line from its table and then refresh
// the derived statistics that the line feeds.
#include "magick_tech/item_kinds.h"
#include "sheet/attribute_lines.h"
#include "window/form1.h"

namespace tessmar {

namespace {

// What a point bought (sign +1) or sold (sign -1) on the named line does to hit
// points and fatigue besides the line's own boxes.
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
        message_window.say("No CPs left");
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

namespace {

// A click on an attribute line's plus or minus button, then a refresh of what
// the line feeds.
void buy_point(Form1& form, std::size_t index)
{
    const AttributeLine& line = form.attribute_lines()[index];
    form.plus_stats(line.base, line.bought, form.cpsleft, line.row.stat_name, line.adjusted);
    form.refresh_derived_statistics(line.row.feeds);
}

void sell_point(Form1& form, std::size_t index)
{
    const AttributeLine& line = form.attribute_lines()[index];
    form.minus_stats(line.base, line.bought, form.cpsleft, line.row.stat_name, line.adjusted);
    form.refresh_derived_statistics(line.row.feeds);
}

// The line that gates the kind: its Base may not drop below what an owned item
// of the kind needs.
template <class Kind>
void sell_point_unless_owned_items_need_it(Form1& form, const Kind& kind)
{
    form.okflag = flag_false;
    (form.*kind.lowering_check)(kind.base_attribute(form).text, form.okflag);
    if (form.okflag == flag_false) {
        form.message_window.say(std::string(kind.lowering_refused));
        return;
    }
    sell_point(form, kind.attribute_line);
}

constexpr std::size_t ST = attribute_index("Strength");
constexpr std::size_t CN = attribute_index("Constitution");
constexpr std::size_t DX = attribute_index("Dexterity");
constexpr std::size_t BE = attribute_index("Beauty");
constexpr std::size_t IN = attribute_index("Intelligence");
constexpr std::size_t WP = attribute_index("Willpower");
constexpr std::size_t PE = attribute_index("Perception");
constexpr std::size_t CH = attribute_index("Charisma");

}  // namespace

void Form1::ST_plus_Click() { buy_point(*this, ST); }
void Form1::ST_minus_Click() { sell_point(*this, ST); }
void Form1::CN_plus_Click() { buy_point(*this, CN); }
void Form1::CN_minus_Click() { sell_point(*this, CN); }
void Form1::DX_plus_Click() { buy_point(*this, DX); }
void Form1::DX_minus_Click() { sell_point(*this, DX); }
void Form1::BE_plus_Click() { buy_point(*this, BE); }
void Form1::BE_minus_Click() { sell_point(*this, BE); }
void Form1::IN_plus_Click() { buy_point(*this, IN); }
void Form1::IN_minus_Click() { sell_point_unless_owned_items_need_it(*this, schematic_kind); }
void Form1::WP_plus_Click() { buy_point(*this, WP); }
void Form1::WP_minus_Click() { sell_point_unless_owned_items_need_it(*this, spell_kind); }
void Form1::PE_plus_Click() { buy_point(*this, PE); }
void Form1::PE_minus_Click() { sell_point(*this, PE); }
void Form1::CH_plus_Click() { buy_point(*this, CH); }
void Form1::CH_minus_Click() { sell_point(*this, CH); }

// The hit point and fatigue lines have no Adjusted box of their own: dummy
// takes that side.
void Form1::Hitpoints_plus_Click() { plus_stats(hitpoints, cphitpoints, cpsleft, "hitpoints", dummy); }
void Form1::Hitpoints_minus_Click() { minus_stats(hitpoints, cphitpoints, cpsleft, "hitpoints", dummy); }
void Form1::Fatigue_plus_Click() { plus_stats(fatigue, cpfatigue, cpsleft, "fatigue", dummy); }
void Form1::Fatigue_minus_Click() { minus_stats(fatigue, cpfatigue, cpsleft, "fatigue", dummy); }

}  // namespace tessmar
