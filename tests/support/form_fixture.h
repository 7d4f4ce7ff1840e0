// A loaded Form1 with stand-ins for the Save As dialog and the end of the
// program (sheet-driver's LoadedWindow), as a GoogleTest fixture, and CPs put
// in the pool as level-ups would.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>

#include "stand_ins.h"
#include "window/form1.h"

namespace tessmar {

// Puts n CPs in the pool and its box, as level-ups would.
inline void give_cps(Form1& form, int n)
{
    form.cpsleft = static_cast<std::int16_t>(n);
    form.CPs_remaining.set_value(n);
}

// A loaded window of the fixture's own, named as its parts.
class FormFixture : public ::testing::Test {
protected:
    LoadedWindow window;
    StubSaveDialog& dialog = window.dialog;
    StubProgramEnd& program_end = window.program_end;
    Form1& form = window.form;
    std::int16_t& okflag = form.okflag;
};

}  // namespace tessmar
