// What must hold after every spell or schematic purchase and every clear: the
// counts match the owned cells and the purchased list line for line, the pool
// matches its box, and ownership is closed downward in every college and
// discipline.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>

#include "magick_tech/catalogue.h"
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

    int owned_spells = 0;
    for (int c = 0; c < college_count; ++c) {
        for (int k = 0; k < spell_ranks; ++k) {
            const std::int16_t cell = form.spells[c][k];
            if (cell != flag_true && cell != flag_false) faults << "spells(" << c << ',' << k << ") holds " << cell << "; ";
            if (cell == flag_false) continue;
            ++owned_spells;
            if (!take_line(spell_names[c][k])) faults << "owned spell " << spell_names[c][k] << " is not in purchased; ";
            if (k > 0 && form.spells[c][k - 1] == flag_false)
                faults << "spells(" << c << ',' << k << ") owned without rank " << k - 1 << "; ";
        }
    }
    int owned_schematics = 0;
    for (int d = 0; d < discipline_count; ++d) {
        for (int s = 0; s < schematic_positions; ++s) {
            const std::int16_t cell = form.techpurchased[d][s];
            if (cell != flag_true && cell != flag_false)
                faults << "techpurchased(" << d << ',' << s << ") holds " << cell << "; ";
            if (cell == flag_false) continue;
            ++owned_schematics;
            if (!take_line(schematic_names[d][s]))
                faults << "owned schematic " << schematic_names[d][s] << " is not in purchased; ";
            if (s > 0 && form.techpurchased[d][s - 1] == flag_false)
                faults << "techpurchased(" << d << ',' << s << ") owned without position " << s - 1 << "; ";
        }
    }
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
