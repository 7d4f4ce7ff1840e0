// "Clear Spells/Schematics": every bought spell and schematic given back at
// once, one CP per line of the purchased list.
#include "window/form1.h"

namespace tessmar {

void Form1::Clear_Click()
{
    const int lines = purchased.count();
    if (lines == 0) return;
    cpsleft = static_cast<std::int16_t>(cpsleft + lines);
    CPs_remaining.set_value(CPs_remaining.value() + lines);
    purchased.clear();
    reset_spells();
    reset_tech();
    spellcount = 0;
    techcount = 0;
    displayaptitude();
}

}  // namespace tessmar
