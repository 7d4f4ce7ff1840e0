// A loaded Form1 with stand-ins for the Save As dialog and the end of the program.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "stand_ins.h"
#include "window/form1.h"

namespace tessmar {

// A loaded window of its own, with its stand-ins, for cases that each start afresh.
struct LoadedWindow {
    StubSaveDialog dialog;
    StubProgramEnd program_end;
    Form1 form{dialog, program_end};
    LoadedWindow() { form.Form_Load(); }
    LoadedWindow(const LoadedWindow&) = delete;
    LoadedWindow& operator=(const LoadedWindow&) = delete;
};

class FormFixture : public ::testing::Test {
protected:
    FormFixture() { form.Form_Load(); }

    // Puts n CPs in the pool and its box, as level-ups would.
    void give_cps(int n)
    {
        form.cpsleft = static_cast<std::int16_t>(n);
        form.CPs_remaining.set_value(n);
    }

    StubSaveDialog dialog;
    StubProgramEnd program_end;
    Form1 form{dialog, program_end};
    std::int16_t& okflag = form.okflag;
};

}  // namespace tessmar
