// The event table binds each line's "+" and "-" to the line of the same row of
// the line tables, so that a row of one table never drives another's line.
#include <gtest/gtest.h>

#include <array>
#include <cstddef>

#include "form_fixture.h"
#include "window/event_table.h"

namespace tessmar {
namespace {

// Clicks each row's "+" and then its "-", each row on a window of its own with
// one CP to spend: the counter of the row's line goes to 1 and back to 0.
template <std::size_t N, class Counter>
void each_row_moves_its_line(const std::array<LineButtons, N>& rows, Counter counter_of)
{
    for (std::size_t i = 0; i < N; ++i) {
        LoadedWindow window;
        give_cps(window.form, 1);
        window.form.controls().get<Button>(rows[i].plus).click();
        EXPECT_EQ(counter_of(window.form, i), 1) << rows[i].plus;
        window.form.controls().get<Button>(rows[i].minus).click();
        EXPECT_EQ(counter_of(window.form, i), 0) << rows[i].minus;
    }
}

TEST(EventTable, EachLinesButtonsMoveTheLineOfTheirRow)
{
    each_row_moves_its_line(attribute_line_buttons, [](const Form1& form, std::size_t i) -> double {
        return form.attribute_lines()[i].bought;
    });
    each_row_moves_its_line(skill_line_buttons, [](const Form1& form, std::size_t i) -> double {
        return form.skill_lines()[i].counter;
    });
}

}  // namespace
}  // namespace tessmar
