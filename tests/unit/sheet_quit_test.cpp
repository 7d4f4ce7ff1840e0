// Quit hands the end of the program to the platform at once and saves nothing.
#include <gtest/gtest.h>

#include "form_fixture.h"

namespace tessmar {
namespace {

class QuitButton : public FormFixture {};

TEST_F(QuitButton, EndsTheProgramWithoutSaving)
{
    form.ST_plus_Click();
    form.Quit.click();
    EXPECT_TRUE(program_end.ended);
    EXPECT_EQ(dialog.shown, 0);
    EXPECT_EQ(form.Strength.text, "9");
    EXPECT_EQ(form.message_window.text, "");
}

}  // namespace
}  // namespace tessmar
