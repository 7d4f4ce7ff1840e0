// The parts of the platform beyond the window's controls: the Save As dialog and
// ending the program. The Qt layer and the scenario driver each provide their own.
#pragma once

#include <string>

namespace tessmar {

class SaveAsDialog {
public:
    virtual ~SaveAsDialog() = default;
    // Shows the dialog and waits for it to close; the chosen path, empty when cancelled.
    virtual std::string show_save_as() = 0;
};

class ProgramEnd {
public:
    virtual ~ProgramEnd() = default;
    // Ends the program at once: no question, nothing saved.
    virtual void end_program() = 0;
};

}  // namespace tessmar
