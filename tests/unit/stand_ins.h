// Stand-ins for the Save As dialog and the end of the program: the dialog
// answers whatever the test put in `answer` and keeps what it was last asked;
// both count their calls.
#pragma once

#include <string>

#include "platform/platform.h"

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

}  // namespace tessmar
