// Names and texts of Form1's window-level variables.
#include "window/state_variables.h"

#include <array>
#include <charconv>

#include "platform/box_value.h"
#include "sheet/skill_lines.h"

namespace tessmar {

namespace {

constexpr StateVariable before_skills[] = {
    {"okflag", &Form1::okflag},
    {"cpST", &Form1::cpST},
    {"cpCN", &Form1::cpCN},
    {"cpDX", &Form1::cpDX},
    {"cpCH", &Form1::cpCH},
    {"cpIN", &Form1::cpIN},
    {"cpWP", &Form1::cpWP},
    {"cpPE", &Form1::cpPE},
    {"cpBE", &Form1::cpBE},
    {"cpsleft", &Form1::cpsleft},
    {"cphitpoints", &Form1::cphitpoints},
    {"cpfatigue", &Form1::cpfatigue},
    {"neutralcolor", &Form1::neutralcolor},
};

constexpr StateVariable after_skills[] = {
    {"aptitudetotal", &Form1::aptitudetotal},
    {"techcount", &Form1::techcount},
    {"spellcount", &Form1::spellcount},
    {"raceaptitude", &Form1::raceaptitude},
    {"techaptitude", &Form1::techaptitude},
    {"spellaptitude", &Form1::spellaptitude},
    {"techskillaptitude", &Form1::techskillaptitude},
    {"backgroundallowed", &Form1::backgroundallowed},
};

// In order of declaration; the skill counters come from the skill table.
constexpr auto variables = [] {
    std::array<StateVariable, std::size(before_skills) + skill_count + std::size(after_skills)> all{};
    std::size_t next = 0;
    for (const StateVariable& variable : before_skills) all[next++] = variable;
    for (const SkillRow& row : skill_rows) all[next++] = {row.counter_name, row.counter};
    for (const StateVariable& variable : after_skills) all[next++] = variable;
    return all;
}();

// "NAME(A,B)" with both indexes in range.
std::optional<std::pair<std::size_t, std::size_t>> cell_indexes(std::string_view key, std::string_view table,
                                                                 std::size_t rows, std::size_t columns)
{
    if (key.size() < table.size() + 5 || key.substr(0, table.size()) != table || key[table.size()] != '(' ||
        key.back() != ')')
        return std::nullopt;
    std::string_view inside = key.substr(table.size() + 1, key.size() - table.size() - 2);
    std::size_t comma = inside.find(',');
    if (comma == std::string_view::npos) return std::nullopt;
    int a = -1;
    int b = -1;
    std::string_view first = inside.substr(0, comma);
    std::string_view second = inside.substr(comma + 1);
    auto r1 = std::from_chars(first.data(), first.data() + first.size(), a);
    auto r2 = std::from_chars(second.data(), second.data() + second.size(), b);
    if (r1.ec != std::errc{} || r1.ptr != first.data() + first.size() || r2.ec != std::errc{} ||
        r2.ptr != second.data() + second.size())
        return std::nullopt;
    const auto row = table_row(a, rows);
    const auto column = table_row(b, columns);
    if (!row || !column) return std::nullopt;
    return std::pair{*row, *column};
}

}  // namespace

std::span<const StateVariable> form1_state_variables()
{
    return variables;
}

std::string state_variable_text(const Form1& form, const StateVariable& variable)
{
    return std::visit(
        [&form](auto member) -> std::string {
            using Value = std::remove_cvref_t<decltype(form.*member)>;
            if constexpr (std::is_same_v<Value, Color>) {
                return color_text(form.*member);
            } else {
                return box_text(static_cast<double>(form.*member));
            }
        },
        variable.member);
}

std::optional<std::string> state_value_text(const Form1& form, std::string_view key)
{
    for (const StateVariable& variable : form1_state_variables())
        if (variable.name == key) return state_variable_text(form, variable);
    if (auto cell = cell_indexes(key, "spells", college_count, spell_ranks))
        return box_text(form.spells[cell->first][cell->second]);
    if (auto cell = cell_indexes(key, "techpurchased", discipline_count, schematic_positions))
        return box_text(form.techpurchased[cell->first][cell->second]);
    return std::nullopt;
}

}  // namespace tessmar
