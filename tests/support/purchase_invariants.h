// What must hold after every spell or schematic purchase and every clear: the
// counts match the owned cells and the purchased list line for line, the pool
// matches its box, and ownership is closed downward in every college and
// discipline.
#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <map>
#include <sstream>
#include <string>
#include <string_view>

#include "magick_tech/item_kinds.h"
#include "window/form1.h"

namespace tessmar {

inline ::testing::AssertionResult purchase_invariants_hold(const Form1& form)
{
    std::ostringstream faults;

    // Each line of purchased names one item; count how often each appears.
    std::map<std::string, int> lines;
    for (const std::string& line : form.purchased.items()) ++lines[line];
    const auto take_line = [&lines](std::string_view name) {
        auto found = lines.find(std::string(name));
        if (found == lines.end() || found->second == 0) return false;
        --found->second;
        return true;
    };

    // Each owned cell is True, has its line in purchased and the item before it
    // in its group owned; returns how many are owned.
    const auto owned_of = [&](const auto& kind, std::string_view table, std::string_view item, std::string_view place) {
        int owned = 0;
        const auto& cells = form.*kind.owned;
        for (std::size_t g = 0; g < cells.size(); ++g) {
            const auto& group = kind.catalogue[g].items;
            for (std::size_t k = 0; k < cells[g].size(); ++k) {
                const std::int16_t cell = cells[g][k];
                if (cell != flag_true && cell != flag_false)
                    faults << table << '(' << g << ',' << k << ") holds " << cell << "; ";
                if (cell == flag_false) continue;
                ++owned;
                if (!take_line(group[k].name))
                    faults << "owned " << item << ' ' << group[k].name << " is not in purchased; ";
                if (k > 0 && cells[g][k - 1] == flag_false)
                    faults << table << '(' << g << ',' << k << ") owned without " << place << ' ' << k - 1 << "; ";
            }
        }
        return owned;
    };
    const int owned_spells = owned_of(spell_kind, "spells", "spell", "rank");
    const int owned_schematics = owned_of(schematic_kind, "techpurchased", "schematic", "position");
    for (const auto& [line, left] : lines)
        if (left > 0) faults << "purchased line \"" << line << "\" names no owned item (" << left << " left); ";

    if (form.spellcount != owned_spells)
        faults << "spellcount " << form.spellcount << " but " << owned_spells << " owned spells; ";
    if (form.techcount != owned_schematics)
        faults << "techcount " << form.techcount << " but " << owned_schematics << " owned schematics; ";
    if (form.purchased.count() != form.spellcount + form.techcount)
        faults << "purchased has " << form.purchased.count() << " lines, counts add up to "
               << form.spellcount + form.techcount << "; ";
    if (form.CPs_remaining.value() != form.cpsleft)
        faults << "cpsleft " << form.cpsleft << " but CPs_remaining reads \"" << form.CPs_remaining.text << "\"; ";

    const std::string found = faults.str();
    if (found.empty()) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << found;
}

}  // namespace tessmar
