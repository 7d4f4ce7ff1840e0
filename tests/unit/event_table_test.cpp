// The event table binds each line's "+" and "-" to the line of the same row of
// the line tables, so that a row of one table never drives another's line.
#include <gtest/gtest.h>

#include <cstddef>
#include <string_view>

#include "form_fixture.h"
#include "sheet/attribute_lines.h"
#include "sheet/skill_lines.h"
#include "window/event_table.h"

namespace tessmar {
namespace {

void click(Form1& form, std::string_view button) { form.controls().get<Button>(button).click(); }

TEST(EventTable, EachLinesButtonsMoveTheLineOfTheirRow)
{
    for (std::size_t i = 0; i < attribute_count; ++i) {
        const LineButtons& buttons = attribute_line_buttons[i];
        LoadedWindow window;
        give_cps(window.form, 1);
        const AttributeLine& line = window.form.attribute_lines()[i];
        click(window.form, buttons.plus);
        EXPECT_EQ(line.bought, 1) << buttons.plus;
        EXPECT_EQ(line.base.text, "9") << buttons.plus;
        click(window.form, buttons.minus);
        EXPECT_EQ(line.bought, 0) << buttons.minus;
        EXPECT_EQ(line.base.text, "8") << buttons.minus;
    }
    for (std::size_t i = 0; i < skill_count; ++i) {
        const LineButtons& buttons = skill_line_buttons[i];
        LoadedWindow window;
        give_cps(window.form, 1);
        const SkillLine& line = window.form.skill_lines()[i];
        click(window.form, buttons.plus);
        EXPECT_EQ(line.counter, 1) << buttons.plus;
        click(window.form, buttons.minus);
        EXPECT_EQ(line.counter, 0) << buttons.minus;
    }
}

}  // namespace
}  // namespace tessmar
