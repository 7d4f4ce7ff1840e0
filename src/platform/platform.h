// The parts of the platform beyond the window's controls: the Save As dialog and
// ending the program. The Qt layer and the scenario driver each provide their own.
#pragma once

#include <string>
#include <vector>

namespace tessmar {

// What the program asks of the Save As dialog.
struct SaveAsRequest {
    std::string title;
    // Name filters such as "Text files (*.txt)", the first one chosen at the start.
    std::vector<std::string> filters;
    // Added, after a dot, to a chosen name that has no suffix of its own.
    std::string default_suffix;
    // The folder the dialog starts in; empty for the user's documents folder
    // (the home folder where there is none), which only the platform knows.
    std::string folder;
    // What the dialog's file name box opens with; empty for nothing.
    std::string proposed_name;
};

class SaveAsDialog {
public:
    virtual ~SaveAsDialog() = default;
    // Shows the dialog and waits for it to close; the chosen path, empty when cancelled.
    virtual std::string show_save_as(const SaveAsRequest& request) = 0;
};

class ProgramEnd {
public:
    virtual ~ProgramEnd() = default;
    // Ends the program at once: no question, nothing saved.
    virtual void end_program() = 0;
};

}  // namespace tessmar
