// The background restriction table and its check: which backgrounds each race
// caption bars.
#include <array>
#include <initializer_list>
#include <string_view>

#include "window/form1.h"

namespace tessmar {

namespace {

inline constexpr int background_count = 38;

// A set of background indexes.
struct BackgroundSet {
    std::array<bool, background_count> holds{};

    bool contains(int index) const { return index >= 0 && index < background_count && holds[index]; }
};

constexpr BackgroundSet barred(std::initializer_list<int> indexes)
{
    BackgroundSet set;
    for (int index : indexes) set.holds[static_cast<std::size_t>(index)] = true;
    return set;
}

struct RestrictionRow {
    std::string_view race_caption;  // compared whole and case-sensitively
    BackgroundSet barred;
};

constexpr std::array<RestrictionRow, 12> background_restriction_table{{
    {"Dwarf", barred({2, 11, 12, 14, 16, 17, 18, 29, 30, 34, 35, 37})},
    {"Elf/female", barred({2, 9, 10, 11, 12, 14, 17, 18, 21, 23, 29, 30, 34, 35, 37})},
    {"Elf/male", barred({2, 9, 10, 11, 12, 14, 17, 18, 23, 29, 30, 34, 35, 37})},
    {"Gnome", barred({2, 9, 10, 14, 16, 17, 18, 23, 29, 30, 34, 35, 37})},
    {"Half-Elf/female", barred({2, 9, 11, 12, 14, 16, 17, 18, 21, 23, 29, 30, 34, 35, 37})},
    {"Half-Elf/male", barred({2, 9, 10, 11, 12, 14, 16, 17, 18, 23, 29, 30, 34, 35, 37})},
    {"Halfling", barred({2, 9, 10, 11, 14, 16, 17, 23, 29, 30, 34, 35, 37})},
    {"Half-Ogre", barred({2, 4, 6, 7, 9, 10, 11, 14, 16, 18, 23, 30, 34})},
    {"Half-Orc/female", barred({2, 4, 6, 7, 9, 11, 12, 16, 17, 18, 21, 23, 29, 30, 37})},
    {"Half-Orc/male", barred({2, 4, 6, 7, 9, 10, 11, 12, 16, 17, 18, 23, 29, 30, 37})},
    {"Human/female", barred({9, 11, 14, 16, 17, 18, 21, 29, 34, 35, 37})},
    {"Human/male", barred({9, 10, 11, 14, 16, 17, 18, 29, 30, 34, 35, 37})},
}};

}  // namespace

void Form1::checkbackgroundrestriction()
{
    backgroundallowed = flag_true;
    const std::string_view race = Current_race.caption;
    const int background = Background_Selection.list_index();
    for (const RestrictionRow& row : background_restriction_table) {
        if (row.race_caption != race) continue;
        if (row.barred.contains(background)) backgroundallowed = flag_false;
        break;  // the captions are distinct
    }
    // A caption that is in no row bars nothing.
    if (backgroundallowed == flag_false) message_window.text = "Not available for this race/gender";
}

}  // namespace tessmar
