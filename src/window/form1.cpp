// Building Form1 from the window description.
#include "window/form1.h"

namespace tessmar {

Form1::Form1(SaveAsDialog& save_dialog, ProgramEnd& program_end)
    : controls_(form1_controls()), save_dialog_(save_dialog), program_end_(program_end)
{
    wire_events();
}

}  // namespace tessmar
