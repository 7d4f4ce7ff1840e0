// Stand-ins for the Save As dialog and the end of the program, for everything
// that runs the window without a screen (tests, sheet-driver, benchmarks): the
// dialog answers whatever was put in `answer` and keeps what it was last asked;
// both count their calls. LoadedWindow is a window as the program starts it,
// with stand-ins of its own.
#pragma once

#include <string>

#include "platform/platform.h"
#include "window/form1.h"

namespace tessmar {

class StubSaveDialog : public SaveAsDialog {
public:
    std::string answer;
    int shown = 0;
    SaveAsRequest asked;
    std::string show_save_as(const SaveAsRequest& request) override
    {
        ++shown;
        asked = request;
        return answer;
    }
};

class StubProgramEnd : public ProgramEnd {
public:
    int ended = 0;
    void end_program() override { ++ended; }
};

// A loaded window of its own, with its stand-ins, for cases that each start afresh.
struct LoadedWindow {
    StubSaveDialog dialog;
    StubProgramEnd program_end;
    Form1 form{dialog, program_end};
    LoadedWindow() { form.Form_Load(); }
    LoadedWindow(const LoadedWindow&) = delete;
    LoadedWindow& operator=(const LoadedWindow&) = delete;
};

}  // namespace tessmar
