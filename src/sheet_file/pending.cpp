// The character sheet file: not built yet.
#include "window/form1.h"

namespace tessmar {

void Form1::SAVE_Click() {}

}  // namespace tessmar
