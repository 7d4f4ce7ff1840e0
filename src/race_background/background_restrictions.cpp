// The background restriction check: which backgrounds the race whose caption
// Current_race shows bars, as the race table lists them.
#include "race_background/race_table.h"
#include "window/form1.h"

namespace tessmar {

void Form1::checkbackgroundrestriction()
{
    backgroundallowed = flag_true;
    const std::string_view race = Current_race.caption;
    const int background = Background_Selection.list_index();
    for (const RaceRow& row : race_table) {
        if (row.caption != race) continue;  // compared whole and case-sensitively
        if (row.barred_backgrounds.contains(background)) backgroundallowed = flag_false;
        break;  // the captions are distinct (a static_assert in race_table.cpp)
    }
    // A caption that is in no row bars nothing.
    if (backgroundallowed == flag_false) message_window.say("Not available for this race/gender");
}

}  // namespace tessmar
