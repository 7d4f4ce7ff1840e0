// The sheet's rules worked out again, apart from the program, for the tests to
// hold the window against: one place per rule, so that the tests of a rule and
// the checks run after every event cannot come to disagree about it.
#pragma once

#include "platform/color.h"
#include "window/form1.h"

namespace tessmar {

// Carryweight: 500 per point of Adjusted ST.
inline double carry_weight(double st) { return st * 500; }

// Damagebonus: 0 at 9 and 10, ST - 10 above, and ST itself from 20 on; below 9
// it falls by one every two points, to -4 at 2 and under.
inline double damage_bonus(double st)
{
    if (st == 9 || st == 10) return 0;
    if (st > 10) return st >= 20 ? st : st - 10;
    if (st >= 7) return -1;
    if (st >= 5) return -2;
    if (st >= 3) return -3;
    return -4;
}

// ACadj: Adjusted DX - 10.
inline double armour_adjustment(double dx) { return dx - 10; }

// Speed: the Adjusted DX, 5 more from 20 on.
inline double speed(double dx) { return dx >= 20 ? dx + 5 : dx; }

// hitpoints and fatigue: 2 ST (or CN) + WP + 6 on the Adjusted values, 4 more
// per point bought on the line and 2 more per level above the first.
inline double hit_points(double st, double wp, double bought = 0, double level = 1)
{
    return 2 * st + wp + 6 + 4 * bought + 2 * (level - 1);
}
inline double fatigue(double cn, double wp, double bought = 0, double level = 1)
{
    return 2 * cn + wp + 6 + 4 * bought + 2 * (level - 1);
}

// The aptitude box's colour: magick for a total above 0, tech below, white at 0.
inline Color aptitude_colour(double total)
{
    return total > 0 ? magickcolor : total < 0 ? techcolor : whitecolor;
}

}  // namespace tessmar
