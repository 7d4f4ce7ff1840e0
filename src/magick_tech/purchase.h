// The purchase steps that a spell and a schematic share.
#pragma once

#include <cstdint>

#include "window/form1.h"

namespace tessmar {

// Buys the highlighted entry of a spell or schematic list for one CP: its name
// at the end of purchased, the pool and CPs_remaining one lower, its ownership
// cell True, its count one higher, and the aptitude recomputed.
void buy_item(Form1& form, const ListBox& list, int index, std::int16_t& owned, std::int16_t& count);

}  // namespace tessmar
