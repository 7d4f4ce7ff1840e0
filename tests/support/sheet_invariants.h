// What must hold on the character sheet after every completed action: attribute
// Base values follow their counters, the pool and its box agree, skill colours
// follow their counters, and hit points and fatigue follow their formula.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "platform/color.h"
#include "sheet_rules.h"
#include "window/form1.h"

namespace tessmar {

// Base = 8 + the points bought on it, so always 8 to 20, for every attribute.
inline ::testing::AssertionResult attribute_bases_follow_counters(const Form1& form)
{
    for (const AttributeLine& line : form.attribute_lines()) {
        const double value = line.base.value();
        if (value != 8 + line.bought || value < 8 || value > 20)
            return ::testing::AssertionFailure() << line.base.name() << " reads \"" << line.base.text << "\" with "
                                                 << line.bought << " points bought";
    }
    return ::testing::AssertionSuccess();
}

// hitpoints = 2 ST + WP + 6 + 4 per hit point bought + 2 per level above 1, and
// fatigue the same with CN, on the Adjusted values. The formula holds while the
// sheet stays where start-up put it, and again after each race or background.
inline ::testing::AssertionResult hitpoints_and_fatigue_follow_formula(const Form1& form)
{
    const double st = form.Adjstrength.value();
    const double cn = form.Adjconstitution.value();
    const double wp = form.Adjwillpower.value();
    const double level = form.Clevel.value();
    const double expected_hit_points = hit_points(st, wp, form.cphitpoints, level);
    const double expected_fatigue = fatigue(cn, wp, form.cpfatigue, level);
    if (form.hitpoints.value() != expected_hit_points)
        return ::testing::AssertionFailure() << "hitpoints reads \"" << form.hitpoints.text << "\", formula gives "
                                             << expected_hit_points;
    if (form.fatigue.value() != expected_fatigue)
        return ::testing::AssertionFailure() << "fatigue reads \"" << form.fatigue.text << "\", formula gives "
                                             << expected_fatigue;
    return ::testing::AssertionSuccess();
}

// cpsleft and CPs_remaining always change together.
inline ::testing::AssertionResult pool_matches_display(const Form1& form)
{
    if (form.CPs_remaining.value() != form.cpsleft || form.cpsleft < 0)
        return ::testing::AssertionFailure() << "cpsleft is " << form.cpsleft << ", CPs_remaining reads \""
                                             << form.CPs_remaining.text << '"';
    return ::testing::AssertionSuccess();
}

// Each skill counter is a whole number 0 to 5, and its box is green exactly while
// the counter is 1 or more, neutralcolor otherwise.
inline ::testing::AssertionResult skill_colours_follow_counters(const Form1& form)
{
    for (const auto& [row, box, counter, governing] : form.skill_lines()) {
        if (counter < 0 || counter > 5 || counter != std::floor(counter))
            return ::testing::AssertionFailure() << box.name() << " has " << counter << " ranks bought";
        const Color expected = counter >= 1 ? greencolor : form.neutralcolor;
        if (box.back_color != expected)
            return ::testing::AssertionFailure() << box.name() << " is " << color_text(box.back_color) << " with "
                                                 << counter << " ranks bought, expected " << color_text(expected);
    }
    return ::testing::AssertionSuccess();
}

// All of the above.
inline ::testing::AssertionResult sheet_invariants_hold(const Form1& form)
{
    for (auto check : {attribute_bases_follow_counters, hitpoints_and_fatigue_follow_formula, pool_matches_display,
                       skill_colours_follow_counters}) {
        ::testing::AssertionResult result = check(form);
        if (!result) return result;
    }
    return ::testing::AssertionSuccess();
}

}  // namespace tessmar
