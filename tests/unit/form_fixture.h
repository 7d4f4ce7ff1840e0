// A loaded Form1 with stand-ins for the Save As dialog and the end of the program.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "platform/platform.h"
#include "window/form1.h"

namespace tessmar {

class StubSaveDialog : public SaveAsDialog {
public:
    std::string answer;
    int shown = 0;
    std::string show_save_as() override
    {
        ++shown;
        return answer;
    }
};

class StubProgramEnd : public ProgramEnd {
public:
    bool ended = false;
    void end_program() override { ended = true; }
};

class FormFixture : public ::testing::Test {
protected:
    FormFixture() { form.Form_Load(); }

    StubSaveDialog dialog;
    StubProgramEnd program_end;
    Form1 form{dialog, program_end};
    std::int16_t& okflag = form.okflag;
};

}  // namespace tessmar
