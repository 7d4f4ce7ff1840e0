// Magick and technology lists, purchases and clearing: not built yet.
#include "window/form1.h"

namespace tessmar {

void Form1::Magick_select_Click() {}
void Form1::Magick_list_Click() {}
void Form1::Spell_list_Click() {}
void Form1::Spell_list_DblClick() {}
void Form1::Tech_select_Click() {}
void Form1::Tech_list_Click() {}
void Form1::Schematic_list_Click() {}
void Form1::Schematic_list_DblClick() {}
void Form1::Clear_Click() {}

}  // namespace tessmar
