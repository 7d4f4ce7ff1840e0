// Quit: ends the program at once, nothing saved.
#include "window/form1.h"

namespace tessmar {

void Form1::Quit_Click() { program_end_.end_program(); }

}  // namespace tessmar
