// Building Form1 from the window description.
#include "window/form1.h"

#include "sheet/attribute_lines.h"
#include "sheet/skill_lines.h"

namespace tessmar {

WindowControls::WindowControls() : controls_(form1_controls()) {}

Form1::Form1(SaveAsDialog& save_dialog, ProgramEnd& program_end)
    : save_dialog_(save_dialog), program_end_(program_end)
{
    find_line_boxes();
    wire_events();
}

void Form1::find_line_boxes()
{
    for (std::size_t i = 0; i < attribute_count; ++i)
        attribute_boxes_[i] = {&control<TextBox>(attribute_rows[i].base),
                               &control<TextBox>(attribute_rows[i].adjusted)};
    for (std::size_t i = 0; i < skill_count; ++i)
        skill_boxes_[i] = {&control<TextBox>(skill_rows[i].box), &control<TextBox>(skill_rows[i].governing)};
}

}  // namespace tessmar
