// What must hold on the window after every completed user event, whatever came
// before: the checks of the sheet and of the purchases, and those of the
// aptitude, the lists, the level, the message field, the bonuses and the
// derived statistics. Some need to remember what the last race or background
// left; InvariantTracker carries that from one event to the next.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <string_view>

#include "window/form1.h"

namespace tessmar {

// The aptitude box shows 5 per spell, -5 per schematic, -4 per purchased Tech
// skill rank and the race's part, its size capped at 100 and its sign as colour.
::testing::AssertionResult aptitude_follows_purchases(const Form1& form);

// Either the Magick pair of lists or the Tech pair is shown, never both or
// neither, and the indicator names the one shown.
::testing::AssertionResult one_list_pair_shown(const Form1& form);

// Clevel holds a whole number from 1 to 50.
::testing::AssertionResult level_in_range(const Form1& form);

// Every message that the program writes into message_window.
const std::set<std::string, std::less<>>& programs_messages();

// A failed save's message: this lead (the entry of programs_messages, never
// shown alone), then ": " and the system's reason.
inline constexpr std::string_view save_failure_lead = "Not saved";
bool is_save_failure(std::string_view message);

// message_window is empty or holds one of the program's own messages.
::testing::AssertionResult message_is_the_programs_own(const Form1& form);

// The hit point and fatigue lines never sell more than they bought.
::testing::AssertionResult points_bought_not_negative(const Form1& form);

// What the last race or background put on the sheet: Adjusted minus Base for
// each attribute, and the bonus (box minus purchased ranks) of each skill.
struct SheetBonuses {
    std::array<double, attribute_count> attributes{};
    std::array<double, skill_count> skills{};
    friend bool operator==(const SheetBonuses&, const SheetBonuses&) = default;
    static SheetBonuses of(const Form1& form);
};

// Carryweight, Damagebonus, ACadj and Speed follow the Adjusted ST and DX; until
// a race is first applied, a pair that no ST or DX click has rewritten may still
// show its start text.
::testing::AssertionResult derived_statistics_follow(const Form1& form, bool race_applied);

// A script line that starts a new character: a double click on the race or
// the background list. After it the tracker takes the sheet's bonuses afresh.
bool line_starts_new_character(std::string_view script_line);

class InvariantTracker {
public:
    explicit InvariantTracker(const Form1& started);

    // Checks every invariant after one event; new_character tells that the
    // event was a double click on the race or background list. The first
    // broken invariant is returned, by name and with what was found.
    std::optional<std::string> after_event(const Form1& form, bool new_character);

    std::int64_t invariants_checked() const { return checked_; }

private:
    SheetBonuses bonuses_;
    bool race_applied_ = false;
    std::int64_t checked_ = 0;
};

}  // namespace tessmar
