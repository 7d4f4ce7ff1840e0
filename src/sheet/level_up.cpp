// Level-up: one level per click up to 50, each bringing a CP, two hit points and
// two fatigue points, and one more CP on every fifth level.
#include <array>
#include <string_view>

#include "window/form1.h"

namespace tessmar {

namespace {

constexpr std::array<std::string_view, 10> bonus_levels{"5", "10", "15", "20", "25", "30", "35", "40", "45", "50"};

}  // namespace

void Form1::levelup_Click()
{
    const double level = Clevel.value();
    if (level == 50) return;
    ++cpsleft;
    Clevel.set_value(level + 1);
    CPs_remaining.set_value(CPs_remaining.value() + 1);
    fatigue.set_value(fatigue.value() + 2);
    hitpoints.set_value(hitpoints.value() + 2);
    for (std::string_view bonus : bonus_levels) {
        if (Clevel.text == bonus) {
            ++cpsleft;
            CPs_remaining.set_value(CPs_remaining.value() + 1);
            break;
        }
    }
}

}  // namespace tessmar
